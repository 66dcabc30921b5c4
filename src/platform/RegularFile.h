// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file that another program owns, for reading. A path may name a FIFO, a device or a
// symbolic link to one: opening a FIFO blocks until some writer comes, and /dev/zero never ends.
// Such a path counts as absent, a file is opened without blocking, and it is read no further
// than its size when opened plus a margin, so that reading always ends.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// What a path names, symbolic links followed. Special: a FIFO, a device or a socket.
enum class PathKind { Missing, File, Folder, Special };

// A path holding a NUL names nothing: the system would cut it there.
PathKind KindOf(const QString& path);

class RegularFile {
public:
    enum class Status { Open, Absent, Denied };

    // What a file may grow by while it is read: a catalogue program appending a record while
    // we read is fine, a file that keeps growing is not.
    static constexpr qint64 kGrowthMargin = qint64(1) << 20;

    // Opens `path` when it names a regular file; Absent when it names nothing else.
    explicit RegularFile(const QString& path);

    Status status() const { return status_; }
    // The size the file had when it was opened.
    qint64 size() const { return size_; }
    QFile& file() { return file_; }

    // The whole file; nullopt when a read failed or the file grew past its size when opened
    // plus `margin`.
    std::optional<QByteArray> readAll(qint64 margin = kGrowthMargin);

private:
    QFile file_;
    Status status_ = Status::Absent;
    qint64 size_ = 0;
};

// The bytes of the regular file at `path`, read as RegularFile reads them; nullopt for anything
// else, and for a file that could not be read whole.
std::optional<QByteArray> ReadRegularFile(const QString& path);
