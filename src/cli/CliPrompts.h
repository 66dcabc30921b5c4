// SPDX-License-Identifier: GPL-3.0-or-later
// Prompts for the command line: no dialog ever opens. A message box is printed on standard
// error as "Title: text"; the error choice answers Ignore and, like a read failure's box, marks
// the run as failed; every question a person would answer is cancelled.
#pragma once

#include "platform/Prompts.h"

class QTextStream;

class CliPrompts final : public Prompts {
public:
    explicit CliPrompts(QTextStream& err) : err_(err) {}

    std::optional<QString> openFile(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    Answer message(const Message& message, Buttons buttons) override;
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }

    bool failed() const { return failed_; }

private:
    QTextStream& err_;
    bool failed_ = false;
};
