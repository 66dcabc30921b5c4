#include "ScriptedPrompts.h"

namespace {

// The next scripted answer; none left answers Cancel.
template <typename T> std::optional<T> next(std::deque<std::optional<T>>& queue) {
    if (queue.empty())
        return std::nullopt;
    auto value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

std::optional<QString> ScriptedPrompts::openFile(const OpenFileRequest& request) {
    record({Asked::Kind::OpenFile, request, {}, {}, {}, {}, Buttons::Ok, {}});
    return next(files_);
}

std::optional<QString> ScriptedPrompts::saveFile(const OpenFileRequest& request) {
    record({Asked::Kind::SaveFile, request, {}, {}, {}, {}, Buttons::Ok, {}});
    return next(saves_);
}

std::optional<QString> ScriptedPrompts::chooseFolder(const QString& title, const QString& start) {
    record({Asked::Kind::ChooseFolder, {}, title, {}, start, {}, Buttons::Ok, {}});
    return next(folders_);
}

std::optional<QString> ScriptedPrompts::inputBox(const QString& prompt, const QString& title,
                                                 const QString& proposed) {
    record({Asked::Kind::InputBox, {}, title, prompt, proposed, {}, Buttons::Ok, {}});
    return next(inputs_);
}

Prompts::Answer ScriptedPrompts::message(const Message& message, Buttons buttons) {
    record({Asked::Kind::Message, {}, message.title, message.text, {}, message, buttons, {}});
    if (!answers_.empty()) {
        const Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    }
    return Answer::Ok;
}

std::optional<FontChoice> ScriptedPrompts::chooseFont(const FontChoice& initial) {
    Asked question{Asked::Kind::ChooseFont, {}, {}, {}, {}, {}, Buttons::Ok, {}};
    question.font = initial;
    record(question);
    return next(fonts_);
}

void ScriptedPrompts::record(const Asked& question) {
    asked << question;
    if (onAsk)
        onAsk(question);
}

QList<Message> ScriptedPrompts::messages() const {
    QList<Message> list;
    for (const Asked& a : asked)
        if (a.kind == Asked::Kind::Message)
            list << a.message;
    return list;
}
