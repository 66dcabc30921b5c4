// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureDimension.h"

#include <QCoreApplication>

namespace {

struct Named {
    const char* name;
    const char* caption;
    FigureRecord record;
    bool ordered; // listed in the values' own order rather than by count
};
// In the order of FigureDimension.
constexpr Named kNamed[] = {
    {"year", QT_TRANSLATE_NOOP("Figures", "Year"), FigureRecord::Imdb, true},
    {"decade", QT_TRANSLATE_NOOP("Figures", "Decade"), FigureRecord::Imdb, true},
    {"genre", QT_TRANSLATE_NOOP("Figures", "Genre"), FigureRecord::Imdb, false},
    {"location", QT_TRANSLATE_NOOP("Figures", "Location"), FigureRecord::Title, false},
    {"medium", QT_TRANSLATE_NOOP("Figures", "Medium"), FigureRecord::Title, false},
    {"rating", QT_TRANSLATE_NOOP("Figures", "IMDB rating"), FigureRecord::Imdb, true},
    {"status", QT_TRANSLATE_NOOP("Figures", "Status"), FigureRecord::Title, false},
    {"entered", QT_TRANSLATE_NOOP("Figures", "Month entered"), FigureRecord::History, true},
};
static_assert(std::size(kNamed) == kFigureDimensions.size());

} // namespace

QString FigureDimensionName(FigureDimension dimension) {
    return QLatin1String(kNamed[int(dimension)].name);
}

std::optional<FigureDimension> FigureDimensionNamed(QStringView name) {
    for (const FigureDimension dimension : kFigureDimensions)
        if (name == QLatin1String(kNamed[int(dimension)].name))
            return dimension;
    return std::nullopt;
}

QString FigureDimensionCaption(FigureDimension dimension) {
    return QCoreApplication::translate("Figures", kNamed[int(dimension)].caption);
}

FigureRecord FigureDimensionRecord(FigureDimension dimension) {
    return kNamed[int(dimension)].record;
}

bool FigureDimensionIsOrdered(FigureDimension dimension) {
    return kNamed[int(dimension)].ordered;
}
