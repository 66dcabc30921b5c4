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
    record({.kind = Asked::Kind::OpenFile, .openFile = request});
    return next(files_);
}

std::optional<QString> ScriptedPrompts::saveFile(const OpenFileRequest& request) {
    record({.kind = Asked::Kind::SaveFile, .openFile = request});
    return next(files_);
}

std::optional<QString> ScriptedPrompts::chooseFolder(const QString& title, const QString& start) {
    record({.kind = Asked::Kind::ChooseFolder, .title = title, .proposed = start});
    return next(folders_);
}

std::optional<QString> ScriptedPrompts::inputBox(const QString& prompt, const QString& title,
                                                 const QString& proposed) {
    record({.kind = Asked::Kind::InputBox, .title = title, .text = prompt, .proposed = proposed});
    return next(inputs_);
}

Prompts::Answer ScriptedPrompts::message(const Message& message, Buttons buttons) {
    record({.kind = Asked::Kind::Message, .message = message, .buttons = buttons});
    if (answers_.empty())
        return buttons == Buttons::YesNo              ? Answer::Yes
               : buttons == Buttons::AbortRetryIgnore ? Answer::Abort
                                                      : Answer::Ok;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<FontChoice> ScriptedPrompts::chooseFont(const FontChoice& initial) {
    record({.kind = Asked::Kind::ChooseFont, .font = initial});
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
