// Writing files that other programs read: always through a temporary file beside the target,
// renamed over it, so that a failure never leaves half a file. Tests derive from it to make a
// disk fill up or a folder vanish in the middle of an export.
#pragma once

#include "ExportError.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Creates or replaces `path` with `bytes`; a file without its owner's write permission stays.
    std::optional<ExportError> write(const QString& path, const QByteArray& bytes);
    // Copies `source` to `target`, replacing it; false on any failure.
    bool copy(const QString& source, const QString& target);

    // The writer of the real file system.
    static FileWriter& standard();

protected:
    // Puts `bytes` into the open temporary file; false when the device refuses them.
    virtual bool writeBytes(QIODevice& file, const QByteArray& bytes);
};
