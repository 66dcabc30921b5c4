// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureDimension.h"

#include <QCoreApplication>

namespace {

struct Named {
    const char* name;
    const char* caption;
};
// In the order of FigureDimension.
constexpr Named kNamed[] = {
    {"year", QT_TRANSLATE_NOOP("Figures", "Year")},
    {"decade", QT_TRANSLATE_NOOP("Figures", "Decade")},
    {"genre", QT_TRANSLATE_NOOP("Figures", "Genre")},
    {"location", QT_TRANSLATE_NOOP("Figures", "Location")},
    {"medium", QT_TRANSLATE_NOOP("Figures", "Medium")},
    {"rating", QT_TRANSLATE_NOOP("Figures", "IMDB rating")},
    {"status", QT_TRANSLATE_NOOP("Figures", "Status")},
    {"entered", QT_TRANSLATE_NOOP("Figures", "Month entered")},
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

bool FigureDimensionIsOrdered(FigureDimension dimension) {
    switch (dimension) {
    case FigureDimension::Year:
    case FigureDimension::Decade:
    case FigureDimension::Rating:
    case FigureDimension::Entered:
        return true;
    default:
        return false;
    }
}
