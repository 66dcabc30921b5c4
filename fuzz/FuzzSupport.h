// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: cutting an input into pieces and stopping loudly on a broken
// property, so that libFuzzer keeps the input that broke it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// At most `count` pieces: the input cut at the first count - 1 separators; the last piece keeps
// any separators after them. Missing pieces are empty.
inline QList<QByteArray> Split(const uint8_t* data, size_t size, QByteArrayView separator,
                               qsizetype count) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> pieces;
    qsizetype from = 0;
    while (pieces.size() < count - 1) {
        const qsizetype at = input.indexOf(separator, from);
        if (at < 0)
            break;
        pieces.append(input.sliced(from, at - from).toByteArray());
        from = at + separator.size();
    }
    pieces.append(input.sliced(from).toByteArray());
    while (pieces.size() < count)
        pieces.append(QByteArray());
    return pieces;
}

[[noreturn]] inline void Fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "fuzz property broken: %s\n%s\n", what,
                 detail.toUtf8().left(4000).constData());
    std::abort();
}

inline void Check(bool holds, const char* what, const QString& detail = {}) {
    if (!holds)
        Fail(what, detail);
}

} // namespace fuzz
