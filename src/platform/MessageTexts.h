// Every text the program shows in a message box or status bar, word for word, in one place:
// the numbered failures and the messages they make are here too. Spelling is the original
// program's and is kept: users and scripts recognise these texts.
#pragma once

#include "Failure.h"
#include "Message.h"

#include <QString>

namespace MessageTexts {

inline const QString kCriticalErrorTitle = QStringLiteral("Critical Error");
inline const QString kWrongFormatTitle = QStringLiteral("Wrong format");
inline const QString kWrongFormatText = QStringLiteral("Unrecognized fileformat!");
inline const QString kNoGoodTitle = QStringLiteral("No Good!");
inline const QString kCantFindDatabase = QStringLiteral("Can't find database, exitting");
inline const QString kFindDatabaseTitle = QStringLiteral("Find Reelkeep database (reelkeep.dat)");
inline const QString kEntriesLoaded = QStringLiteral(" entries loaded.");
// Ours: the find box found no title holding its text.
inline const QString kNotFound = QStringLiteral("Not found");

// The failures the program names by number, as the original program numbered them.
struct ErrorCode {
    int number;
    QString description;

    // The same failure told more exactly: "Bad file name: the title has no index".
    ErrorCode because(const QString& detail) const {
        return {number, description + QStringLiteral(": ") + detail};
    }
    Failure at(const QString& file = {}, const QString& reason = {}) const {
        return {number, description, file, {}, reason};
    }
};
inline const ErrorCode kBadRecord{5, QStringLiteral("Invalid procedure call or argument")};
inline const ErrorCode kInternalError{51, QStringLiteral("Internal error")};
inline const ErrorCode kBadFileName{52, QStringLiteral("Bad file name")};
inline const ErrorCode kFileNotFound{53, QStringLiteral("File not found")};
inline const ErrorCode kIoError{57, QStringLiteral("Device I/O error")};
inline const ErrorCode kAccessError{75, QStringLiteral("Path/File access error")};
inline const ErrorCode kPathNotFound{76, QStringLiteral("Path not found")};
inline const ErrorCode kTimeout{286, QStringLiteral("Timeout")};

// Ours: what made an export or a MediaInfo run fail, after the number's own description.
inline const ErrorCode kNoIndex = kBadFileName.because(QStringLiteral("the title has no index"));
inline ErrorCode notPlainIndex(const QString& shownIdx) {
    return kBadFileName.because(
        QStringLiteral("the index \"%1\" is not a plain file name").arg(shownIdx));
}
inline const ErrorCode kNoExportPath =
    kPathNotFound.because(QStringLiteral("no export path is set"));
inline ErrorCode wouldReplaceMedia(const QString& mediaFile) {
    return {58, QStringLiteral("The document would replace the media file %1").arg(mediaFile)};
}
inline const ErrorCode kMediaInfoNotStarted =
    kAccessError.because(QStringLiteral("MediaInfo could not be started"));
inline ErrorCode mediaInfoTimedOut(double seconds) {
    return kTimeout.because(
        QStringLiteral("MediaInfo did not end within %1 seconds and was stopped").arg(seconds));
}
inline const ErrorCode kMediaInfoCrashed =
    kInternalError.because(QStringLiteral("MediaInfo crashed"));
inline ErrorCode mediaInfoNoReport(int exitCode) {
    return kIoError.because(
        QStringLiteral("MediaInfo ended with exit code %1 and no report").arg(exitCode));
}
inline const ErrorCode kReportNotSaved =
    kAccessError.because(QStringLiteral("the report could not be saved"));

inline const QString kErrorChoiceTitle = QStringLiteral("An error occured");
inline const QString kPartsPrompt = QStringLiteral("How many parts?");
inline const QString kPartsTitle = QStringLiteral("Parts is zero");
inline const QString kMediaFileFilter = QStringLiteral(
    "All Files (*.*)|*.*|Supported Media Files|*.MKV;*.MKA;*.MKS;*.OGG;*.OGM;*.AVI;*.WAV;*.MPG;"
    "*.MPE;*.MPEG;*.VOB;*.MPV;*.MP2;*.MP3;*.AC3,*.DTS;*.IFO;*.ASF;*.WMV;*.WMA;*.QT;*.MOV;*.RA;"
    "*.RM;*.RV;*.RMVB;*.CUE;*.ISO;*.NRG");
inline const QString kCopyFailedTitle = QStringLiteral("Copy failed");
inline const QString kCopyFailedText = QStringLiteral("Failed to copy picture?");
inline const QString kMmdWrittenTitle = QStringLiteral("MMD-files written");
inline const QString kMmdWrittenText = QStringLiteral("Success!\r\nJove files written");
inline const QString kBatchQuestion = QStringLiteral("About to run Jove Batch Export, Ok?");
inline const QString kBatchQuestionTitle = QStringLiteral("Jove Batch Export");
inline const QString kBatchDone = QStringLiteral("Done!");
inline const QString kBatchDoneTitle = QStringLiteral("Jove Batch");

// The error choice's buttons, left to right.
inline const QString kAbortButton = QStringLiteral("Abort");
inline const QString kRetryButton = QStringLiteral("Retry");
inline const QString kIgnoreButton = QStringLiteral("Ignore");
inline const QString kIgnoreAllButton = QStringLiteral("Ignore All");

// The status bar after a batch: "12 documents written, 1 failed."
inline QString batchStatus(int written, int failed) {
    return QStringLiteral("%1 documents written, %2 failed.").arg(written).arg(failed);
}

// Ours: the settings store could not keep a value; `details` names the file.
inline Message settingsNotSaved(const QString& details = {}) {
    return {Message::Icon::Critical, QStringLiteral("Settings"),
            QStringLiteral("The settings could not be saved: their file cannot be written."),
            details};
}

// Ours: a settings file that could not be read was replaced when settings were saved.
inline Message settingsReplaced(const QString& details = {}) {
    return {Message::Icon::Exclamation, QStringLiteral("Settings"),
            QStringLiteral("The settings file could not be read, so it was replaced by a new "
                           "one. The settings just saved are kept; whatever else it held that "
                           "could not be read is lost."),
            details};
}

// Ours: the viewer's argument names no catalogue; the start goes on with the saved one.
inline Message notACatalogue(const QString& argument) {
    return {Message::Icon::Exclamation, QStringLiteral("Reelkeep Viewer"),
            QStringLiteral("\"%1\" is neither a Reelkeep catalogue (reelkeep.dat) nor a folder "
                           "holding one. The catalogue saved last opens instead.")
                .arg(argument)};
}

// "Select media file, part 2."
inline QString mediaFileTitle(int part) {
    return QStringLiteral("Select media file, part %1.").arg(part);
}

// "Error 76 (Path not found) occured." CR LF CR LF "What do you want to do?"
inline QString errorChoiceText(int number, const QString& description) {
    return QStringLiteral("Error %1 (%2) occured.\r\n\r\nWhat do you want to do?")
        .arg(number)
        .arg(description);
}

// "Error 53 (File not found) " CR LF "when reading history.dat"
inline QString criticalErrorText(int number, const QString& description, const QString& file) {
    return QStringLiteral("Error %1 (%2) \r\nwhen reading %3").arg(number).arg(description, file);
}

// The box of a catalogue file that cannot be read.
inline Message criticalError(const Failure& failure) {
    return {Message::Icon::Critical, kCriticalErrorTitle,
            criticalErrorText(failure.number, failure.description, failure.file)};
}

// The error choice of an export step: its long-standing text, then the "Title: ", "File: " and
// "Reason: " lines of what is known.
inline Message errorChoice(const Failure& failure) {
    return {Message::Icon::Exclamation, kErrorChoiceTitle,
            errorChoiceText(failure.number, failure.description),
            FailureDetails(failure.title, failure.file, failure.reason)};
}

// The Media Info window's error choice: "Error: 75 (Path/File access error: ...)" CR LF CR LF
// "What do you want to do?", without an icon.
inline Message mediaInfoErrorChoice(const Failure& failure) {
    return {Message::Icon::None, kErrorChoiceTitle,
            QStringLiteral("Error: %1 (%2)\r\n\r\nWhat do you want to do?")
                .arg(QString::number(failure.number), failure.description),
            FailureDetails(failure.title, failure.file, failure.reason)};
}

} // namespace MessageTexts
