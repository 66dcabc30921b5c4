// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program shows in a message box or status bar, word for word, in one place:
// the numbered failures and the messages they make are here too. Spelling is the original
// program's and is kept: users and scripts recognise these texts.
#pragma once

#include "Failure.h"
#include "Message.h"

#include <QCoreApplication>
#include <QString>

namespace MessageTexts {

// A text of this file in the user's language. The viewer installs a translation; reelkeep-cli
// installs none, so what scripts read stays English. The fixed texts below are marked for the
// translation and looked up where they are shown; the composed ones are translated as composed.
inline QString shown(const QString& english) {
    return QCoreApplication::translate("MessageTexts", english.toUtf8().constData());
}

// A failure's description in the user's language: the number's own words and, after ": ", the
// detail, each translated where the translation knows it, then its value filled in.
inline QString shownDescription(const QString& description, const QString& value = {}) {
    const qsizetype colon = description.indexOf(QLatin1String(": "));
    const QString shownText = colon < 0 ? shown(description)
                                        : shown(description.left(colon)) + QLatin1String(": ") +
                                              shown(description.mid(colon + 2));
    return value.isNull() ? shownText : shownText.arg(value);
}
inline QString shownDescription(const Failure& failure) {
    return shownDescription(failure.description, failure.value);
}

inline const QString kCriticalErrorTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Critical Error"));
inline const QString kWrongFormatTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Wrong format"));
inline const QString kWrongFormatText =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Unrecognized fileformat!"));
inline const QString kNoGoodTitle = QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "No Good!"));
inline const QString kCantFindDatabase =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Can't find database, exitting"));
inline const QString kFindDatabaseTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Find Reelkeep database (reelkeep.dat)"));
inline const QString kEntriesLoaded =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", " entries loaded."));
// Ours: the find box found no title holding its text.
inline const QString kNotFound = QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Not found"));

// The failures the program names by number, as the original program numbered them.
struct ErrorCode {
    int number;
    QString description;
    QString value = {}; // fills the "%1" of the description when shown, so both translate apart

    // The same failure told more exactly: "Bad file name: the title has no index".
    ErrorCode because(const QString& detail, const QString& detailValue = {}) const {
        return {number, description + QStringLiteral(": ") + detail, detailValue};
    }
    Failure at(const QString& file = {}, const QString& reason = {}) const {
        return {number, description, value, file, {}, reason};
    }
};
inline const ErrorCode kBadRecord{
    5, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Invalid procedure call or argument"))};
inline const ErrorCode kInternalError{
    51, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Internal error"))};
inline const ErrorCode kBadFileName{
    52, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Bad file name"))};
inline const ErrorCode kFileNotFound{
    53, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "File not found"))};
inline const ErrorCode kIoError{
    57, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Device I/O error"))};
inline const ErrorCode kAccessError{
    75, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Path/File access error"))};
inline const ErrorCode kPathNotFound{
    76, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Path not found"))};
inline const ErrorCode kTimeout{286, QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Timeout"))};

// Ours: what made an export or a MediaInfo run fail, after the number's own description.
inline const ErrorCode kNoIndex = kBadFileName.because(
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "the title has no index")));
inline ErrorCode notPlainIndex(const QString& shownIdx) {
    return kBadFileName.because(QStringLiteral(QT_TRANSLATE_NOOP(
                                    "MessageTexts", "the index \"%1\" is not a plain file name")),
                                shownIdx);
}
inline const ErrorCode kNoExportPath = kPathNotFound.because(
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "no export path is set")));
inline ErrorCode wouldReplaceMedia(const QString& mediaFile) {
    return {58,
            QStringLiteral(
                QT_TRANSLATE_NOOP("MessageTexts", "The document would replace the media file %1")),
            mediaFile};
}
inline const ErrorCode kMediaInfoNotStarted = kAccessError.because(
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "MediaInfo could not be started")));
inline ErrorCode mediaInfoTimedOut(double seconds) {
    return kTimeout.because(
        QStringLiteral(QT_TRANSLATE_NOOP(
            "MessageTexts", "MediaInfo did not end within %1 seconds and was stopped")),
        QString::number(seconds));
}
inline const ErrorCode kMediaInfoCrashed =
    kInternalError.because(QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "MediaInfo crashed")));
inline ErrorCode mediaInfoNoReport(int exitCode) {
    return kIoError.because(QStringLiteral(QT_TRANSLATE_NOOP(
                                "MessageTexts", "MediaInfo ended with exit code %1 and no report")),
                            QString::number(exitCode));
}
inline const ErrorCode kReportNotSaved = kAccessError.because(
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "the report could not be saved")));

inline const QString kErrorChoiceTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "An error occured"));
inline const QString kPartsPrompt =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "How many parts?"));
inline const QString kPartsTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Parts is zero"));
inline const QString kMediaFileFilter = QStringLiteral(
    "All Files (*.*)|*.*|Supported Media Files|*.MKV;*.MKA;*.MKS;*.OGG;*.OGM;*.AVI;*.WAV;*.MPG;"
    "*.MPE;*.MPEG;*.VOB;*.MPV;*.MP2;*.MP3;*.AC3,*.DTS;*.IFO;*.ASF;*.WMV;*.WMA;*.QT;*.MOV;*.RA;"
    "*.RM;*.RV;*.RMVB;*.CUE;*.ISO;*.NRG");
inline const QString kCopyFailedTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Copy failed"));
inline const QString kCopyFailedText =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Failed to copy picture?"));
inline const QString kMmdWrittenTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "MMD-files written"));
inline const QString kMmdWrittenText =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Success!\r\nJove files written"));
inline const QString kBatchQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "About to run Jove Batch Export, Ok?"));
inline const QString kBatchQuestionTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Jove Batch Export"));
inline const QString kBatchDone = QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Done!"));
inline const QString kBatchDoneTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Jove Batch"));

// The error choice's buttons, left to right.
inline const QString kAbortButton = QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Abort"));
inline const QString kRetryButton = QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Retry"));
inline const QString kIgnoreButton = QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Ignore"));
inline const QString kIgnoreAllButton =
    QStringLiteral(QT_TRANSLATE_NOOP("MessageTexts", "Ignore All"));

// The status bar after a batch: "12 documents written, 1 failed."
inline QString batchStatus(int written, int failed) {
    return QCoreApplication::translate("MessageTexts", "%1 documents written, %2 failed.")
        .arg(written)
        .arg(failed);
}

// Ours: the settings store could not keep a value; `details` names the file.
inline Message settingsNotSaved(const QString& details = {}) {
    return {Message::Icon::Critical, QCoreApplication::translate("MessageTexts", "Settings"),
            QCoreApplication::translate(
                "MessageTexts", "The settings could not be saved: their file cannot be written."),
            details};
}

// Ours: a settings file that could not be read was replaced when settings were saved.
inline Message settingsReplaced(const QString& details = {}) {
    return {Message::Icon::Exclamation, QCoreApplication::translate("MessageTexts", "Settings"),
            QCoreApplication::translate(
                "MessageTexts", "The settings file could not be read, so it was replaced by a new "
                                "one. The settings just saved are kept; whatever else it held that "
                                "could not be read is lost."),
            details};
}

// Ours: the viewer's argument names no catalogue; the start goes on with the saved one.
inline Message notACatalogue(const QString& argument) {
    return {
        Message::Icon::Exclamation, QCoreApplication::translate("MessageTexts", "Reelkeep Viewer"),
        QCoreApplication::translate(
            "MessageTexts", "\"%1\" is neither a Reelkeep catalogue (reelkeep.dat) nor a folder "
                            "holding one. The catalogue saved last opens instead.")
            .arg(argument)};
}

// What --version prints: the program, its version and its licence.
inline QString versionText(const char* program) {
    return QStringLiteral("%1 " RKV_VERSION "\n"
                          "Licence: GPL-3.0-or-later <https://www.gnu.org/licenses/gpl-3.0.html>\n"
                          "This is free software: you are free to change and pass it on. There "
                          "is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QLatin1String(program));
}

// "Select media file, part 2."
inline QString mediaFileTitle(int part) {
    return QCoreApplication::translate("MessageTexts", "Select media file, part %1.").arg(part);
}

// "Error 76 (Path not found) occured." CR LF CR LF "What do you want to do?"
inline QString errorChoiceText(int number, const QString& description) {
    return QCoreApplication::translate("MessageTexts",
                                       "Error %1 (%2) occured.\r\n\r\nWhat do you want to do?")
        .arg(number)
        .arg(description);
}

// "Error 53 (File not found) " CR LF "when reading history.dat"
inline QString criticalErrorText(int number, const QString& description, const QString& file) {
    return QCoreApplication::translate("MessageTexts", "Error %1 (%2) \r\nwhen reading %3")
        .arg(number)
        .arg(description, file);
}

// The box of a catalogue file that cannot be read.
inline Message criticalError(const Failure& failure) {
    return {Message::Icon::Critical, kCriticalErrorTitle,
            criticalErrorText(failure.number, shownDescription(failure), failure.file)};
}

// The error choice of an export step: its long-standing text, then the "Title: ", "File: " and
// "Reason: " lines of what is known.
inline Message errorChoice(const Failure& failure) {
    return {Message::Icon::Exclamation, kErrorChoiceTitle,
            errorChoiceText(failure.number, shownDescription(failure)),
            FailureDetails(failure.title, failure.file, failure.reason)};
}

// The Media Info window's error choice: "Error: 75 (Path/File access error: ...)" CR LF CR LF
// "What do you want to do?", without an icon.
inline Message mediaInfoErrorChoice(const Failure& failure) {
    return {
        Message::Icon::None, kErrorChoiceTitle,
        QCoreApplication::translate("MessageTexts", "Error: %1 (%2)\r\n\r\nWhat do you want to do?")
            .arg(QString::number(failure.number), shownDescription(failure)),
        FailureDetails(failure.title, failure.file, failure.reason)};
}

} // namespace MessageTexts
