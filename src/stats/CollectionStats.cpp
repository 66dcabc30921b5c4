// SPDX-License-Identifier: GPL-3.0-or-later
#include "CollectionStats.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/EnteredDate.h"
#include "catalogue/FileExists.h"
#include "catalogue/GenresFor.h"
#include "catalogue/NumberText.h"
#include "catalogue/RecordSteps.h"
#include "catalogue/TrimSpaces.h"

#include <QHash>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace {

using RecordSteps::FileKind;

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The figures are counted by number where the value is one, and written as text only at the
// end: a walk over 100,000 titles makes no string per title and dimension. fallsUnder() writes
// the same numbers the same way.

// The IMDB year, four digits; -1 for anything else.
int yearOf(const CurrentTitle& title) {
    const QString& year = title.Year;
    if (year.size() != 4 || !std::all_of(year.begin(), year.end(), isAsciiDigit))
        return -1;
    return year.toInt();
}

QString yearText(int year) {
    return year < 0 ? QString() : QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

QString decadeText(int year) {
    return year < 0 ? QString() : yearText(year - year % 10) + u's';
}

// "DVDR-Spindle 3" is on a DVDR-Spindle: the number of the box, shelf or spindle is cut.
QString locationOf(const CurrentTitle& title) {
    const QString& location = title.Location;
    qsizetype end = location.size();
    while (end > 0 && (isAsciiDigit(location.at(end - 1)) || location.at(end - 1) == u' '))
        --end;
    return end == location.size() ? location : location.left(end);
}

// One bucket per whole point, "0–1" to "9–10", 10 itself in the last: the bucket's lower
// bound, -1 for none. The number is read as the rating bar reads it; a text that starts with
// no number ("Null", empty), or one beyond 0 to 10, is none.
int ratingOf(const CurrentTitle& title) {
    const QString& text = title.ImdbRating;
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    if (i < text.size() && text.at(i) == u'.')
        ++i;
    if (i == text.size() || !isAsciiDigit(text.at(i)))
        return -1;
    const double rating = LeadingNumber(text);
    if (!(rating >= 0 && rating <= 10))
        return -1;
    return std::min(int(std::floor(rating)), 9);
}

QString ratingText(int bucket) {
    return bucket < 0 ? QString() : QStringLiteral("%1–%2").arg(bucket).arg(bucket + 1);
}

// The month of entry as year * 12 + month - 1, from the entry date in any form the display
// reads; -1 for none.
int enteredOf(const CurrentTitle& title) {
    const std::optional<QDate> date = ParseEnteredDate(title.Entered);
    if (!date || date->year() < 0)
        return -1;
    return date->year() * 12 + date->month() - 1;
}

QString enteredText(int month) {
    return month < 0 ? QString()
                     : QStringLiteral("%1-%2")
                           .arg(month / 12, 4, 10, QLatin1Char('0'))
                           .arg(month % 12 + 1, 2, 10, QLatin1Char('0'));
}

// Each genre once, split at commas and trimmed, in the order the list names them.
template <typename Each> void forEachGenre(const QString& genres, Each each) {
    QVarLengthArray<QStringView, 8> seen;
    for (const QStringView piece : QStringView(genres).tokenize(u',')) {
        const QStringView genre = TrimSpaces(piece);
        if (genre.isEmpty() || std::find(seen.begin(), seen.end(), genre) != seen.end())
            continue;
        seen.append(genre);
        each(genre);
    }
}

// What each dimension counts, by number or by text; the empty text, or -1, is the empty value.
struct Tally {
    QHash<int, int> years;
    QHash<int, int> ratings;
    QHash<int, int> months;
    QHash<QString, int> genres, locations, media, statuses;

    void add(const CurrentTitle& title, const QString& genreSource) {
        ++years[yearOf(title)];
        ++ratings[ratingOf(title)];
        ++months[enteredOf(title)];
        bool anyGenre = false;
        forEachGenre(GenresFor(title, genreSource), [&](QStringView genre) {
            ++genres[genre.toString()];
            anyGenre = true;
        });
        if (!anyGenre)
            ++genres[QString()];
        ++locations[locationOf(title)];
        ++media[title.Medium];
        ++statuses[title.Status];
    }
};

// The counts in the dimension's order, the empty value last whatever its count.
QList<FigureCount> ordered(QList<FigureCount> rows, FigureDimension dimension) {
    // Years, decades, ratings and months all read in order as plain text: "1999" < "2005",
    // "2006-03" < "2006-11", "0–1" < "9–10".
    const bool byValue = FigureDimensionIsOrdered(dimension);
    std::sort(rows.begin(), rows.end(), [byValue](const FigureCount& a, const FigureCount& b) {
        if (a.value.isEmpty() != b.value.isEmpty())
            return b.value.isEmpty();
        if (!byValue && a.count != b.count)
            return a.count > b.count;
        return a.value < b.value;
    });
    return rows;
}

// Counts by number written as text; counts of values that fall on one text are added up.
template <typename Key, typename Text>
QList<FigureCount> rowsOf(const QHash<Key, int>& counts, Text text) {
    QHash<QString, int> byText;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        byText[text(it.key())] += it.value();
    QList<FigureCount> rows;
    rows.reserve(byText.size());
    for (auto it = byText.begin(); it != byText.end(); ++it)
        rows.append({it.key(), it.value()});
    return rows;
}

QList<FigureCount> rowsOf(const QHash<QString, int>& counts) {
    return rowsOf(counts, [](const QString& value) { return value; });
}

} // namespace

CollectionStats::CollectionStats(CatalogueIndex& index, const QString& dbPath,
                                 const QString& genreSource)
    : genreSource_(genreSource) {
    // As CatalogueReader looks up: an absent IMDB file is passed over in silence, an absent
    // title or history file is a failure each title meets.
    const auto snapshot = [&](const QString& name, FileKind kind, const QString& label,
                              bool missingIsQuiet) {
        const QString path = dbPath + name;
        CatalogueIndex::Lookup found = index.get(path, kind, label);
        if (found.index)
            return Snapshot{std::move(found.index), ReaderResult::notFound()};
        if (missingIsQuiet && !CatalogueFileExists(path))
            return Snapshot{nullptr, ReaderResult::notFound()};
        return Snapshot{nullptr, ReaderResult::failed(*found.failure)};
    };
    title_ = snapshot(CatalogueFile::kTitles, FileKind::Title, RecordSteps::kTitleLabel, false);
    imdb_ = snapshot(CatalogueFile::kImdb, FileKind::Imdb, RecordSteps::kImdbLabel, true);
    history_ =
        snapshot(CatalogueFile::kHistory, FileKind::History, RecordSteps::kHistoryLabel, false);
}

CollectionFigures CollectionStats::compute(const TitleKeys& titles, Progress* progress,
                                           const std::atomic<bool>* cancel) const {
    // Each read as the matching reader of CatalogueReader reads it, from the snapshot.
    using Step = std::optional<ReaderResult> (*)(const QString&, const QString&, CurrentTitle&);
    const auto read = [](const Snapshot& file, const QString& key, CurrentTitle& into, Step step) {
        if (!file.index)
            return file.without;
        const std::optional<QString> record = file.index->recordFor(key);
        if (!record)
            return ReaderResult::notFound();
        return step(*record, key, into).value_or(ReaderResult::notFound());
    };
    const Step titleStep = [](const QString& record, const QString& key, CurrentTitle& into) {
        return RecordSteps::title(record, key, into, nullptr);
    };

    CollectionFigures figures;
    Tally tally;
    // A failure is listed the first time the walk meets it in a file, as the filter shows it.
    std::array<bool, 3> reported{};
    const auto report = [&](size_t file, const ReaderResult& result) {
        if (reported[file])
            return;
        if (const auto message = result.message()) {
            reported[file] = true;
            figures.failures << message->asPlainText();
        }
    };
    constexpr int kStepEvery = 1024;
    if (progress)
        progress->start(int(titles.size()));
    CurrentTitle title;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            figures.cancelled = true;
            break;
        }
        if (progress && i % kStepEvery == 0)
            progress->step(int(i));
        // The IMDB and history files keep orders of their own: their next records are fetched
        // into the cache while this title is read.
        if (i + 2 < titles.size())
            for (const Snapshot* file : {&imdb_, &history_})
                if (file->index)
                    file->index->expect(titles.at(i + 1), titles.at(i + 2));
        const QString key = titles.at(i).toString();
        ClearCurrentTitle(title);
        // The title first: the merged genres the IMDB reader makes start from its genres.
        report(0, read(title_, key, title, titleStep));
        report(1, read(imdb_, key, title, &RecordSteps::imdb));
        report(2, read(history_, key, title, &RecordSteps::history));
        tally.add(title, genreSource_);
        ++figures.titles;
    }
    const auto set = [&](FigureDimension dimension, QList<FigureCount> rows) {
        figures.counts[int(dimension)] = ordered(std::move(rows), dimension);
    };
    set(FigureDimension::Year, rowsOf(tally.years, yearText));
    set(FigureDimension::Decade, rowsOf(tally.years, decadeText));
    set(FigureDimension::Genre, rowsOf(tally.genres));
    set(FigureDimension::Location, rowsOf(tally.locations));
    set(FigureDimension::Medium, rowsOf(tally.media));
    set(FigureDimension::Rating, rowsOf(tally.ratings, ratingText));
    set(FigureDimension::Status, rowsOf(tally.statuses));
    set(FigureDimension::Entered, rowsOf(tally.months, enteredText));
    if (progress)
        progress->finish();
    return figures;
}

bool CollectionStats::fallsUnder(const CurrentTitle& title, FigureDimension dimension,
                                 const QString& value, const QString& genreSource) {
    switch (dimension) {
    case FigureDimension::Year:
        return yearText(yearOf(title)) == value;
    case FigureDimension::Decade:
        return decadeText(yearOf(title)) == value;
    case FigureDimension::Genre: {
        bool under = false, anyGenre = false;
        forEachGenre(GenresFor(title, genreSource), [&](QStringView genre) {
            under = under || genre == value;
            anyGenre = true;
        });
        return under || (!anyGenre && value.isEmpty());
    }
    case FigureDimension::Location:
        return locationOf(title) == value;
    case FigureDimension::Medium:
        return title.Medium == value;
    case FigureDimension::Rating:
        return ratingText(ratingOf(title)) == value;
    case FigureDimension::Status:
        return title.Status == value;
    case FigureDimension::Entered:
        return enteredText(enteredOf(title)) == value;
    }
    return false;
}
