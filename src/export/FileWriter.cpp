#include "FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <filesystem>

FileWriter& FileWriter::standard() {
    static FileWriter writer;
    return writer;
}

bool FileWriter::writeBytes(QIODevice& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size();
}

namespace {

// A new file beside `target`, created the way any new file is, so that the user's umask decides
// who may read it: Jove Player or a media server may read the documents under another account.
// QTemporaryFile would make it readable by its owner alone.
bool openTemporary(QFile& file, const QFileInfo& target) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        // A short name of its own: the target's name may already be as long as names go.
        file.setFileName(target.absoluteDir().filePath(
            QStringLiteral(".reelkeep-") +
            QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".tmp")));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!file.exists())
            return false; // not a name taken by chance: the folder refuses
    }
    return false;
}

} // namespace

std::optional<ExportError> FileWriter::write(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    // A file its owner made read-only is one they mean to keep: the rename below would replace
    // it all the same, where opening it for writing would fail.
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        return ExportError{75, QStringLiteral("Path/File access error")};
    // A temporary file beside the target, renamed over it: readers see the old file or the new
    // one, never a part. No fsync: a document is rewritten at the next export, and syncing
    // every one of a batch's files would cost more than writing them.
    QFile file;
    if (!openTemporary(file, info)) {
        if (!info.absoluteDir().exists())
            return ExportError{76, QStringLiteral("Path not found")};
        return ExportError{75, QStringLiteral("Path/File access error")};
    }
    auto removeTemporary = qScopeGuard([&] { file.remove(); });
    const bool written = writeBytes(file, bytes) && file.flush();
    file.close();
    if (!written)
        return ExportError{57, QStringLiteral("Device I/O error")};
    // A file replaced keeps who may read and write it.
    if (info.exists() && !file.setPermissions(info.permissions()))
        return ExportError{75, QStringLiteral("Path/File access error")};
    std::error_code error;
    // Unlike QFile::rename, replaces an existing target in one step, on every platform.
    std::filesystem::rename(std::filesystem::path(file.fileName().toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), error);
    if (error)
        return ExportError{75, QStringLiteral("Path/File access error")};
    removeTemporary.dismiss();
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
