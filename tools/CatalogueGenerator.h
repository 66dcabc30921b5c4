// SPDX-License-Identifier: GPL-3.0-or-later
// Synthetic Reelkeep catalogues for tests and benchmarks.
//
// The same options always give the same bytes, on every platform and standard library: the random
// numbers come from a fixed generator with our own distributions, and the text is encoded by our
// own code. Every record is well-formed for its reader, yet the files use everything the record
// syntax allows: continuation lines, "NULL" fields, a few duplicate titles, titles missing from
// the companion files, companion records in an order of their own, and accented text.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class CatalogueGenerator {
public:
    struct Options {
        int titles = 0;
        quint64 seed = 0;
        // UTF-8 instead of Windows-1252, the catalogue program's own encoding.
        bool utf8 = false;
    };

    explicit CatalogueGenerator(const Options& options);

    // The four files, byte for byte as written: "reelkeep.dat", "imdb.dat", "media.dat",
    // "History.dat".
    QByteArray titleFile() const;
    QByteArray imdbFile() const;
    QByteArray mediaFile() const;
    QByteArray historyFile() const;

    // The title list as the viewer shows it: file order, duplicates kept.
    const QStringList& titles() const { return titles_; }

    // Which companion files hold a record for title-file entry `entry` (0-based). A duplicate
    // title may still be found through the record of another entry with the same text.
    bool hasImdbRecord(int entry) const;
    bool hasMediaRecord(int entry) const;
    bool hasHistoryRecord(int entry) const;

    // Writes the four files into `folder`, which is created when missing. On failure returns
    // false and, when `error` is given, says why.
    bool writeTo(const QString& folder, QString* error = nullptr) const;
    static bool write(const Options& options, const QString& folder, QString* error = nullptr);

private:
    enum Presence : quint8 { InImdb = 1, InMedia = 2, InHistory = 4 };

    QByteArray encode(const QString& text) const;
    QString titleRecord(int entry) const;
    QString imdbRecord(int entry) const;
    QString mediaRecord(int entry) const;
    QString historyRecord(int entry, QString* entered) const;

    Options options_;
    QStringList titles_;
    std::vector<quint8> presence_;
    std::vector<int> imdbOrder_;
    std::vector<int> mediaOrder_;
};
