// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverFacts.h"

#include "catalogue/CatalogueReader.h"
#include "catalogue/CurrentTitle.h"
#include "catalogue/RecordSyntax.h"
#include "catalogue/TrimSpaces.h"

CoverFacts CoverFacts::read(CatalogueReader reader, const QString& title) {
    // The cover's path only: whether it is there is the thumbnail workers' question, so that
    // scrolling looks at no file on this thread.
    reader.skipCovers();
    // A record that cannot be read leaves the tile a placeholder; the display says why once the
    // title is chosen.
    CurrentTitle record;
    reader.ReadTitleRecord(title, record);
    reader.ReadImdbRecord(title, record);
    const QString idx = NullToEmpty(TrimSpaces(record.Idx));
    return {idx.isEmpty() ? QString() : reader.coverPathFor(idx),
            NullToEmpty(record.Year.trimmed())};
}
