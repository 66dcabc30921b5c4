// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileWriter.h"

#include "platform/MessageTexts.h"
#include "platform/RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <io.h>
#endif

FileWriter& FileWriter::standard() {
    static FileWriter writer;
    return writer;
}

bool FileWriter::writeBytes(QIODevice& file, const QByteArray& bytes) {
    // Until the device refuses outright: a short write keeps no reason, the next one fails with
    // the system's ("No space left on device").
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

namespace {

const QString kTemporaryPrefix = QStringLiteral(".reelkeep-");
const QString kTemporarySuffix = QStringLiteral(".tmp");

// The device's own reason, where it gave one.
QString reasonOf(const QFileDevice& file) {
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

// A new file beside `target`, created the way any new file is, so that the user's umask decides
// who may read it: Jove Player or a media server may read the documents under another account.
// QTemporaryFile would make it readable by its owner alone.
bool openTemporary(QFile& file, const QFileInfo& target) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        // A short name of its own: the target's name may already be as long as names go.
        file.setFileName(target.absoluteDir().filePath(
            kTemporaryPrefix + QString::number(QRandomGenerator::global()->generate(), 36) +
            kTemporarySuffix));
        // Unbuffered: a failed write then carries the system's reason.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!file.exists())
            return false; // not a name taken by chance: the folder refuses
    }
    return false;
}

// A path as the file system takes it, converted as QFile converts the names it opens.
std::filesystem::path nativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// Waits until the open file's bytes are on the disk; the system's reason when they are not.
std::optional<QString> flushToDisk(QFile& file) {
#if defined(Q_OS_UNIX)
    if (::fsync(file.handle()) != 0)
        return qt_error_string(errno);
#elif defined(Q_OS_WIN)
    if (::_commit(file.handle()) != 0)
        return qt_error_string(errno);
#else
    Q_UNUSED(file);
#endif
    return std::nullopt;
}

// Puts on disk the new files in `folder`, their names in the folder included.
std::optional<QString> syncFolder(const QString& folder, const QStringList& files) {
#if defined(Q_OS_LINUX)
    // One call for the whole file system: a batch may have written 100,000 new files.
    Q_UNUSED(files);
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    const bool synced = ::syncfs(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced)
        return qt_error_string(error);
#else
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return file.errorString();
        if (const auto reason = flushToDisk(file))
            return reason;
    }
#if defined(Q_OS_UNIX)
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
#endif
    return std::nullopt;
}

} // namespace

std::optional<Failure> FileWriter::write(const QString& path, const QByteArray& bytes) {
    if (path.contains(QChar(0)))
        return MessageTexts::kBadFileName.at(path,
                                             QStringLiteral("The name holds a NUL character"));
    const QFileInfo info(path);
    // A file its owner made read-only is one they mean to keep: the rename below would replace
    // it all the same, where opening it for writing would fail.
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        return MessageTexts::kAccessError.at(path, QStringLiteral("The file is read-only"));
    // A temporary file beside the target, renamed over it: readers see the old file or the new
    // one, never a part.
    QFile file;
    if (!openTemporary(file, info)) {
        const auto& code =
            info.absoluteDir().exists() ? MessageTexts::kAccessError : MessageTexts::kPathNotFound;
        return code.at(path, reasonOf(file));
    }
    auto removeTemporary = qScopeGuard([&] { file.remove(); });
    if (!writeBytes(file, bytes))
        return MessageTexts::kIoError.at(path, reasonOf(file));
    // A file that replaces another is on disk before the rename, lest a power loss leave an
    // empty file where a good one was; a new one loses nothing and waits for syncNewFiles.
    const bool replaces = info.exists();
    if (replaces) {
        if (const auto reason = flushToDisk(file))
            return MessageTexts::kIoError.at(path, *reason);
    }
    file.close();
    // A file replaced keeps who may read and write it.
    if (replaces && !file.setPermissions(info.permissions()))
        return MessageTexts::kAccessError.at(path, reasonOf(file));
    std::error_code error;
    // Unlike QFile::rename, replaces an existing target in one step, on every platform.
    std::filesystem::rename(nativePath(file.fileName()), nativePath(path), error);
    if (error)
        return MessageTexts::kAccessError.at(path, QString::fromLocal8Bit(error.message()));
    removeTemporary.dismiss();
    if (!replaces)
        created_ << info.absoluteFilePath();
    return std::nullopt;
}

std::optional<Failure> FileWriter::copy(const QString& source, const QString& target) {
    const std::optional<QByteArray> bytes = ReadRegularFile(source);
    if (!bytes)
        return MessageTexts::kFileNotFound.at(
            source, QStringLiteral("The picture is not a file that can be read"));
    return write(target, *bytes);
}

std::optional<Failure> FileWriter::syncNewFiles() {
    QHash<QString, QStringList> byFolder;
    for (const QString& path : std::as_const(created_))
        byFolder[QFileInfo(path).absolutePath()] << path;
    for (auto it = byFolder.cbegin(); it != byFolder.cend(); ++it)
        if (const auto reason = syncFolder(it.key(), it.value()))
            return MessageTexts::kIoError.at(it.key(), *reason);
    created_.clear();
    return std::nullopt;
}

void FileWriter::settleNewFiles() {
    syncNewFiles();
    created_.clear();
}

void FileWriter::removeStaleTemporaries(const QString& folder) {
    static const QRegularExpression ours(QStringLiteral("^\\.reelkeep-[0-9a-z]+\\.tmp$"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList({kTemporaryPrefix + u'*' + kTemporarySuffix},
                          QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::System);
    for (const QFileInfo& entry : entries)
        if (entry.isFile() && ours.match(entry.fileName()).hasMatch() &&
            entry.lastModified().toUTC() < before)
            QFile::remove(entry.absoluteFilePath());
}
