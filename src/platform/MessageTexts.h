// Every text the program shows in a message box or status bar, word for word, in one place.
// Spelling is the original program's and is kept: users and scripts recognise these texts.
#pragma once

#include <QString>

namespace MessageTexts {

inline const QString kCriticalErrorTitle = QStringLiteral("Critical Error");
inline const QString kWrongFormatTitle = QStringLiteral("Wrong format");
inline const QString kWrongFormatText = QStringLiteral("Unrecognized fileformat!");
inline const QString kNoGoodTitle = QStringLiteral("No Good!");
inline const QString kCantFindDatabase = QStringLiteral("Can't find database, exitting");
inline const QString kFindDatabaseTitle = QStringLiteral("Find Reelkeep database (reelkeep.dat)");
inline const QString kEntriesLoaded = QStringLiteral(" entries loaded.");

// "Error 53 (File not found) " CR LF "when reading history.dat"
inline QString criticalErrorText(int number, const QString& description, const QString& file) {
    return QStringLiteral("Error %1 (%2) \r\nwhen reading %3").arg(number).arg(description, file);
}

} // namespace MessageTexts
