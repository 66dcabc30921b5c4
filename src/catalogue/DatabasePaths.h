// SPDX-License-Identifier: GPL-3.0-or-later
// Where the catalogue lives: DBPath for the four files, CoverPath for the pictures. Both end with
// a separator so that file names are appended directly.
#pragma once

#include <QString>
#include <optional>

struct DatabasePaths {
    QString dbPath;
    QString coverPath;

    // The folder of a chosen file (up to and including its last separator) and its "Covers"
    // subfolder; nullopt when the name holds no separator.
    static std::optional<DatabasePaths> fromChosenFile(const QString& fileName);
    // A folder given on a command line; a closing separator is added when missing.
    static DatabasePaths fromFolder(const QString& folder);
    // The viewer's argument: a title file ("reelkeep.dat") or the folder holding one, made
    // absolute; nullopt when it is neither.
    static std::optional<DatabasePaths> fromArgument(const QString& argument);

    friend bool operator==(const DatabasePaths&, const DatabasePaths&) = default;
};

// "/" everywhere, and "\" too on Windows.
bool IsPathSeparator(QChar c);
// The native separator that closes folder texts.
QChar NativeSeparator();
// The folder text with a closing separator.
QString WithClosingSeparator(const QString& folder);
