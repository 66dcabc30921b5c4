// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueReader.h"

#include "CatalogueFile.h"

#include "CatalogueIndex.h"
#include "FileExists.h"
#include "LineReader.h"
#include "RecordSteps.h"
#include "RecordSyntax.h"
#include "TrimSpaces.h"
#include <functional>

namespace {

using RecordSteps::FileKind;
using Step = std::function<std::optional<ReaderResult>(const QString& record)>;

// Runs `step` over the records of a file until one settles the search.
ReaderResult scan(const QString& path, const QString& label, bool continued, const Step& step) {
    auto contents = CatalogueFile::read(path, label);
    if (contents.failure)
        return ReaderResult::failed(*contents.failure);
    LineReader lines(std::move(contents.text));
    while (!lines.atEnd()) {
        const QString record = continued ? ReadRecordLine(lines) : lines.readLine();
        if (auto result = step(record))
            return *result;
    }
    return ReaderResult::notFound();
}

// Runs `step` on the one record the index says a scan for `key` would settle at. The index's
// own look at the file answers whether it exists, so a lookup costs one file-system call.
ReaderResult lookup(CatalogueIndex& index, const QString& path, const QString& label, FileKind kind,
                    const QString& key, const Step& step, bool missingIsQuiet) {
    const CatalogueIndex::Lookup found = index.get(path, kind, label);
    if (!found.index) {
        if (missingIsQuiet && !CatalogueFileExists(path))
            return ReaderResult::notFound();
        return ReaderResult::failed(*found.failure);
    }
    const std::optional<QString> record = found.index->recordFor(key);
    if (!record)
        return ReaderResult::notFound();
    return step(*record).value_or(ReaderResult::notFound());
}

} // namespace

CatalogueReader::CatalogueReader(const QString& dbPath, QString coverPath, CatalogueIndex* index)
    : titlePath_(dbPath + CatalogueFile::kTitles), imdbPath_(dbPath + CatalogueFile::kImdb),
      mediaPath_(dbPath + CatalogueFile::kMedia), historyPath_(dbPath + CatalogueFile::kHistory),
      coverPath_(std::move(coverPath)), index_(index) {}

void CatalogueReader::expectImdb(QStringView next, QStringView afterNext) const {
    if (!index_)
        return;
    if (const auto index = index_->built(imdbPath_))
        index->expect(next, afterNext);
}

void CatalogueReader::prepare(qint64 from) const {
    if (!index_)
        return;
    // The IMDB file first: it is by far the largest.
    index_->prepare(imdbPath_, FileKind::Imdb, RecordSteps::kImdbLabel, from);
    index_->prepare(titlePath_, FileKind::Title, RecordSteps::kTitleLabel, from);
    index_->prepare(mediaPath_, FileKind::Media, RecordSteps::kMediaLabel, from);
    index_->prepare(historyPath_, FileKind::History, RecordSteps::kHistoryLabel, from);
}

bool CatalogueReader::ready() const {
    return !index_ || (index_->ready(titlePath_) && index_->ready(imdbPath_) &&
                       index_->ready(mediaPath_) && index_->ready(historyPath_));
}

QString CatalogueReader::coverPathFor(const QString& idx) const {
    return coverPath_ + TrimSpaces(idx) + QStringLiteral(".jpg");
}

ReaderResult CatalogueReader::ReadTitleRecord(const QString& title, CurrentTitle& into) const {
    // No existence test: the list was read from this file.
    const QString& path = titlePath_;
    const Step step = [&](const QString& record) {
        return RecordSteps::title(record, title, into, lookForCovers_ ? &coverPath_ : nullptr);
    };
    if (index_)
        return lookup(*index_, path, RecordSteps::kTitleLabel, FileKind::Title, title, step, false);
    return scan(path, RecordSteps::kTitleLabel, true, step);
}

ReaderResult CatalogueReader::ReadImdbRecord(const QString& title, CurrentTitle& into) const {
    const QString& path = imdbPath_;
    const Step step = [&](const QString& record) { return RecordSteps::imdb(record, title, into); };
    if (index_)
        return lookup(*index_, path, RecordSteps::kImdbLabel, FileKind::Imdb, title, step, true);
    if (!CatalogueFileExists(path))
        return ReaderResult::notFound();
    return scan(path, RecordSteps::kImdbLabel, true, step);
}

ReaderResult CatalogueReader::ReadMediaRecord(CurrentTitle& into) const {
    const QString& path = mediaPath_;
    const Step step = [&](const QString& line) { return RecordSteps::media(line, into); };
    if (index_)
        return lookup(*index_, path, RecordSteps::kMediaLabel, FileKind::Media, into.Title, step,
                      true);
    if (!CatalogueFileExists(path))
        return ReaderResult::notFound();
    return scan(path, RecordSteps::kMediaLabel, false, step);
}

ReaderResult CatalogueReader::ReadHistoryRecord(const QString& title, CurrentTitle& into) const {
    // No existence test: a missing history file is reported every time.
    const QString& path = historyPath_;
    const Step step = [&](const QString& line) { return RecordSteps::history(line, title, into); };
    if (index_)
        return lookup(*index_, path, RecordSteps::kHistoryLabel, FileKind::History, title, step,
                      false);
    return scan(path, RecordSteps::kHistoryLabel, false, step);
}
