// SPDX-License-Identifier: GPL-3.0-or-later
#include "FactSearch.h"

#include "GatherTitle.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/FoldedText.h"
#include "catalogue/RecordSteps.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

using RecordSteps::FileKind;

struct CatalogueFileOf {
    const QString& name;
    FileKind kind;
    const QString& label;
};
// In the order the readers go; the media reader looks for the title the title reader found.
const std::array<CatalogueFileOf, 4>& catalogueFiles() {
    static const std::array<CatalogueFileOf, 4> files{{
        {CatalogueFile::kTitles, FileKind::Title, RecordSteps::kTitleLabel},
        {CatalogueFile::kImdb, FileKind::Imdb, RecordSteps::kImdbLabel},
        {CatalogueFile::kMedia, FileKind::Media, RecordSteps::kMediaLabel},
        {CatalogueFile::kHistory, FileKind::History, RecordSteps::kHistoryLabel},
    }};
    return files;
}
constexpr size_t kMediaFile = 2;

// Whether a fact that is not a verbatim piece of its record could hold the needle: the entry
// type's words, genres merged with ", ", lines joined with "^", a comment's "^^" made a line
// break. Such a needle makes every title a candidate.
bool reachesPastRecords(const FoldedNeedle& needle) {
    static const QString entryTypes[] = {FoldedText::fold(u"Single Entry"),
                                         FoldedText::fold(u"Series/Box set")};
    const QString& text = needle.folded();
    return text.contains(u',') || text.contains(u'^') || text.contains(u'\r') ||
           text.contains(u'\n') || entryTypes[0].contains(text) || entryTypes[1].contains(text);
}

// Up to this many characters of the fact on either side of the match.
constexpr qsizetype kContext = 24;

// The match with some of the fact around it, cut between words where it is cut.
QString excerpt(const QString& text, FoldedText::Span span) {
    qsizetype begin = std::max(qsizetype(0), span.begin - kContext);
    qsizetype end = std::min(text.size(), span.end + kContext);
    while (begin > 0 && begin < span.begin && !text.at(begin - 1).isSpace())
        ++begin;
    while (end < text.size() && end > span.end && !text.at(end).isSpace())
        --end;
    QString shown = text.mid(begin, end - begin).simplified();
    if (begin > 0)
        shown.prepend(QStringLiteral("… "));
    if (end < text.size())
        shown.append(QStringLiteral(" …"));
    return shown;
}

} // namespace

FactSearch::FactSearch(CatalogueIndex& index, QString dbPath)
    : index_(index), dbPath_(std::move(dbPath)) {}

bool FactSearch::current(const TitleKeys& titles) {
    if (!built_ || !(titles == titles_))
        return false;
    for (size_t f = 0; f < files_.size(); ++f) {
        const CatalogueFileOf& file = catalogueFiles()[f];
        if (index_.get(dbPath_ + file.name, file.kind, file.label).index != files_[f].index)
            return false;
    }
    return true;
}

void FactSearch::build(const TitleKeys& titles) {
    titles_ = titles;
    lastText_.clear();
    lastCandidates_.clear();
    for (size_t f = 0; f < files_.size(); ++f) {
        const CatalogueFileOf& file = catalogueFiles()[f];
        files_[f].index = index_.get(dbPath_ + file.name, file.kind, file.label).index;
        files_[f].entries.clear();
        files_[f].entries.reserve(size_t(titles.size()));
    }
    for (qsizetype row = 0; row < titles.size(); ++row) {
        const QStringView key = titles.at(row);
        bool titleFound = false;
        for (size_t f = 0; f < files_.size(); ++f) {
            const RecordIndex* index = files_[f].index.get();
            if (!index)
                continue;
            // The media reader looks for the title the title record gave, none when it had none.
            const QStringView lookFor = f == kMediaFile && !titleFound ? QStringView() : key;
            const std::optional<QByteArrayView> record = index->keyedRecord(lookFor);
            if (f == 0)
                titleFound = record.has_value();
            if (record)
                files_[f].entries.push_back({*record, row});
        }
    }
    // In file order, so that a search reads each file front to back.
    for (FileRecords& file : files_)
        std::sort(file.entries.begin(), file.entries.end(),
                  [](const FileRecords::Entry& a, const FileRecords::Entry& b) {
                      return a.bytes.data() < b.bytes.data();
                  });
    built_ = true;
}

std::vector<bool> FactSearch::candidates(const TitleKeys& titles, const FoldedNeedle& needle) {
    const CatalogueIndex::Pin pin(index_);
    if (!current(titles))
        build(titles);
    if (needle.folded() == lastText_ && lastCandidates_.size() == size_t(titles.size()))
        return lastCandidates_;
    std::vector<bool> found(size_t(titles.size()), reachesPastRecords(needle));
    if (!reachesPastRecords(needle)) {
        for (const FileRecords& file : files_) {
            const char* last = nullptr;
            bool lastHeld = false;
            for (const FileRecords::Entry& entry : file.entries) {
                // Titles listed twice share their record: it is looked at once.
                if (entry.bytes.data() != last) {
                    last = entry.bytes.data();
                    lastHeld = needle.foundIn(entry.bytes, file.index->isUtf8());
                }
                if (lastHeld)
                    found[size_t(entry.row)] = true;
            }
        }
    }
    lastText_ = needle.folded();
    lastCandidates_ = found;
    return found;
}

std::optional<FactSearch::Hit> FactSearch::factHolding(const CurrentTitle& title,
                                                       const FoldedNeedle& needle) {
    for (const CurrentTitle::Field& field : CurrentTitle::fields()) {
        if (field.member == &CurrentTitle::CoverFile)
            continue;
        const QString& text = title.*field.member;
        if (const auto span = FoldedText::find(text, needle.folded()))
            return Hit{-1, QString::fromLatin1(field.name), excerpt(text, *span)};
    }
    return std::nullopt;
}

// The facts by the names `show` prints, for the translation; the status bar shows them in the
// user's language.
[[maybe_unused]] constexpr const char* kFactNames[] = {
    QT_TRANSLATE_NOOP("Facts", "Title"),      QT_TRANSLATE_NOOP("Facts", "EntryType"),
    QT_TRANSLATE_NOOP("Facts", "Location"),   QT_TRANSLATE_NOOP("Facts", "CatalogueGenre"),
    QT_TRANSLATE_NOOP("Facts", "Status"),     QT_TRANSLATE_NOOP("Facts", "Medium"),
    QT_TRANSLATE_NOOP("Facts", "Rating"),     QT_TRANSLATE_NOOP("Facts", "AkaTitle"),
    QT_TRANSLATE_NOOP("Facts", "Comments"),   QT_TRANSLATE_NOOP("Facts", "Idx"),
    QT_TRANSLATE_NOOP("Facts", "UserIdx"),    QT_TRANSLATE_NOOP("Facts", "ImdbName"),
    QT_TRANSLATE_NOOP("Facts", "Year"),       QT_TRANSLATE_NOOP("Facts", "Director"),
    QT_TRANSLATE_NOOP("Facts", "Tagline"),    QT_TRANSLATE_NOOP("Facts", "Summary"),
    QT_TRANSLATE_NOOP("Facts", "ImdbGenre"),  QT_TRANSLATE_NOOP("Facts", "Actors"),
    QT_TRANSLATE_NOOP("Facts", "Mpaa"),       QT_TRANSLATE_NOOP("Facts", "Language"),
    QT_TRANSLATE_NOOP("Facts", "Runtime"),    QT_TRANSLATE_NOOP("Facts", "ImdbRating"),
    QT_TRANSLATE_NOOP("Facts", "ImdbLink"),   QT_TRANSLATE_NOOP("Facts", "Format"),
    QT_TRANSLATE_NOOP("Facts", "NoFiles"),    QT_TRANSLATE_NOOP("Facts", "Length"),
    QT_TRANSLATE_NOOP("Facts", "Width"),      QT_TRANSLATE_NOOP("Facts", "Height"),
    QT_TRANSLATE_NOOP("Facts", "Framerate"),  QT_TRANSLATE_NOOP("Facts", "VideoBitrate"),
    QT_TRANSLATE_NOOP("Facts", "VideoCodec"), QT_TRANSLATE_NOOP("Facts", "AudioBitrate"),
    QT_TRANSLATE_NOOP("Facts", "AudioCodec"), QT_TRANSLATE_NOOP("Facts", "AudioChannels"),
    QT_TRANSLATE_NOOP("Facts", "Samplerate"), QT_TRANSLATE_NOOP("Facts", "Genre"),
    QT_TRANSLATE_NOOP("Facts", "Entered"),
};

QString FactSearch::describe(const Hit& hit) {
    if (hit.fact.isEmpty())
        return {};
    return QCoreApplication::translate("Facts", hit.fact.toLatin1().constData()) +
           QStringLiteral(": ") + hit.excerpt;
}

std::optional<FactSearch::Hit> FactSearch::find(const TitleKeys& titles, const QString& text,
                                                qsizetype from, FindScope scope) {
    const FoldedNeedle needle(text);
    if (needle.isEmpty() || titles.isEmpty())
        return std::nullopt;
    if (from < 0 || from >= titles.size())
        from = 0;
    if (scope == FindScope::Title) {
        for (qsizetype n = 0; n < titles.size(); ++n) {
            const qsizetype row = (from + n) % titles.size();
            if (FoldedText::contains(titles.at(row), needle.folded()))
                return Hit{row, {}, {}};
        }
        return std::nullopt;
    }
    const std::vector<bool> mayHold = candidates(titles, needle);
    const CatalogueIndex::Pin pin(index_);
    CatalogueReader reader(dbPath_, dbPath_, &index_);
    reader.skipCovers();
    CurrentTitle title;
    for (qsizetype n = 0; n < titles.size(); ++n) {
        const qsizetype row = (from + n) % titles.size();
        if (!mayHold[size_t(row)])
            continue;
        GatherTitle(reader, titles.at(row).toString(), title, {});
        if (std::optional<Hit> hit = factHolding(title, needle)) {
            hit->row = row;
            return hit;
        }
    }
    return std::nullopt;
}
