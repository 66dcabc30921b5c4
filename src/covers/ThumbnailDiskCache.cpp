// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThumbnailDiskCache.h"

#include "platform/RegularFile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

// Our files' names: 40 hex digits and this ending, so that nothing else in the folder is
// counted or pruned.
const QString kEnding = QStringLiteral(".thumb");

} // namespace

qint64 ThumbnailDiskCache::tick() {
    // Strictly increasing: two uses within a millisecond still prune in their order.
    last_ = std::max(QDateTime::currentMSecsSinceEpoch(), last_ + 1);
    return last_;
}

ThumbnailDiskCache::ThumbnailDiskCache(QString folder, qint64 bound)
    : folder_(std::move(folder)), bound_(bound) {}

QString ThumbnailDiskCache::defaultFolder() {
    QString base = qEnvironmentVariable("REELKEEP_CACHE_DIR");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return QDir(base).filePath(QStringLiteral("covers"));
}

QString ThumbnailDiskCache::keyOf(const QString& coverPath, const QSize& box) {
    const QFileInfo info(coverPath);
    if (KindOf(coverPath) != PathKind::File)
        return {};
    const QString stamp = QStringLiteral("%1\n%2\n%3\n%4x%5")
                              .arg(coverPath)
                              .arg(info.size())
                              .arg(info.lastModified().toMSecsSinceEpoch())
                              .arg(box.width())
                              .arg(box.height());
    return QString::fromLatin1(
        QCryptographicHash::hash(stamp.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString ThumbnailDiskCache::pathOf(const QString& key) const {
    return folder_ + u'/' + key + kEnding;
}

void ThumbnailDiskCache::scan() {
    if (scanned_)
        return;
    scanned_ = true;
    QDir().mkpath(folder_);
    QDirIterator it(folder_, {u'*' + kEnding}, QDir::Files);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const Entry entry{info.size(), info.lastModified().toMSecsSinceEpoch()};
        entries_.insert(info.completeBaseName(), entry);
        total_ += entry.bytes;
        last_ = std::max(last_, entry.used);
    }
}

std::optional<QImage> ThumbnailDiskCache::find(const QString& key) {
    if (key.isEmpty())
        return std::nullopt;
    {
        const QMutexLocker lock(&mutex_);
        scan();
        if (!entries_.contains(key))
            return std::nullopt;
    }
    RegularFile file(pathOf(key));
    std::optional<QByteArray> bytes = file.readAll(0);
    QImage image;
    if (bytes)
        image.loadFromData(*bytes);
    const QMutexLocker lock(&mutex_);
    if (image.isNull()) { // removed or spoilt behind our back: made again
        total_ -= entries_.value(key).bytes;
        entries_.remove(key);
        QFile::remove(pathOf(key));
        return std::nullopt;
    }
    // The file's time is the use, so that the next session prunes in the same order.
    const auto it = entries_.find(key);
    if (it != entries_.end()) {
        it->used = tick();
        file.file().setFileTime(QDateTime::fromMSecsSinceEpoch(it->used),
                                QFileDevice::FileModificationTime);
    }
    return image;
}

void ThumbnailDiskCache::store(const QString& key, const QImage& image) {
    if (key.isEmpty() || image.isNull())
        return;
    // JPEG is a tenth of PNG's size for a photograph; a cover with see-through parts keeps them.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, image.hasAlphaChannel() ? "PNG" : "JPEG", 90))
        return;
    const QMutexLocker lock(&mutex_);
    scan();
    // Written whole or not at all: another viewer may be reading the same folder.
    QSaveFile file(pathOf(key));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return;
    Entry& entry = entries_[key];
    total_ += bytes.size() - entry.bytes;
    entry = {bytes.size(), tick()};
    prune();
}

void ThumbnailDiskCache::prune() {
    if (total_ <= bound_)
        return;
    // Down to nine tenths, so that the next few thumbnails do not each prune again.
    QList<std::pair<qint64, QString>> byUse;
    byUse.reserve(entries_.size());
    for (auto it = entries_.cbegin(); it != entries_.cend(); ++it)
        byUse.append({it->used, it.key()});
    std::sort(byUse.begin(), byUse.end());
    for (const auto& [used, key] : std::as_const(byUse)) {
        if (total_ <= bound_ / 10 * 9)
            break;
        QFile::remove(pathOf(key));
        total_ -= entries_.take(key).bytes;
    }
}

qint64 ThumbnailDiskCache::totalBytes() {
    const QMutexLocker lock(&mutex_);
    scan();
    return total_;
}
