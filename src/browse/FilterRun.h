// SPDX-License-Identifier: GPL-3.0-or-later
// The filter's walk over the title list: the titles for which every criterion that is on holds,
// in list order, each once. The criteria are tried in the order year, entered date, status,
// Jove rules, text, chart bar, each reading only the files it needs.
#pragma once

#include "FilterSettings.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CurrentTitle.h"
#include "catalogue/TitleKeys.h"
#include "settings/JoveRules.h"

#include <array>
#include <functional>

class FactSearch;
class Progress;
class Prompts;

class FilterRun {
public:
    // `genreSource` (Preferences::GenreSource) says which genres a chart bar of genres counted.
    // `search`, over the same catalogue as `reader`, spares the text criterion reading the
    // titles no fact of which can hold the text; without it every title is read.
    FilterRun(const CatalogueReader& reader, const FilterSettings& filter,
              const std::array<JoveRule, 6>& rules, const QString& genreSource, Prompts& prompts,
              Progress* progress = nullptr, FactSearch* search = nullptr)
        : reader_(reader), filter_(filter), rules_(rules), genreSource_(genreSource),
          prompts_(prompts), progress_(progress), search_(search) {}

    // Each kept title is handed to `keep` as it is found; `current` is left holding what the
    // readers last read.
    void run(const TitleKeys& titles, CurrentTitle& current,
             const std::function<void(const QString&)>& keep);

    // "Found: 12 entries."
    static QString statusText(qsizetype found);

private:
    const CatalogueReader& reader_;
    const FilterSettings& filter_;
    const std::array<JoveRule, 6>& rules_;
    const QString& genreSource_;
    Prompts& prompts_;
    Progress* progress_;
    FactSearch* search_;
};
