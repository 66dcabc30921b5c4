// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileExists.h"

#include "platform/RegularFile.h"

bool FileExists(const QString& path) {
    return KindOf(path) != PathKind::Missing;
}

bool CatalogueFileExists(const QString& path) {
    const PathKind kind = KindOf(path);
    return kind == PathKind::File || kind == PathKind::Folder;
}
