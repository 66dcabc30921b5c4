// A step of an export that failed: what the error choice dialog names, and below its
// long-standing text which title, which file and the system's reason, where known.
#pragma once

#include "platform/Message.h"

#include <QString>

struct ExportError {
    ExportError(int number = 0, QString description = {}, QString title = {}, QString file = {},
                QString reason = {})
        : number(number), description(std::move(description)), title(std::move(title)),
          file(std::move(file)), reason(std::move(reason)) {}

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

// "Title: ", "File: " and "Reason: " lines of what is known, for the message's details.
QString FailureDetails(const QString& title, const QString& file, const QString& reason);

// A path or name as a person can read it: control characters, NUL included, shown as their
// pictures (U+2400...), since the system would cut a name at a NUL.
QString VisibleName(const QString& name);
