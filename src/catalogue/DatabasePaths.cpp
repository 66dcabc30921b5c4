// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabasePaths.h"

#include "CatalogueFile.h"
#include "FileExists.h"

#include <QDir>
#include <QFileInfo>

bool IsPathSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == u'/' || c == u'\\';
#else
    return c == u'/';
#endif
}

QChar NativeSeparator() {
    return QDir::separator();
}

QString WithClosingSeparator(const QString& folder) {
    if (!folder.isEmpty() && IsPathSeparator(folder.back()))
        return folder;
    return folder + NativeSeparator();
}

std::optional<DatabasePaths> DatabasePaths::fromChosenFile(const QString& fileName) {
    for (qsizetype i = fileName.size() - 1; i >= 0; --i) {
        if (IsPathSeparator(fileName.at(i))) {
            const QString db = fileName.left(i + 1);
            return DatabasePaths{db, db + QStringLiteral("Covers") + NativeSeparator()};
        }
    }
    return std::nullopt;
}

DatabasePaths DatabasePaths::fromFolder(const QString& folder) {
    const QString db = WithClosingSeparator(folder);
    return {db, db + QStringLiteral("Covers") + NativeSeparator()};
}

std::optional<DatabasePaths> DatabasePaths::fromArgument(const QString& argument) {
    if (argument.isEmpty())
        return std::nullopt;
    const QFileInfo given(argument);
    std::optional<DatabasePaths> paths;
    if (given.isDir())
        paths = fromFolder(given.absoluteFilePath());
    else if (given.fileName().compare(CatalogueFile::kTitles, Qt::CaseInsensitive) == 0)
        paths = fromChosenFile(given.absoluteFilePath());
    // The title file is always "reelkeep.dat" in its folder, as the database dialog has it.
    if (paths && CatalogueFileExists(paths->dbPath + CatalogueFile::kTitles))
        return paths;
    return std::nullopt;
}
