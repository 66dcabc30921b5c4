// Every text the program shows in a message box or status bar, word for word, in one place.
// Spelling is the original program's and is kept: users and scripts recognise these texts.
#pragma once

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

// The failures the program names by number, as the original program numbered them.
struct ErrorCode {
    int number;
    QString description;
};
inline const ErrorCode kBadFileName{52, QStringLiteral("Bad file name")};
inline const ErrorCode kFileNotFound{53, QStringLiteral("File not found")};
inline const ErrorCode kIoError{57, QStringLiteral("Device I/O error")};
inline const ErrorCode kAccessError{75, QStringLiteral("Path/File access error")};
inline const ErrorCode kPathNotFound{76, QStringLiteral("Path not found")};

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

} // namespace MessageTexts
