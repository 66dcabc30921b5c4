// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliPrompts.h"

#include <QTextStream>

Prompts::Answer CliPrompts::message(const Message& message, Buttons buttons) {
    err_ << message.asPlainText() << '\n';
    err_.flush();
    // "Critical Error" and "Wrong format": a file could not be read as it should.
    if (message.icon == Message::Icon::Critical)
        failed_ = true;
    switch (buttons) {
    case Buttons::AbortRetryIgnore:
    case Buttons::AbortRetryIgnoreAll: // Ignore, so that every failure is printed
        failed_ = true;
        return Answer::Ignore;
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}
