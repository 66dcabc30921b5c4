// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThumbnailLoader.h"

#include "ScaledCover.h"

#include <QMutexLocker>

ThumbnailLoader::ThumbnailLoader(const QString& diskFolder, QObject* parent, qint64 memoryBytes)
    : QObject(parent), disk_(diskFolder), memory_(memoryBytes) {}

ThumbnailLoader::~ThumbnailLoader() {
    {
        const QMutexLocker lock(&mutex_);
        queue_.clear();
    }
    pool_.waitForDone();
}

QString ThumbnailLoader::keyOf(const QString& path, const QSize& box) {
    return QStringLiteral("%1x%2 ").arg(box.width()).arg(box.height()) + path;
}

std::optional<QImage> ThumbnailLoader::find(const QString& path, const QSize& box) const {
    if (const QImage* image = memory_.object(keyOf(path, box)))
        return *image;
    return std::nullopt;
}

void ThumbnailLoader::want(const QStringList& paths, const QSize& box) {
    {
        const QMutexLocker lock(&mutex_);
        queue_.clear();
        QSet<QString> queued;
        for (const QString& path : paths) {
            const QString key = keyOf(path, box);
            if (path.isEmpty() || memory_.contains(key) || making_.contains(key) ||
                queued.contains(key))
                continue;
            queued.insert(key);
            queue_.push_back({path, box});
        }
    }
    startWorkers();
}

void ThumbnailLoader::forget() {
    memory_.clear();
}

int ThumbnailLoader::pending() const {
    const QMutexLocker lock(&mutex_);
    return int(queue_.size()) + int(making_.size());
}

void ThumbnailLoader::startWorkers() {
    const QMutexLocker lock(&mutex_);
    // One worker per queued cover, up to the pool's size; each takes covers until none is left.
    while (running_ < pool_.maxThreadCount() && running_ < int(queue_.size())) {
        ++running_;
        pool_.start([this] { work(); });
    }
}

void ThumbnailLoader::work() {
    for (;;) {
        Job job;
        {
            const QMutexLocker lock(&mutex_);
            if (queue_.empty()) {
                --running_;
                return;
            }
            job = std::move(queue_.front());
            queue_.pop_front();
            making_.insert(keyOf(job.path, job.box));
        }
        const QString diskKey = ThumbnailDiskCache::keyOf(job.path, job.box);
        QImage image;
        if (!diskKey.isEmpty()) {
            if (std::optional<QImage> stored = disk_.find(diskKey)) {
                image = std::move(*stored);
            } else {
                image = ScaledCover(job.path, job.box);
                disk_.store(diskKey, image);
            }
        }
        // Handed over on our thread; dropped with the loader if it is gone by then.
        QMetaObject::invokeMethod(
            this, [this, job, image] { deliver(job, image); }, Qt::QueuedConnection);
    }
}

void ThumbnailLoader::deliver(const Job& job, const QImage& image) {
    const QString key = keyOf(job.path, job.box);
    {
        const QMutexLocker lock(&mutex_);
        making_.remove(key);
    }
    memory_.insert(key, new QImage(image), std::max<qint64>(image.sizeInBytes(), 64));
    Q_EMIT ready(job.path, job.box);
}
