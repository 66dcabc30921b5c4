// A failure while reading a catalogue file: the error number and description the user sees in
// the "Critical Error" box, and the file name that box names.
#pragma once

#include "platform/Message.h"

#include <QString>

struct ReadFailure {
    int number = 0;
    QString description;
    QString file; // as named in the message: "reelkeep.dat", "imdb.dat", "history.dat", ...

    static ReadFailure fileNotFound(const QString& file) {
        return {53, QStringLiteral("File not found"), file};
    }
    static ReadFailure accessError(const QString& file) {
        return {75, QStringLiteral("Path/File access error"), file};
    }
    static ReadFailure ioError(const QString& file) {
        return {57, QStringLiteral("Device I/O error"), file};
    }
    // A record too short to frame, or one that runs out of fields.
    static ReadFailure badRecord(const QString& file) {
        return {5, QStringLiteral("Invalid procedure call or argument"), file};
    }

    Message message() const;

    friend bool operator==(const ReadFailure&, const ReadFailure&) = default;
};
