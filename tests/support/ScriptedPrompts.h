// Answers the program's questions from a script and records what was asked, so that tests
// drive dialogs without windows.
#pragma once

#include "Prompts.h"

#include <QList>
#include <deque>
#include <functional>

class ScriptedPrompts final : public Prompts {
public:
    struct Asked {
        enum class Kind { OpenFile, SaveFile, ChooseFolder, InputBox, Message, ChooseFont };
        Kind kind{};
        OpenFileRequest openFile{};          // OpenFile, SaveFile
        QString title{}, text{}, proposed{}; // folder chooser and input box: title, prompt, start
        Message message{};                   // Message, with its buttons
        Buttons buttons = Buttons::Ok;
        FontChoice font{}; // ChooseFont: what the dialog started with
    };

    // Next answers, in the order questions come. nullopt, or no answer left, answers a chooser
    // or input box with Cancel.
    // Answers open and save dialogs alike.
    void answerFile(std::optional<QString> path) { files_.push_back(std::move(path)); }
    void answerFolder(std::optional<QString> path) { folders_.push_back(std::move(path)); }
    void answerInput(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
    void answerMessage(Answer answer) { answers_.push_back(answer); }
    void answerFont(std::optional<FontChoice> font) { fonts_.push_back(std::move(font)); }

    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QString> saveFile(const OpenFileRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& proposed) override;
    // Unscripted messages are answered Ok (or the first button) and still recorded.
    Answer message(const Message& message, Buttons buttons) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

    QList<Asked> asked;
    // Runs as each question is asked, before it is answered: a test's chance to change the world
    // between a failure and its Retry.
    std::function<void(const Asked&)> onAsk;
    QList<Message> messages() const;

private:
    void record(const Asked& question);

    std::deque<std::optional<QString>> files_, folders_, inputs_;
    std::deque<Answer> answers_;
    std::deque<std::optional<FontChoice>> fonts_;
};
