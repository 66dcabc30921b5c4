// SPDX-License-Identifier: GPL-3.0-or-later
#include "MergeGenres.h"

#include "CurrentTitle.h"
#include "TrimSpaces.h"

#include <QStringList>

void MergeGenres(CurrentTitle& title) {
    title.Genre = title.CatalogueGenre;
    const QStringList pieces = title.ImdbGenre.split(u',');
    for (const QString& piece : pieces) {
        const QString genre = TrimSpaces(piece);
        if (genre.isEmpty() || title.Genre.contains(genre, Qt::CaseInsensitive))
            continue;
        if (!title.Genre.isEmpty())
            title.Genre += QStringLiteral(", ");
        title.Genre += genre;
    }
}
