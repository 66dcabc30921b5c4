#include "FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>

FileWriter& FileWriter::standard() {
    static FileWriter writer;
    return writer;
}

bool FileWriter::writeBytes(QIODevice& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}

std::optional<ExportError> FileWriter::write(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    // A temporary file beside the target, renamed over it: readers see the old file or the new
    // one, never a part. No fsync: a document is rewritten at the next export, and syncing
    // every one of a batch's files would cost more than writing them.
    QTemporaryFile file(
        info.absoluteDir().filePath(u'.' + info.fileName() + QStringLiteral(".XXXXXX")));
    if (!file.open()) {
        if (!info.absoluteDir().exists())
            return ExportError{76, QStringLiteral("Path not found")};
        return ExportError{75, QStringLiteral("Path/File access error")};
    }
    const bool written = writeBytes(file, bytes) && file.flush();
    file.close();
    if (!written)
        return ExportError{57, QStringLiteral("Device I/O error")};
    std::error_code error;
    // Unlike QFile::rename, replaces an existing target in one step, on every platform.
    std::filesystem::rename(std::filesystem::path(file.fileName().toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), error);
    if (error)
        return ExportError{75, QStringLiteral("Path/File access error")};
    file.setAutoRemove(false);
    return std::nullopt;
}

bool FileWriter::copy(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    return !write(target, bytes);
}
