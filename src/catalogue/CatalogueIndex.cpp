// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueIndex.h"

#include "platform/MessageTexts.h"
#include "platform/RegularFile.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// A NUL would cut the name short: such a path names nothing.
QFileInfo infoOf(const QString& path) {
    return QFileInfo(path.contains(QChar(0)) ? QString() : path);
}

} // namespace

CatalogueIndex::Read CatalogueIndex::read(const QString& path, const QFileInfo& info,
                                          RecordSteps::FileKind kind, const QString& fileLabel) {
    const auto failed = [](Failure failure) {
        Read read;
        read.failure = std::move(failure);
        return read;
    };
    // A FIFO or a device counts as absent: opening one may block, reading it may never end.
    if (!info.isFile())
        return failed(MessageTexts::kFileNotFound.at(fileLabel));
    RegularFile file(path);
    if (file.status() != RegularFile::Status::Open)
        return failed(file.status() == RegularFile::Status::Absent
                          ? MessageTexts::kFileNotFound.at(fileLabel)
                          : MessageTexts::kAccessError.at(fileLabel));
    // As many bytes as the file had when it was opened; a file that grew meanwhile has another
    // size at the next use and is read again.
    FileBytes bytes(file.size());
    qsizetype got = 0;
    while (got < bytes.size()) {
        const qint64 n = file.file().read(bytes.data() + got, bytes.size() - got);
        if (n < 0)
            return failed(MessageTexts::kIoError.at(fileLabel));
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    // The time read before the bytes: a write racing the read is seen at the next use.
    return {info.size(), info.lastModified(),
            std::make_shared<const RecordIndex>(std::move(bytes), kind), std::nullopt};
}

CatalogueIndex::Lookup CatalogueIndex::get(const QString& path, RecordSteps::FileKind kind,
                                           const QString& fileLabel) {
    const quint64 walk = pins_ > 0 ? walk_ : 0;
    auto it = entries_.find(path);
    if (walk && it != entries_.end() && it->walk == walk)
        return {it->index, std::nullopt};
    // An index built ahead stands where this lookup would have built it, and is checked below
    // like any other: a file changed since is read again.
    if (const auto ahead = ahead_.constFind(path); ahead != ahead_.constEnd()) {
        const Read done = ahead->result();
        ahead_.erase(ahead);
        if (done.index) {
            it = entries_.insert(path, Entry{done.size, done.modified, done.index, 0});
        } else {
            entries_.remove(path);
            it = entries_.end();
        }
    }
    const QFileInfo info = infoOf(path);
    if (!info.isFile()) {
        entries_.remove(path);
        return {nullptr, MessageTexts::kFileNotFound.at(fileLabel)};
    }
    if (it != entries_.end() && it->size == info.size() && it->modified == info.lastModified()) {
        it->walk = walk;
        return {it->index, std::nullopt};
    }
    const Read done = read(path, info, kind, fileLabel);
    if (!done.index) {
        entries_.remove(path);
        return {nullptr, done.failure};
    }
    entries_.insert(path, Entry{done.size, done.modified, done.index, walk});
    return {done.index, std::nullopt};
}

void CatalogueIndex::prepare(const QString& path, RecordSteps::FileKind kind,
                             const QString& fileLabel, qint64 from) {
    if (ahead_.contains(path))
        return;
    const QFileInfo info = infoOf(path);
    if (!info.isFile() || info.size() < from)
        return;
    const auto it = entries_.constFind(path);
    if (it != entries_.constEnd() && it->size == info.size() &&
        it->modified == info.lastModified()) {
        ahead_.insert(path, QtConcurrent::run(&pool_, [entry = *it] {
                          entry.index->hashKeys();
                          return Read{entry.size, entry.modified, entry.index, std::nullopt};
                      }));
        return;
    }
    ahead_.insert(path, QtConcurrent::run(&pool_, [path, kind, fileLabel] {
                      Read done = read(path, infoOf(path), kind, fileLabel);
                      if (done.index)
                          done.index->hashKeys();
                      return done;
                  }));
}

void CatalogueIndex::clear() {
    entries_.clear();
    ahead_.clear();
    pool_.clear();
}
