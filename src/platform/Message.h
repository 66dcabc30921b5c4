// A message box as the user sees it: icon, title and text. Failures travel as values of this
// type so that the viewer shows them in a box and the CLI prints them.
#pragma once

#include <QString>

struct Message {
    enum class Icon { None, Information, Question, Exclamation, Critical };

    Icon icon = Icon::None;
    QString title;
    QString text;

    // "Title: text", line breaks as written by the CLI on standard error.
    QString asPlainText() const;

    friend bool operator==(const Message&, const Message&) = default;
};
