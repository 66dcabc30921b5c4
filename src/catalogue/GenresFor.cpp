// SPDX-License-Identifier: GPL-3.0-or-later
#include "GenresFor.h"

#include "CurrentTitle.h"

QString GenresFor(const CurrentTitle& title, const QString& genreSource) {
    if (genreSource == QLatin1String("RK"))
        return title.CatalogueGenre;
    if (genreSource == QLatin1String("COMBINE"))
        return title.Genre;
    return title.ImdbGenre;
}
