// SPDX-License-Identifier: GPL-3.0-or-later
// Everything modal that asks the user something: file and folder choosers, the input box and
// message boxes. One Qt implementation; tests answer through a scripted double.
#pragma once

#include "Message.h"

#include <QColor>
#include <QString>
#include <optional>

struct OpenFileRequest {
    QString title;
    // Pairs of description and pattern list, "|"-separated as the caller writes them:
    // "All Files (*.*)|*.*|DB Files(*.dat)|*.dat".
    QString filter;
    int selectedFilter = 1; // 1-based, into the pairs of `filter`
    QString initialFolder;  // empty: the dialog's own choice
    QString fileName;       // preset file name

    friend bool operator==(const OpenFileRequest&, const OpenFileRequest&) = default;
};

// A font with its colour, as the font dialog shows and returns it.
struct FontChoice {
    QString name;
    double pointSize = 0; // may be fractional (10.5)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour; // returned invalid: the colour was left as it was

    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

class Prompts {
public:
    // The error choice reads Abort, Retry, Ignore from the left, Enter meaning Ignore and Esc
    // Abort; a run over many titles adds Ignore All.
    enum class Buttons { Ok, YesNo, AbortRetryIgnore, AbortRetryIgnoreAll };
    enum class Answer { Ok, Yes, No, Abort, Retry, Ignore, IgnoreAll };

    virtual ~Prompts() = default;

    // The chosen file's full path; nullopt when the user cancels.
    virtual std::optional<QString> openFile(const OpenFileRequest& request) = 0;
    // The full path to write to, which may not exist yet; nullopt when the user cancels.
    virtual std::optional<QString> saveFile(const OpenFileRequest& request) = 0;
    // The chosen folder; nullopt when the user cancels.
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& start) = 0;
    // The typed text; nullopt when the user cancels.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& proposed) = 0;
    virtual Answer message(const Message& message, Buttons buttons = Buttons::Ok) = 0;
    // The chosen font and colour; nullopt when the user cancels the font. A colour cancelled
    // after a font was chosen keeps the font and comes back invalid.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
};
