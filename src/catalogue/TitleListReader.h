// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the title list out of the title file: one entry per record, in file order, duplicates
// kept. The list is the key into all four files, so it is never sorted or trimmed.
#pragma once

#include "TitleKeys.h"
#include "platform/Failure.h"

#include <QString>
#include <optional>

struct TitleList {
    enum class Outcome {
        Loaded,  // every record read
        Stopped, // a record without "|" ended the load silently
        Failed,  // a read failure ended it; `failure` says which
        Missing, // no title file in the folder: the user is asked for the database
    };

    Outcome outcome = Outcome::Missing;
    TitleKeys titles;
    std::optional<Failure> failure;

    // "1234 entries loaded." after a complete load; empty otherwise (the status bar keeps its
    // text).
    QString statusText() const;
};

class CatalogueIndex;

// Reads DBPath + "reelkeep.dat". Titles read before a failure are kept. With an index, the file
// is read once for the list and for every later lookup of a title.
TitleList ReadTitleList(const QString& dbPath, CatalogueIndex* index = nullptr);
