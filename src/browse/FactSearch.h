// SPDX-License-Identifier: GPL-3.0-or-later
// Which titles of the list hold a text, letter case and accents ignored (FoldedText): in the
// title alone, or in every fact of the title — every field the four readers fill but the cover's
// path. For the find box and the filter's "Contains".
//
// A search over every fact first looks in the raw bytes of the records each title's readers
// would decode, which the catalogue's index holds already: only a title whose records hold the
// text is then read and judged fact by fact, so nothing is decoded for a text that matches
// nothing. The few facts that are not verbatim pieces of a record (the entry type's words, the
// merged genres, joined lines) are looked at by reading every title when the text could fall in
// them.
#pragma once

#include "catalogue/CatalogueIndex.h"
#include "catalogue/CurrentTitle.h"
#include "catalogue/FoldedNeedle.h"
#include "catalogue/TitleKeys.h"
#include "settings/Preferences.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

class CatalogueReader;

class FactSearch {
public:
    struct Hit {
        qsizetype row = -1;
        QString fact;    // the field holding the text, "Actors"; empty for a title found by name
        QString excerpt; // the text where it was found, shortened: "… Harrison Ford, Sean …"
    };

    // Over the catalogue in `dbPath` (ending with a separator), read through `index`.
    FactSearch(CatalogueIndex& index, QString dbPath);

    // The first title of `titles` at or after `from`, wrapping round, that holds `text`;
    // nullopt when none does or the text is empty.
    std::optional<Hit> find(const TitleKeys& titles, const QString& text, qsizetype from,
                            FindScope scope);

    // For each title of `titles`, whether its records may hold the needle: false only where no
    // fact can. Without the catalogue's index every title may.
    std::vector<bool> candidates(const TitleKeys& titles, const FoldedNeedle& needle);

    // The first fact of a title read in full that holds the needle, in the order `show` prints
    // them; nullopt when none does.
    static std::optional<Hit> factHolding(const CurrentTitle& title, const FoldedNeedle& needle);

    // "Actors: … Harrison Ford …", for the status bar.
    static QString describe(const Hit& hit);

private:
    // The raw record each title's reader of one file settles at, in file order.
    struct FileRecords {
        std::shared_ptr<const RecordIndex> index;
        struct Entry {
            QByteArrayView bytes;
            qsizetype row;
        };
        std::vector<Entry> entries;
    };
    bool current(const TitleKeys& titles);
    void build(const TitleKeys& titles);

    CatalogueIndex& index_;
    QString dbPath_;
    TitleKeys titles_; // the list the records were gathered for
    std::array<FileRecords, 4> files_;
    bool built_ = false;
    // The candidates of the last text, for the next match (Enter, F3) without a new look.
    QString lastText_;
    std::vector<bool> lastCandidates_;
};
