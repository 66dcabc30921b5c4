// SPDX-License-Identifier: GPL-3.0-or-later
// The indexes of the catalogue files, kept between lookups and checked against each file's size
// and modification time at every use, so that a file the catalogue program rewrote is read
// again. A large file can be indexed ahead, on a worker thread, while the user looks at the
// list: its first lookup then takes that index, waiting for it if it is not done yet, and checks
// it like any other.
#pragma once

#include "RecordIndex.h"
#include "platform/Failure.h"

#include <QDateTime>
#include <QFuture>
#include <QHash>
#include <QThreadPool>
#include <memory>
#include <optional>

class QFileInfo;

class CatalogueIndex {
public:
    struct Lookup {
        std::shared_ptr<const RecordIndex> index; // null when the file could not be read
        std::optional<Failure> failure;
    };

    // The size from which a file is worth a worker thread: a smaller one is indexed at its first
    // lookup in a few milliseconds.
    static constexpr qint64 kAheadFrom = qint64(1) << 20;

    // The index of `path`, built or rebuilt as needed; a failure names `fileLabel`.
    Lookup get(const QString& path, RecordSteps::FileKind kind, const QString& fileLabel);

    // Starts indexing `path`, its hash table included, on a worker thread, unless the file has
    // fewer than `from` bytes or such a build is under way already. An index that is current
    // only has its hash table built there.
    void prepare(const QString& path, RecordSteps::FileKind kind, const QString& fileLabel,
                 qint64 from = kAheadFrom);
    // False while a build that prepare() started for `path` is running or waiting to run.
    bool ready(const QString& path) const {
        const auto it = ahead_.constFind(path);
        return it == ahead_.constEnd() || it->isFinished();
    }

    // The threads that build ahead.
    QThreadPool& workers() { return pool_; }

    // The index of `path` as last built, without a look at the file: for hints only.
    std::shared_ptr<const RecordIndex> built(const QString& path) const {
        const auto it = entries_.constFind(path);
        return it == entries_.constEnd() ? nullptr : it->index;
    }

    // Forgets every index (another database was opened). Builds under way run to their end and
    // are thrown away; those not started yet never start.
    void clear();

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
    // A file read and indexed, with the size and time it had before the read; or why it could
    // not be.
    struct Read {
        qint64 size = -1;
        QDateTime modified;
        std::shared_ptr<const RecordIndex> index;
        std::optional<Failure> failure;
    };
    // Safe on any thread: it touches nothing but the file and what it returns.
    static Read read(const QString& path, const QFileInfo& info, RecordSteps::FileKind kind,
                     const QString& fileLabel);

    QHash<QString, Entry> entries_;
    QHash<QString, QFuture<Read>> ahead_; // builds prepare() started that no lookup took yet
    int pins_ = 0;
    quint64 walk_ = 0;
    // Last, so that it goes first: its end waits for the builds running on it.
    QThreadPool pool_;
};
