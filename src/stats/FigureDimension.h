// SPDX-License-Identifier: GPL-3.0-or-later
// What the collection's figures count titles by. Each has the name the command line takes
// ("year") and a caption for a window, and lists its values either in their own order (time,
// rating) or by count.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

enum class FigureDimension { Year, Decade, Genre, Location, Medium, Rating, Status, Entered };

inline constexpr std::array<FigureDimension, 8> kFigureDimensions = {
    FigureDimension::Year,     FigureDimension::Decade, FigureDimension::Genre,
    FigureDimension::Location, FigureDimension::Medium, FigureDimension::Rating,
    FigureDimension::Status,   FigureDimension::Entered};

// "year", "decade", "genre", "location", "medium", "rating", "status", "entered".
QString FigureDimensionName(FigureDimension dimension);
std::optional<FigureDimension> FigureDimensionNamed(QStringView name);

// "Year", "Decade", ..., in the user's language.
QString FigureDimensionCaption(FigureDimension dimension);

// The record a title's value is read from, the title record being read first in any case: the
// IMDB record (year, decade, rating; genres, merged with the title's own), the history record
// (entered) or the title record alone (location, medium, status).
enum class FigureRecord { Title, Imdb, History };
FigureRecord FigureDimensionRecord(FigureDimension dimension);

// True for year, decade, rating and entered, whose values are listed from the earliest or
// lowest; the others are listed by count, the most first.
bool FigureDimensionIsOrdered(FigureDimension dimension);
