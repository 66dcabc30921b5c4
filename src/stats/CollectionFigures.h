// SPDX-License-Identifier: GPL-3.0-or-later
// The collection's figures: how many titles of a list fall under each value of each dimension.
#pragma once

#include "FigureDimension.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

struct FigureCount {
    QString value; // "" for titles whose field is empty or unreadable
    int count = 0;

    friend bool operator==(const FigureCount&, const FigureCount&) = default;
};

struct CollectionFigures {
    int titles = 0;         // titles walked
    bool cancelled = false; // the walk was cancelled; the counts are partial
    // By int(FigureDimension), in each dimension's order (see FigureDimensionIsOrdered).
    std::array<QList<FigureCount>, kFigureDimensions.size()> counts;
    QStringList failures; // read failures met during the walk, one line each, as reelkeep-cli
                          // prints them on stderr
    const QList<FigureCount>& of(FigureDimension dimension) const { return counts[int(dimension)]; }
};

// "value,count\n" then one RFC 4180 row per value, "\n" line ends (the CLI and the window's
// "Save as CSV" share it).
QByteArray FiguresCsv(const QList<FigureCount>& rows);
