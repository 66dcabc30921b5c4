// SPDX-License-Identifier: GPL-3.0-or-later
// The indexes of the catalogue files, kept between lookups and checked against each file's size
// and modification time at every use, so that a file the catalogue program rewrote is read
// again.
#pragma once

#include "RecordIndex.h"
#include "platform/Failure.h"

#include <QDateTime>
#include <QHash>
#include <memory>
#include <optional>

class CatalogueIndex {
public:
    struct Lookup {
        std::shared_ptr<const RecordIndex> index; // null when the file could not be read
        std::optional<Failure> failure;
    };

    // The index of `path`, built or rebuilt as needed; a failure names `fileLabel`.
    Lookup get(const QString& path, RecordSteps::FileKind kind, const QString& fileLabel);

    // The index of `path` as last built, without a look at the file: for hints only.
    std::shared_ptr<const RecordIndex> built(const QString& path) const {
        const auto it = entries_.constFind(path);
        return it == entries_.constEnd() ? nullptr : it->index;
    }

    // Forgets every index (another database was opened).
    void clear() { entries_.clear(); }

    // While a Pin lives, each file is looked at once, at its first use: a walk over the list
    // sees each file as it was when the walk first read it, never a mix of an old and a new
    // version, and spends no time asking the file system again.
    class Pin {
    public:
        explicit Pin(CatalogueIndex& index) : index_(index) {
            if (index_.pins_++ == 0)
                ++index_.walk_;
        }
        ~Pin() { --index_.pins_; }
        Pin(const Pin&) = delete;
        Pin& operator=(const Pin&) = delete;

    private:
        CatalogueIndex& index_;
    };

private:
    struct Entry {
        qint64 size = -1;
        QDateTime modified;
        std::shared_ptr<const RecordIndex> index;
        quint64 walk = 0; // the walk that last looked at the file
    };
    QHash<QString, Entry> entries_;
    int pins_ = 0;
    quint64 walk_ = 0;
};
