// SPDX-License-Identifier: GPL-3.0-or-later
// What a tile of the cover wall shows besides its title: the cover's file and the year. Read
// for the tiles on screen only, from the title record and the IMDB record.
#pragma once

#include "catalogue/CatalogueReader.h"

#include <QString>

struct CoverFacts {
    QString coverFile; // where its cover would be; empty when the title has no index number
    QString year;      // empty without an IMDB record

    static CoverFacts read(CatalogueReader reader, const QString& title);
};
