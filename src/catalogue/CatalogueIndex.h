// The indexes of the catalogue files, kept between lookups and checked against each file's size
// and modification time at every use, so that a file the catalogue program rewrote is read
// again.
#pragma once

#include "ReadFailure.h"
#include "RecordIndex.h"

#include <QDateTime>
#include <QHash>
#include <memory>
#include <optional>

class CatalogueIndex {
public:
    struct Lookup {
        std::shared_ptr<const RecordIndex> index; // null when the file could not be read
        std::optional<ReadFailure> failure;
    };

    // The index of `path`, built or rebuilt as needed; a failure names `fileLabel`.
    Lookup get(const QString& path, RecordSteps::FileKind kind, const QString& fileLabel);

    // Forgets every index (another database was opened).
    void clear() { entries_.clear(); }

private:
    struct Entry {
        qint64 size = -1;
        QDateTime modified;
        std::shared_ptr<const RecordIndex> index;
    };
    QHash<QString, Entry> entries_;
};
