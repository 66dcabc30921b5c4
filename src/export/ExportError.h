// A step of an export that failed: what the error choice dialog names, and below its
// long-standing text which title, which file and the system's reason, where known.
#pragma once

#include "platform/Message.h"
#include "platform/MessageTexts.h"

#include <QString>

struct ExportError {
    ExportError(int number = 0, QString description = {}, QString title = {}, QString file = {},
                QString reason = {})
        : number(number), description(std::move(description)), title(std::move(title)),
          file(std::move(file)), reason(std::move(reason)) {}

    // A failure of one of the program's numbered kinds, about `file`, for `reason`.
    static ExportError of(const MessageTexts::ErrorCode& code, QString file = {},
                          QString reason = {}) {
        return {code.number, code.description, {}, std::move(file), std::move(reason)};
    }

    int number = 0;
    QString description;
    QString title;  // the title whose file it is
    QString file;   // the file that could not be written
    QString reason; // the system's reason: "No space left on device", "Permission denied"

    // "Error 76 (Path not found) occured." CR LF CR LF "What do you want to do?", then the
    // "Title: ", "File: " and "Reason: " lines of what is known.
    Message message() const;

    friend bool operator==(const ExportError&, const ExportError&) = default;
};
