// SPDX-License-Identifier: GPL-3.0-or-later
// Counts a title list by every dimension at once, in one walk that reads each title's records
// once from snapshots of the catalogue's indexes, so that it may run on a worker thread.
#pragma once

#include "CollectionFigures.h"
#include "FigureDimension.h"
#include "catalogue/CatalogueIndex.h"
#include "catalogue/CurrentTitle.h"
#include "catalogue/ReaderResult.h"
#include "catalogue/TitleKeys.h"
#include "platform/Progress.h"

#include <QString>
#include <atomic>
#include <memory>

class CollectionStats {
public:
    // Takes snapshots of the four files' indexes through `index`: call on the thread that owns
    // it (the GUI thread in the viewer). `genreSource` is Preferences::GenreSource.
    CollectionStats(CatalogueIndex& index, const QString& dbPath, const QString& genreSource);
    // Safe on any thread, once the constructor returned. `progress` (may be null) is called on
    // the calling thread: start(n), step(i) every so often, finish(). `cancel` (may be null) is
    // polled while walking.
    CollectionFigures compute(const TitleKeys& titles, Progress* progress = nullptr,
                              const std::atomic<bool>* cancel = nullptr) const;
    // Whether a title read in full falls under `value` of `dimension`, exactly as compute()
    // counts it (the filter's figure criterion uses this).
    static bool fallsUnder(const CurrentTitle& title, FigureDimension dimension,
                           const QString& value, const QString& genreSource);

private:
    // One file's index as the constructor found it, or what a lookup in it answers when there
    // is none: the reader's failure, or nothing for an absent file the reader passes over.
    struct Snapshot {
        std::shared_ptr<const RecordIndex> index;
        ReaderResult without;
    };
    // The title, IMDB and history files; no figure counts by a media fact.
    Snapshot title_, imdb_, history_;
    QString genreSource_;
};
