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
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

using RecordSteps::FileKind;

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString yearOf(const CurrentTitle& title) {
    const QString& year = title.Year;
    return year.size() == 4 && std::all_of(year.begin(), year.end(), isAsciiDigit) ? year
                                                                                   : QString();
}

QString decadeOf(const CurrentTitle& title) {
    const QString year = yearOf(title);
    return year.isEmpty() ? QString() : year.left(3) + QStringLiteral("0s");
}

// "DVDR-Spindle 3" is on a DVDR-Spindle: the number of the box, shelf or spindle is cut.
QString locationOf(const CurrentTitle& title) {
    qsizetype end = title.Location.size();
    while (end > 0 &&
           (isAsciiDigit(title.Location.at(end - 1)) || title.Location.at(end - 1) == u' '))
        --end;
    return title.Location.left(end);
}

// One bucket per whole point, "0–1" to "9–10", 10 itself in the last. The number is read as
// the rating bar reads it; a text that starts with no number, or one beyond 0 to 10, is none.
QString ratingOf(const CurrentTitle& title) {
    const QString& text = title.ImdbRating;
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    if (i < text.size() && text.at(i) == u'.')
        ++i;
    if (i == text.size() || !isAsciiDigit(text.at(i)))
        return {};
    const double rating = LeadingNumber(text);
    if (!(rating >= 0 && rating <= 10))
        return {};
    const int bucket = std::min(int(std::floor(rating)), 9);
    return QStringLiteral("%1–%2").arg(bucket).arg(bucket + 1);
}

// "2006-03", from the entry date in any form the display reads.
QString enteredOf(const CurrentTitle& title) {
    const std::optional<QDate> date = ParseEnteredDate(title.Entered);
    if (!date)
        return {};
    return QStringLiteral("%1-%2")
        .arg(date->year(), 4, 10, QLatin1Char('0'))
        .arg(date->month(), 2, 10, QLatin1Char('0'));
}

// Each genre once, in the order the list names them.
QStringList genresOf(const CurrentTitle& title, const QString& genreSource) {
    QStringList genres;
    for (const QString& piece : GenresFor(title, genreSource).split(u',')) {
        const QString genre = TrimSpaces(piece);
        if (!genre.isEmpty() && !genres.contains(genre))
            genres << genre;
    }
    return genres;
}

// The values a title falls under in one dimension: one, or a genre list (empty: the empty value).
QStringList valuesOf(const CurrentTitle& title, FigureDimension dimension,
                     const QString& genreSource) {
    switch (dimension) {
    case FigureDimension::Year:
        return {yearOf(title)};
    case FigureDimension::Decade:
        return {decadeOf(title)};
    case FigureDimension::Genre: {
        QStringList genres = genresOf(title, genreSource);
        return genres.isEmpty() ? QStringList{QString()} : genres;
    }
    case FigureDimension::Location:
        return {locationOf(title)};
    case FigureDimension::Medium:
        return {title.Medium};
    case FigureDimension::Rating:
        return {ratingOf(title)};
    case FigureDimension::Status:
        return {title.Status};
    case FigureDimension::Entered:
        return {enteredOf(title)};
    }
    return {QString()};
}

// The counts in the dimension's order, the empty value last whatever its count.
QList<FigureCount> ordered(const QHash<QString, int>& counts, FigureDimension dimension) {
    QList<FigureCount> rows;
    rows.reserve(counts.size());
    for (auto it = counts.begin(); it != counts.end(); ++it)
        rows.append({it.key(), it.value()});
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
    std::array<QHash<QString, int>, kFigureDimensions.size()> counts;
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
        if (imdb_.index && i + 2 < titles.size())
            imdb_.index->expect(titles.at(i + 1), titles.at(i + 2));
        const QString key = titles.at(i).toString();
        ClearCurrentTitle(title);
        // The title first: the merged genres the IMDB reader makes start from its genres.
        report(0, read(title_, key, title, titleStep));
        report(1, read(imdb_, key, title, &RecordSteps::imdb));
        report(2, read(history_, key, title, &RecordSteps::history));
        for (const FigureDimension dimension : kFigureDimensions)
            for (const QString& value : valuesOf(title, dimension, genreSource_))
                ++counts[int(dimension)][value];
        ++figures.titles;
    }
    for (const FigureDimension dimension : kFigureDimensions)
        figures.counts[int(dimension)] = ordered(counts[int(dimension)], dimension);
    if (progress)
        progress->finish();
    return figures;
}

bool CollectionStats::fallsUnder(const CurrentTitle& title, FigureDimension dimension,
                                 const QString& value, const QString& genreSource) {
    return valuesOf(title, dimension, genreSource).contains(value);
}
