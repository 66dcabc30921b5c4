// SPDX-License-Identifier: GPL-3.0-or-later
// Writing files that other programs read: always through a temporary file beside the target,
// renamed over it, so that a failure never leaves half a file. A file that replaces another is
// on disk before it takes its place; new files go to disk together at the end of an export.
// Tests derive from it to make a disk fill up or a folder vanish in the middle of an export.
#pragma once

#include "platform/Failure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;

class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Creates or replaces `path` with `bytes`; a file without its owner's write permission stays.
    // A path holding a NUL is refused: the system would cut the name there and write elsewhere.
    std::optional<Failure> write(const QString& path, const QByteArray& bytes);
    // Copies `source`, which must be a regular file, to `target`, replacing it.
    std::optional<Failure> copy(const QString& source, const QString& target);
    // Puts on disk the files this writer created since the last call, before an export reports
    // that it is done.
    std::optional<Failure> syncNewFiles();
    // The same for an export the user aborted: what can go to disk goes, without a word, and
    // the list is emptied so that no later export reports on files that are not its own.
    void settleNewFiles();

    // This program's temporary files in `folder` that a killed export left behind: older than
    // an hour, so that no running export loses its own.
    static void removeStaleTemporaries(const QString& folder);

    // The writer of the real file system.
    static FileWriter& standard();

protected:
    // Puts `bytes` into the open temporary file; false when the device refuses them.
    virtual bool writeBytes(QIODevice& file, const QByteArray& bytes);

private:
    QStringList created_; // new files not yet known to be on disk
};
