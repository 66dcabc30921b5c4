// SPDX-License-Identifier: GPL-3.0-or-later
#include "CollectionStats.h"

CollectionStats::CollectionStats(CatalogueIndex&, const QString&, const QString& genreSource)
    : genreSource_(genreSource) {}

CollectionFigures CollectionStats::compute(const TitleKeys&, Progress*,
                                           const std::atomic<bool>*) const {
    return {};
}

bool CollectionStats::fallsUnder(const CurrentTitle&, FigureDimension, const QString&,
                                 const QString&) {
    return false;
}
