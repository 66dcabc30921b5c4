// A failure while reading a catalogue file: the error number and description the user sees in
// the "Critical Error" box, and the file name that box names.
#pragma once

#include "platform/Message.h"
#include "platform/MessageTexts.h"

#include <QString>

struct ReadFailure {
    int number = 0;
    QString description;
    QString file; // as named in the message: "reelkeep.dat", "imdb.dat", "history.dat", ...

    static ReadFailure fileNotFound(const QString& file) {
        return of(MessageTexts::kFileNotFound, file);
    }
    static ReadFailure accessError(const QString& file) {
        return of(MessageTexts::kAccessError, file);
    }
    static ReadFailure ioError(const QString& file) { return of(MessageTexts::kIoError, file); }
    // A record too short to frame, or one that runs out of fields.
    static ReadFailure badRecord(const QString& file) {
        return {5, QStringLiteral("Invalid procedure call or argument"), file};
    }

    static ReadFailure of(const MessageTexts::ErrorCode& code, const QString& file) {
        return {code.number, code.description, file};
    }

    Message message() const;

    friend bool operator==(const ReadFailure&, const ReadFailure&) = default;
};
