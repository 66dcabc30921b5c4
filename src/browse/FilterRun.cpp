// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilterRun.h"

#include <QCoreApplication>

#include "FactSearch.h"
#include "catalogue/EnteredDate.h"
#include "catalogue/FileExists.h"
#include "catalogue/WalkReports.h"
#include "platform/Progress.h"
#include "settings/JoveRules.h"
#include "stats/CollectionStats.h"

QString FilterRun::statusText(qsizetype found) {
    return QCoreApplication::translate("MessageTexts", "Found: %1 entries.").arg(found);
}

void FilterRun::run(const TitleKeys& titles, CurrentTitle& current,
                    const std::function<void(const QString&)>& keep) {
    WalkReports reports(prompts_);
    bool titleFound = false; // the title reader found the current title's record
    // Every fact holds the empty text.
    const FoldedNeedle needle(filter_.FilterText);
    const bool textOn = filter_.FilterTextOn && !needle.isEmpty();
    const std::vector<bool> mayHold =
        textOn && search_ ? search_->candidates(titles, needle) : std::vector<bool>();
    const std::optional<FigureCriterion>& figure = filter_.FilterFigure;
    // The title record alone when no figure is asked for.
    const FigureRecord figureRecord =
        figure ? FigureDimensionRecord(figure->dimension) : FigureRecord::Title;
    const bool figureReadsImdb = figureRecord == FigureRecord::Imdb;
    if (progress_)
        progress_->start(int(titles.size()));
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const QString key = titles.at(i).toString();
        if (filter_.FilterYearOn || figureReadsImdb) // read for every title
            reader_.expectImdb(i + 1 < titles.size() ? titles.at(i + 1) : QStringView(),
                               i + 2 < titles.size() ? titles.at(i + 2) : QStringView());
        ClearCurrentTitle(current);
        // Every criterion that is on must hold; each reads only the file it needs.
        bool holds = true;
        if (holds && filter_.FilterYearOn) {
            reports.report("imdb", reader_.ReadImdbRecord(key, current));
            holds = current.Year.size() == 4 && current.Year == filter_.FilterYearText;
        }
        if (holds && filter_.FilterEnteredOn) {
            reports.report("history", reader_.ReadHistoryRecord(key, current));
            // Read in the user's locale, compared in ASCII digits: the filter's own text never
            // holds any other.
            const QString entered = FormatEnteredDate(current.Entered, QStringLiteral("yyyy-MM-dd"),
                                                      QLocale(), QLocale::c());
            holds = entered.left(filter_.FilterEnteredText.size()) == filter_.FilterEnteredText;
        }
        bool titleRead = false;
        titleFound = false;
        const auto readTitle = [&] {
            const ReaderResult result = reader_.ReadTitleRecord(key, current);
            titleRead = true;
            titleFound = result.outcome == ReaderResult::Outcome::Found;
            reports.report("title", result);
        };
        if (holds && filter_.FilterStatusOn) {
            readTitle();
            holds = (current.Status == QLatin1String("Present")) == filter_.FilterPresent;
        }
        if (holds && filter_.FilterJoveOn) {
            if (!titleRead)
                readTitle();
            holds = EvaluateJoveBatch(rules_, current);
        }
        if (holds && textOn) {
            holds = mayHold.empty() || mayHold[size_t(i)];
            if (holds) {
                ClearCurrentTitle(current);
                readTitle();
                reports.report("imdb", reader_.ReadImdbRecord(key, current));
                reports.report("media", reader_.ReadMediaRecord(current));
                reports.report("history", reader_.ReadHistoryRecord(key, current));
                holds = FactSearch::factHolding(current, needle).has_value();
            }
        }
        // The records the figures read, in their order: the merged genres need the title's first.
        if (holds && figure) {
            ClearCurrentTitle(current);
            readTitle();
            if (figureReadsImdb)
                reports.report("imdb", reader_.ReadImdbRecord(key, current));
            if (figureRecord == FigureRecord::History)
                reports.report("history", reader_.ReadHistoryRecord(key, current));
            holds = CollectionStats::fallsUnder(current, figure->dimension, figure->value,
                                                genreSource_);
        }
        if (holds)
            keep(key);
        if (progress_)
            progress_->step(int(i));
    }
    if (progress_)
        progress_->finish();
    // The walk may spare its look for every title's cover; the title it leaves behind, which an
    // export may take up next, still gets its own.
    if (titleFound && current.CoverFile.isEmpty()) {
        const QString cover = reader_.coverPathFor(current.Idx);
        if (CatalogueFileExists(cover))
            current.CoverFile = cover;
    }
}
