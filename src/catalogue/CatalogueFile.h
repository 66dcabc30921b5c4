// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one catalogue file whole and decoding it. The catalogue belongs to another program:
// files are only ever opened for reading.
#pragma once

#include "platform/Failure.h"

#include <QString>
#include <optional>

namespace CatalogueFile {

inline const QString kTitles = QStringLiteral("reelkeep.dat");
inline const QString kImdb = QStringLiteral("imdb.dat");
inline const QString kMedia = QStringLiteral("media.dat");
inline const QString kHistory = QStringLiteral("History.dat");

struct Contents {
    QString text;
    std::optional<Failure> failure; // set when the file could not be opened or read
};

// Reads `path`; a failure names `fileLabel`, the name the user is shown.
Contents read(const QString& path, const QString& fileLabel);

} // namespace CatalogueFile
