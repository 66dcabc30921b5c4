// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the thumbnails a view asks for on worker threads, never on the caller's: each is taken
// from the disk cache, or read, decoded at its size and stored there. The view says which it
// wants, most wanted first, as often as what it shows changes; covers no longer wanted are
// dropped from the queue. Finished thumbnails are kept in a memory cache bounded in bytes. Used
// from one thread, the one it lives on; `ready` is sent there.
#pragma once

#include "ThumbnailDiskCache.h"

#include <QCache>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <QThreadPool>
#include <deque>
#include <optional>

class ThumbnailLoader : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 kDefaultMemoryBytes = qint64(64) << 20;

    // Thumbnails stored in `diskFolder`; at most `memoryBytes` of them kept in memory.
    explicit ThumbnailLoader(const QString& diskFolder, QObject* parent = nullptr,
                             qint64 memoryBytes = kDefaultMemoryBytes);
    // Drops the queue and waits for the thumbnails being made.
    ~ThumbnailLoader() override;

    // The thumbnail of the cover in `path` for `box`, once made: a null image for a cover that
    // could not be read. nullopt while it is not made yet.
    std::optional<QImage> find(const QString& path, const QSize& box) const;
    // Replaces the queue with the covers in `paths`, scaled into `box`, those wanted most first.
    // Covers made already, or being made, are not queued again.
    void want(const QStringList& paths, const QSize& box);
    // Forgets the thumbnails held in memory: the covers may have changed on disk.
    void forget();

    // Covers queued or being made.
    int pending() const;
    QThreadPool& workers() { return pool_; }
    ThumbnailDiskCache& disk() { return disk_; }

Q_SIGNALS:
    // The thumbnail of `path` for `box` is made (or the cover found unreadable).
    void ready(const QString& path, const QSize& box);

private:
    struct Job {
        QString path;
        QSize box;
    };
    static QString keyOf(const QString& path, const QSize& box);
    void startWorkers();
    void work();
    void deliver(const Job& job, const QImage& image);

    ThumbnailDiskCache disk_;
    QCache<QString, QImage> memory_; // costs in bytes
    mutable QMutex mutex_;           // the queue and the set being made
    std::deque<Job> queue_;
    QSet<QString> making_;
    int running_ = 0; // workers started and not yet returned
    // Last, so that it goes first: its end waits for the workers.
    QThreadPool pool_;
};
