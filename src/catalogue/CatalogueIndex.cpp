// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueIndex.h"

#include "platform/MessageTexts.h"
#include "platform/RegularFile.h"

#include <QFileInfo>

CatalogueIndex::Lookup CatalogueIndex::get(const QString& path, RecordSteps::FileKind kind,
                                           const QString& fileLabel) {
    const quint64 walk = pins_ > 0 ? walk_ : 0;
    const auto it = entries_.find(path);
    if (walk && it != entries_.end() && it->walk == walk)
        return {it->index, std::nullopt};
    // A FIFO or a device counts as absent: opening one may block, reading it may never end.
    // A NUL would cut the name short.
    const QFileInfo info(path.contains(QChar(0)) ? QString() : path);
    if (!info.isFile()) {
        entries_.remove(path);
        return {nullptr, MessageTexts::kFileNotFound.at(fileLabel)};
    }
    if (it != entries_.end() && it->size == info.size() && it->modified == info.lastModified()) {
        it->walk = walk;
        return {it->index, std::nullopt};
    }

    RegularFile file(path);
    if (file.status() != RegularFile::Status::Open) {
        entries_.remove(path);
        return {nullptr, file.status() == RegularFile::Status::Absent
                             ? MessageTexts::kFileNotFound.at(fileLabel)
                             : MessageTexts::kAccessError.at(fileLabel)};
    }
    // As many bytes as the file had when it was opened; a file that grew meanwhile has another
    // size at the next use and is read again.
    FileBytes bytes(file.size());
    qsizetype got = 0;
    while (got < bytes.size()) {
        const qint64 n = file.file().read(bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            entries_.remove(path);
            return {nullptr, MessageTexts::kIoError.at(fileLabel)};
        }
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    // The time read before the bytes: a write racing the read is seen at the next use.
    auto index = std::make_shared<const RecordIndex>(std::move(bytes), kind);
    entries_.insert(path, Entry{info.size(), info.lastModified(), index, walk});
    return {index, std::nullopt};
}
