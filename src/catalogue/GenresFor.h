// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct CurrentTitle;

// A title's genre list after the settings' genre choice (Preferences::GenreSource): "RK" the
// catalogue's own, "COMBINE" both merged (MergeGenres), anything else the IMDB genres.
QString GenresFor(const CurrentTitle& title, const QString& genreSource);
