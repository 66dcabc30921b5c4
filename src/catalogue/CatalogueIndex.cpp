#include "CatalogueIndex.h"

#include <QFile>
#include <QFileInfo>

CatalogueIndex::Lookup CatalogueIndex::get(const QString& path, RecordSteps::FileKind kind,
                                           const QString& fileLabel) {
    if (pins_ > 0)
        if (const auto it = entries_.constFind(path); it != entries_.constEnd())
            return {it->index, std::nullopt};
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        entries_.remove(path);
        return {nullptr, ReadFailure::fileNotFound(fileLabel)};
    }
    const auto it = entries_.constFind(path);
    if (it != entries_.constEnd() && it->size == info.size() && it->modified == info.lastModified())
        return {it->index, std::nullopt};

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
    entries_.insert(path, Entry{info.size(), info.lastModified(), index});
    return {index, std::nullopt};
}
