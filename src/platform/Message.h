// SPDX-License-Identifier: GPL-3.0-or-later
// A message box as the user sees it: icon, title and text. Failures travel as values of this
// type so that the viewer shows them in a box and the CLI prints them.
#pragma once

#include <QString>

struct Message {
    enum class Icon { None, Information, Question, Exclamation, Critical };

    Message() = default;
    Message(Icon icon, QString title, QString text, QString details = {})
        : icon(icon), title(std::move(title)), text(std::move(text)), details(std::move(details)) {}

    Icon icon = Icon::None;
    QString title;
    QString text;
    // Below the text, in smaller print: which file, which title, why. Lines end with "\n".
    QString details;

    // "Title: text", then the details on lines of their own, line breaks as written by the CLI on
    // standard error.
    QString asPlainText() const;

    friend bool operator==(const Message&, const Message&) = default;
};

// The details of a failure: "Title: ", "File: " and "Reason: " lines of what is known.
QString FailureDetails(const QString& title, const QString& file, const QString& reason);

// A path or name as a person can read it: control characters, NUL included, shown as their
// pictures (U+2400...), since the system would cut a name at a NUL.
QString VisibleName(const QString& name);
