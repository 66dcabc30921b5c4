// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the program's questions from a script and records what was asked.
#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <deque>
#include <functional>

class ScriptedPrompts final : public Prompts {
public:
    struct Asked {
        OpenFileRequest openFile{};    // file dialogs
        QString proposed{};            // folder chooser and input box: where they start
        Buttons buttons = Buttons::Ok; // messages
        FontChoice font{};             // font dialog: what it started with
    };

    // Next answers, in the order questions come; nullopt, or none left, cancels. Files answer
    // open and save dialogs alike; unscripted messages get Ok (or the first button).
    void answerFile(std::optional<QString> path) { files_.push_back(std::move(path)); }
    void answerFolder(std::optional<QString> path) { folders_.push_back(std::move(path)); }
    void answerInput(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
    void answerMessage(Answer answer) { answers_.push_back(answer); }
    void answerFont(std::optional<FontChoice> font) { fonts_.push_back(std::move(font)); }

    std::optional<QString> openFile(const OpenFileRequest& request) override {
        return record({.openFile = request}, files_);
    }
    std::optional<QString> saveFile(const OpenFileRequest& request) override {
        return record({.openFile = request}, files_);
    }
    std::optional<QString> chooseFolder(const QString&, const QString& start) override {
        return record({.proposed = start}, folders_);
    }
    std::optional<QString> inputBox(const QString&, const QString&,
                                    const QString& proposed) override {
        return record({.proposed = proposed}, inputs_);
    }
    Answer message(const Message& message, Buttons buttons) override {
        messages << message;
        return record({.buttons = buttons}, answers_)
            .value_or(buttons == Buttons::YesNo ? Answer::Yes
                      : buttons == Buttons::Ok  ? Answer::Ok
                                                : Answer::Abort);
    }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override {
        return record({.font = initial}, fonts_);
    }

    QList<Asked> asked;
    QList<Message> messages; // the messages among them
    // Runs as each question is asked, before it is answered (to change the world before a Retry).
    std::function<void(const Asked&)> onAsk;

private:
    template <typename T>
    std::optional<T> record(const Asked& question, std::deque<std::optional<T>>& answers) {
        asked << question;
        if (onAsk)
            onAsk(question);
        if (answers.empty())
            return std::nullopt;
        auto value = std::move(answers.front());
        answers.pop_front();
        return value;
    }

    std::deque<std::optional<QString>> files_, folders_, inputs_;
    std::deque<std::optional<Answer>> answers_;
    std::deque<std::optional<FontChoice>> fonts_;
};
