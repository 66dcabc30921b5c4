// SPDX-License-Identifier: GPL-3.0-or-later
// Scaled covers kept on disk between sessions, one small image file each, in the user's cache
// folder. A thumbnail is found by its cover's path, size and modification time and by the box
// it was scaled to, so a cover the catalogue program replaced is made again. The files together
// stay within a bound in bytes: past it, the least recently used go. Safe on any thread.
#pragma once

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QString>
#include <optional>

class ThumbnailDiskCache {
public:
    static constexpr qint64 kDefaultBound = qint64(200) << 20;

    // Keeps thumbnails in `folder` (made when missing), pruned to `bound` bytes.
    explicit ThumbnailDiskCache(QString folder, qint64 bound = kDefaultBound);

    // $REELKEEP_CACHE_DIR/covers when that is set (tests, demos); else the "covers" folder in
    // the user's cache folder.
    static QString defaultFolder();

    // The key of the cover in `coverPath` scaled into `box`, from the file as it is now; empty
    // when the path names no regular file.
    static QString keyOf(const QString& coverPath, const QSize& box);

    // The thumbnail stored under `key`, which counts as used now.
    std::optional<QImage> find(const QString& key);
    // Stores `image` under `key`, then prunes the least recently used past the bound.
    void store(const QString& key, const QImage& image);

    // The bytes of every thumbnail this cache knows of.
    qint64 totalBytes();
    const QString& folder() const { return folder_; }

private:
    struct Entry {
        qint64 bytes = 0;
        qint64 used = 0; // milliseconds since the epoch; the file's modification time
    };
    // The folder's files, read at the first use rather than at start-up.
    void scan();
    void prune();
    qint64 tick();
    QString pathOf(const QString& key) const;

    QString folder_;
    qint64 bound_;
    QMutex mutex_;
    bool scanned_ = false;
    QHash<QString, Entry> entries_;
    qint64 total_ = 0;
    qint64 last_ = 0; // the latest use
};
