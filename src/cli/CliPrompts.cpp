#include "CliPrompts.h"

#include <QTextStream>

Prompts::Answer CliPrompts::message(const Message& message, Buttons buttons) {
    err_ << message.asPlainText() << '\n';
    err_.flush();
    switch (buttons) {
    case Buttons::AbortRetryIgnore:
        failed_ = true;
        return Answer::Ignore;
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}
