// SPDX-License-Identifier: GPL-3.0-or-later
// The four record readers. Each finds the first record of its file whose key equals the title
// exactly, copies its fields into a CurrentTitle and reports what it met. Fields are copied one
// by one, so a record that runs out of fields leaves the earlier ones set.
//
// Without an index each call scans its file from the start: the reference behaviour. With one,
// a call looks the record up; both give the same result for every file and key. The index may
// be built ahead, while the list is on show, so that the first title shown waits for no file.
#pragma once

#include "CatalogueIndex.h"
#include "CurrentTitle.h"
#include "ReaderResult.h"

#include <QString>
#include <QStringView>

class CatalogueReader {
public:
    // Both folders end with a separator; file names are appended directly.
    CatalogueReader(const QString& dbPath, QString coverPath, CatalogueIndex* index = nullptr);

    ReaderResult ReadTitleRecord(const QString& title, CurrentTitle& into) const;
    ReaderResult ReadImdbRecord(const QString& title, CurrentTitle& into) const;
    // Looks for into.Title, which ReadTitleRecord filled.
    ReaderResult ReadMediaRecord(CurrentTitle& into) const;
    ReaderResult ReadHistoryRecord(const QString& title, CurrentTitle& into) const;

    // A walk's hint: the titles it reads from the IMDB file after the current one, in order.
    // Their places in memory are prefetched, since that file is read in an order of its
    // own. Only an index already built makes use of it.
    void expectImdb(QStringView next, QStringView afterNext) const;

    // Has the index build its lookups into each of the four files of `from` bytes or more on a
    // worker thread. Without an index, nothing.
    void prepare(qint64 from = CatalogueIndex::kAheadFrom) const;
    // False while a file a title's record is read from is still being indexed ahead: reading
    // the title now would wait for it.
    bool ready() const;

    // CoverPath + Idx without surrounding blanks + ".jpg".
    QString coverPathFor(const QString& idx) const;

    // For walks that use no title's CoverFile but the last one's (the filter): the title reader
    // then leaves it empty and spares a look at the disk per title.
    void skipCovers() { lookForCovers_ = false; }

private:
    // The four files' paths, made once: a walk reads them for every title.
    QString titlePath_;
    QString imdbPath_;
    QString mediaPath_;
    QString historyPath_;
    QString coverPath_;
    CatalogueIndex* index_;
    bool lookForCovers_ = true;
};
