// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegularFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

PathKind KindOf(const QString& path) {
    if (path.isEmpty() || path.contains(QChar(0)))
        return PathKind::Missing;
    const QFileInfo info(path);
    if (!info.exists())
        return PathKind::Missing;
    if (info.isDir())
        return PathKind::Folder;
    return info.isFile() ? PathKind::File : PathKind::Special;
}

RegularFile::RegularFile(const QString& path) {
    // Looked at before it is opened: opening some devices acts on them (a tape rewinds).
    switch (KindOf(path)) {
    case PathKind::File:
        break;
    case PathKind::Missing:
    case PathKind::Folder:
    case PathKind::Special:
        return;
    }
#ifdef Q_OS_UNIX
    // Without blocking, and looked at again once open: the path may have been replaced by a
    // FIFO in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR && errno != ELOOP)
            status_ = Status::Denied;
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file_.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        status_ = Status::Denied;
        return;
    }
    size_ = qint64(info.st_size);
#else
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (QFileInfo::exists(path))
            status_ = Status::Denied;
        return;
    }
    size_ = file_.size();
#endif
    status_ = Status::Open;
}

std::optional<QByteArray> RegularFile::readAll(qint64 margin) {
    if (status_ != Status::Open)
        return std::nullopt;
    const qint64 limit = size_ + margin;
    QByteArray bytes(size_, Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit)
                return std::nullopt; // still growing
            // Room to see whether the file grew, up to one byte past the bound.
            bytes.resize(qMin(got + qMax(got / 4, qint64(64) << 10), limit + 1));
        }
        const qint64 n = file_.read(bytes.data() + got, bytes.size() - got);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

std::optional<QByteArray> ReadRegularFile(const QString& path) {
    RegularFile file(path);
    return file.readAll();
}
