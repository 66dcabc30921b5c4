// SPDX-License-Identifier: GPL-3.0-or-later
#include "CollectionFigures.h"

namespace {

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its quotes doubled.
QByteArray csvField(const QString& value) {
    QByteArray bytes = value.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') &&
        !bytes.contains('\r'))
        return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
}

} // namespace

QByteArray FiguresCsv(const QList<FigureCount>& rows) {
    QByteArray csv = "value,count\n";
    for (const FigureCount& row : rows)
        csv += csvField(row.value) + ',' + QByteArray::number(row.count) + '\n';
    return csv;
}
