// SPDX-License-Identifier: GPL-3.0-or-later
// The indexed readers against the sequential ones on generated catalogues, clean and damaged,
// with the indexes built at the first lookup or ahead on a worker thread.
#include "catalogue//CatalogueIndex.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/TitleListReader.h"
#include "platform/MessageTexts.h"
#include "support/CatalogueFolder.h"
#include "tools/CatalogueGenerator.h"

#include <QTest>
#include <random>

// Lines the readers treat specially, spliced into a file at random line starts, kinds in turn.
// clang-format off
const QList<QByteArray> kDamage = {"~ no separator here ~", "plain text, no tilde", "~x~", "",
    "~|only in the framing~", "~ \xc3\xa9| accent at the start ~", "~ k| x ~\xc3\xa9",
    "~ with\nlone LF| x ~", "~~~~", "~ open record| never closed"};
// clang-format on

// What the four readers meet for `key` (in order: media is keyed by the title read), then fields.
static QStringList readAll(const CatalogueReader& r, const QString& key) {
    CurrentTitle t;
    QStringList met{key};
    for (const ReaderResult& got : {r.ReadTitleRecord(key, t), r.ReadImdbRecord(key, t),
                                    r.ReadMediaRecord(t), r.ReadHistoryRecord(key, t)})
        met << QString::number(int(got.outcome)) +
                   (got.failure ? MessageTexts::criticalError(*got.failure).text : "");
    for (const auto& field : CurrentTitle::fields())
        met << t.*field.member;
    return met;
}

class TestIndexDiff : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameResults_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("damageTo"); // -1 none, else 0 title, 1 imdb, 2 media, 3 history
        QTest::addColumn<bool>("ahead");   // the lookups race the builds on the worker thread
        for (quint64 seed = 1; seed <= 4; ++seed)
            for (int file = -1; file < 4; ++file)
                for (bool ahead : {false, true})
                    QTest::addRow("seed %llu damage %d%s", seed, file, ahead ? " ahead" : "")
                        << seed << file << ahead;
    }
    void sameResults() {
        QFETCH(quint64, seed);
        QFETCH(int, damageTo);
        QFETCH(bool, ahead);
        const CatalogueGenerator gen({100, seed, seed % 2 == 0}); // even seeds in UTF-8
        const char* const names[] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};
        CatalogueFolder db;
        QVERIFY(gen.writeTo(db.dbPath()));
        if (damageTo >= 0) {
            QList<QByteArray> lines = Contents(db.dbPath() + names[damageTo]).split('\n');
            std::mt19937 random(unsigned(seed * 31 + unsigned(damageTo)));
            for (int kind = int(seed) * 12 + damageTo * 3, end = kind + 3; kind < end; ++kind)
                lines.insert(qsizetype(random() % lines.size()), kDamage[kind % 10] + '\r');
            db.write(names[damageTo], lines.join('\n'));
        }
        CatalogueIndex index;
        const TitleList seq = ReadTitleList(db.dbPath()),
                        indexed = ReadTitleList(db.dbPath(), &index);
        QCOMPARE(indexed.titles.toStringList(), seq.titles.toStringList());
        QCOMPARE(int(indexed.outcome), int(seq.outcome));
        QCOMPARE(indexed.failure, seq.failure);
        const CatalogueReader slow(db.dbPath(), db.coverPath());
        const CatalogueReader fast(db.dbPath(), db.coverPath(), &index);
        if (ahead)
            fast.prepare(0);
        for (const QString& key :
             gen.titles() + QStringList{"", "not in the catalogue", " " + gen.titles().first()})
            QCOMPARE(readAll(fast, key), readAll(slow, key));
    }

    // A file rewritten is read again, but not in the middle of a walk, which pins the index.
    void rewrittenFileIsReadAgain() {
        CatalogueFolder db;
        CatalogueIndex index;
        const CatalogueReader fast(db.dbPath(), db.coverPath(), &index);
        const auto entered = [&](const char* rewrite = nullptr) {
            if (rewrite)
                db.writeLines("History.dat", {QString("~ A| %1| x| y ~").arg(rewrite)});
            CurrentTitle t;
            fast.ReadHistoryRecord("A", t);
            return t.Entered;
        };
        QCOMPARE(entered("2001-01-01"), "2001-01-01");
        QCOMPARE(entered("2002-02-02 and more"), "2002-02-02 and more");
        QFile::remove(db.dbPath() + "History.dat");
        QCOMPARE(entered(), QString()); // not the index of the file that was
        std::optional<CatalogueIndex::Pin> walk(std::in_place, index);
        QCOMPARE(entered("2003-03-03 at a walk's start"), "2003-03-03 at a walk's start");
        QCOMPARE(entered("2004-04-04, during the walk"), "2003-03-03 at a walk's start");
        walk.emplace(index); // the next walk
        QCOMPARE(entered(), "2004-04-04, during the walk");
    }

    // A file changed during or after its build ahead is read again at its lookup, also one
    // rewritten within its size: its modification time tells.
    void changedWhileIndexedAhead_data() {
        QTest::addColumn<bool>("sameSize");
        QTest::addColumn<bool>("built"); // changed once the build is done, else as it starts
        for (bool sameSize : {false, true})
            for (bool built : {false, true})
                QTest::addRow("%s, %s", sameSize ? "same size" : "grown",
                              built ? "after the build" : "during it")
                    << sameSize << built;
    }
    void changedWhileIndexedAhead() {
        QFETCH(bool, sameSize);
        QFETCH(bool, built);
        CatalogueFolder db;
        db.writeLines("History.dat", {"~ A| 2001-01-01| x| y ~"});
        const QString path = db.dbPath() + "History.dat";
        const QDateTime written = QFileInfo(path).lastModified();
        CatalogueIndex index;
        const CatalogueReader fast(db.dbPath(), db.coverPath(), &index);
        fast.prepare(0);
        if (built)
            QTRY_VERIFY(index.ready(path));
        const QString entered = sameSize ? "2002-02-02" : "2002-02-02 and more";
        db.writeLines("History.dat", {"~ A| " + entered + "| x| y ~"});
        QVERIFY(SetModified(path, written.addSecs(60)));
        CurrentTitle t;
        fast.ReadHistoryRecord("A", t);
        QCOMPARE(t.Entered, entered);
    }
};

QTEST_GUILESS_MAIN(TestIndexDiff)
#include "tst_indexdiff.moc"
