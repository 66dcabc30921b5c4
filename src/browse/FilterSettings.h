// SPDX-License-Identifier: GPL-3.0-or-later
// The filter criteria of one run of the program; never saved.
#pragma once

#include "stats/FigureDimension.h"

#include <QString>
#include <optional>

class Clock;

// A value of one of the collection's figures: the titles a chart's bar counted.
struct FigureCriterion {
    FigureDimension dimension;
    QString value;

    friend bool operator==(const FigureCriterion&, const FigureCriterion&) = default;
};

struct FilterSettings {
    bool FilterYearOn = false;
    QString FilterYearText; // this year, "YYYY", at start
    bool FilterStatusOn = false;
    bool FilterPresent = true; // true: keep "Present" titles; false: keep all others
    bool FilterEnteredOn = false;
    QString FilterEnteredText; // today, "YYYY-MM-DD", at start
    bool FilterJoveOn = false;
    // Ours: keep the titles where any fact holds the text, letter case and accents ignored.
    bool FilterTextOn = false;
    QString FilterText;
    // Ours: a chart bar clicked; not in the dialog, never saved.
    std::optional<FigureCriterion> FilterFigure;

    bool anyOn() const {
        return FilterYearOn || FilterStatusOn || FilterEnteredOn || FilterJoveOn || FilterTextOn ||
               FilterFigure.has_value();
    }

    static FilterSettings startValues(const Clock& clock);

    friend bool operator==(const FilterSettings&, const FilterSettings&) = default;
};
