// Writing files that other programs read: always through a temporary file beside the target,
// renamed into place, so that a failure never leaves half a file.
#pragma once

#include "ExportError.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Creates or replaces `path` with `bytes`.
std::optional<ExportError> WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Copies `source` over or to `target`; false on any failure.
bool CopyFileAtomically(const QString& source, const QString& target);
