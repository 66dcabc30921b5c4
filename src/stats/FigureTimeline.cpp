// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureTimeline.h"

#include <QHash>

namespace {

// A value as a step on its axis, and back: years and decades by year, months as
// year * 12 + month - 1, ratings by their lower bound.
int stepOf(FigureDimension dimension, const QString& value) {
    switch (dimension) {
    case FigureDimension::Entered:
        return value.left(4).toInt() * 12 + value.mid(5, 2).toInt() - 1;
    case FigureDimension::Rating:
        return value.section(QChar(0x2013), 0, 0).toInt(); // "7–8"
    default:
        return value.left(4).toInt(); // "1970s", "1982"
    }
}

QString valueAt(FigureDimension dimension, int step) {
    switch (dimension) {
    case FigureDimension::Decade:
        return QStringLiteral("%1s").arg(step, 4, 10, QLatin1Char('0'));
    case FigureDimension::Rating:
        return QStringLiteral("%1–%2").arg(step).arg(step + 1);
    case FigureDimension::Entered:
        return QStringLiteral("%1-%2")
            .arg(step / 12, 4, 10, QLatin1Char('0'))
            .arg(step % 12 + 1, 2, 10, QLatin1Char('0'));
    default:
        return QStringLiteral("%1").arg(step, 4, 10, QLatin1Char('0'));
    }
}

} // namespace

QList<FigureCount> FigureTimeline(FigureDimension dimension, const QList<FigureCount>& rows) {
    if (!FigureDimensionIsOrdered(dimension))
        return rows;
    QHash<int, int> counts;
    std::optional<FigureCount> empty;
    int first = dimension == FigureDimension::Rating ? 0 : INT_MAX;
    int last = dimension == FigureDimension::Rating ? 9 : INT_MIN;
    for (const FigureCount& row : rows) {
        if (row.value.isEmpty()) {
            empty = row;
            continue;
        }
        const int step = stepOf(dimension, row.value);
        counts.insert(step, row.count);
        first = std::min(first, step);
        last = std::max(last, step);
    }
    const int stride = dimension == FigureDimension::Decade ? 10 : 1;
    QList<FigureCount> timeline;
    for (int step = first; step <= last; step += stride)
        timeline.append({valueAt(dimension, step), counts.value(step)});
    if (empty)
        timeline.append(*empty);
    return timeline;
}
