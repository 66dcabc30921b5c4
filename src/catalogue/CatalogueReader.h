// The four record readers. Each scans its file from the start for the first record whose key
// equals the title exactly, copies its fields into a CurrentTitle and reports what it met.
// Fields are copied one by one, so a record that runs out of fields leaves the earlier ones set.
//
// This sequential scan is the reference behaviour; faster readers must agree with it.
#pragma once

#include "CurrentTitle.h"
#include "ReaderResult.h"

#include <QString>

class CatalogueReader {
public:
    // Both folders end with a separator; file names are appended directly.
    CatalogueReader(QString dbPath, QString coverPath)
        : dbPath_(std::move(dbPath)), coverPath_(std::move(coverPath)) {}

    const QString& dbPath() const { return dbPath_; }
    const QString& coverPath() const { return coverPath_; }

    ReaderResult ReadTitleRecord(const QString& title, CurrentTitle& into) const;
    ReaderResult ReadImdbRecord(const QString& title, CurrentTitle& into) const;
    // Looks for into.Title, which ReadTitleRecord filled.
    ReaderResult ReadMediaRecord(CurrentTitle& into) const;
    ReaderResult ReadHistoryRecord(const QString& title, CurrentTitle& into) const;

    // CoverPath + Idx without surrounding blanks + ".jpg".
    QString coverPathFor(const QString& idx) const;

private:
    QString dbPath_;
    QString coverPath_;
};
