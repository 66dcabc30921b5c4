// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathPieces.h"

#include "catalogue/DatabasePaths.h"

namespace {

qsizetype lastSeparator(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (IsPathSeparator(path.at(i)))
            return i;
    return -1;
}

} // namespace

QString GetAfterSlash(const QString& path) {
    const qsizetype i = lastSeparator(path);
    return i < 0 ? path : path.mid(i + 1);
}

QString GetbeforeSlash(const QString& path) {
    const qsizetype i = lastSeparator(path);
    return i < 0 ? path : path.left(i + 1);
}
