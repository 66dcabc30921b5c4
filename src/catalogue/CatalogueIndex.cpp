#include "CatalogueIndex.h"

#include <QFile>
#include <QFileInfo>

CatalogueIndex::Lookup CatalogueIndex::get(const QString& path, RecordSteps::FileKind kind,
                                           const QString& fileLabel) {
    const quint64 walk = pins_ > 0 ? walk_ : 0;
    const auto it = entries_.find(path);
    if (walk && it != entries_.end() && it->walk == walk)
        return {it->index, std::nullopt};
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        entries_.remove(path);
        return {nullptr, ReadFailure::fileNotFound(fileLabel)};
    }
    if (it != entries_.end() && it->size == info.size() && it->modified == info.lastModified()) {
        it->walk = walk;
        return {it->index, std::nullopt};
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        entries_.remove(path);
        return {nullptr, ReadFailure::accessError(fileLabel)};
    }
    FileBytes bytes;
    if (file.isSequential()) {
        bytes = FileBytes(file.readAll());
    } else {
        // As many bytes as the file had when it was looked at; a file that grew meanwhile has
        // another size at the next use and is read again.
        bytes = FileBytes(file.size());
        qsizetype got = 0;
        while (got < bytes.size()) {
            const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
            if (n <= 0)
                break;
            got += n;
        }
        bytes.truncate(got);
    }
    if (file.error() != QFileDevice::NoError) {
        entries_.remove(path);
        return {nullptr, ReadFailure::ioError(fileLabel)};
    }
    // The time read before the bytes: a write racing the read is seen at the next use.
    auto index = std::make_shared<const RecordIndex>(std::move(bytes), kind);
    entries_.insert(path, Entry{info.size(), info.lastModified(), index, walk});
    return {index, std::nullopt};
}
