// SPDX-License-Identifier: GPL-3.0-or-later
// The collection's figures counted on a worker thread. The owner keeps painting meanwhile; a
// count that takes longer than a glance shows the Wait window's progress, which also holds the
// owner's commands so that nothing replaces the list while it is counted.
#pragma once

#include "stats/CollectionFigures.h"

#include <optional>

class CollectionStats;
class QWidget;
class TitleKeys;

class StatisticsRun {
public:
    // How long a count may run before the Wait window shows.
    static constexpr int kQuietMs = 200;

    // Null when the owner was closed meanwhile.
    static std::optional<CollectionFigures> run(QWidget* owner, const CollectionStats& stats,
                                                const TitleKeys& titles);
};
