// The indexed readers against the sequential reference: on generated catalogues, clean and
// damaged in every way the readers distinguish, both must give the same list, the same fields
// and the same failures for every title and for titles not in the files.
#include "catalogue/CatalogueIndex.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/TitleListReader.h"
#include "support/CatalogueFolder.h"
#include "tools/CatalogueGenerator.h"

#include <QTest>
#include <random>

namespace {

// Lines the readers treat specially, spliced into a file at random line starts.
const QList<QByteArray> kDamage = {
    "~ no separator here ~",
    "plain text, no tilde",
    "~x~",
    "",
    "~|only in the framing~",
    "~ \xc3\xa9| accent at the start ~",
    "~ k| x ~\xc3\xa9",
    "~ with\nlone LF| x ~",
    "~~~~",
    "~ open record| never closed",
};

QByteArray damaged(const QByteArray& file, std::mt19937& random, int count) {
    QList<QByteArray> lines = file.split('\n');
    for (int i = 0; i < count && !lines.isEmpty(); ++i) {
        const auto at = qsizetype(random() % lines.size());
        const QByteArray& line = kDamage[qsizetype(random() % kDamage.size())];
        lines.insert(at, line + '\r');
    }
    return lines.join('\n');
}

QString describe(const ReaderResult& r) {
    return QString::number(int(r.outcome)) + u' ' +
           (r.failure ? r.failure->message().text : QString());
}

} // namespace

class TestIndexDiff : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sameResults_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<int>("damageTo"); // -1 none, else 0 title, 1 imdb, 2 media, 3 history
        for (quint64 seed = 1; seed <= 2; ++seed)
            for (const bool utf8 : {false, true})
                for (int file = -1; file < 4; ++file)
                    QTest::addRow("seed %llu %s damage %d", seed, utf8 ? "utf8" : "1252", file)
                        << seed << utf8 << file;
    }
    void sameResults() {
        QFETCH(quint64, seed);
        QFETCH(bool, utf8);
        QFETCH(int, damageTo);
        const CatalogueGenerator gen({100, seed, utf8});
        QByteArray files[] = {gen.titleFile(), gen.imdbFile(), gen.mediaFile(), gen.historyFile()};
        std::mt19937 random(unsigned(seed * 31 + unsigned(damageTo)));
        if (damageTo >= 0)
            files[damageTo] = damaged(files[damageTo], random, 3);
        CatalogueFolder db;
        const char* names[] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};
        for (int i = 0; i < 4; ++i)
            db.write(names[i], files[i]);

        CatalogueIndex index;
        const TitleList reference = ReadTitleList(db.dbPath());
        const TitleList indexed = ReadTitleList(db.dbPath(), &index);
        QCOMPARE(indexed.titles.toStringList(), reference.titles.toStringList());
        QCOMPARE(int(indexed.outcome), int(reference.outcome));
        QCOMPARE(indexed.failure, reference.failure);

        const CatalogueReader slow(db.dbPath(), db.coverPath());
        const CatalogueReader fast(db.dbPath(), db.coverPath(), &index);
        QStringList keys = gen.titles();
        keys << ""
             << "not in the catalogue"
             << " " + gen.titles().first();
        for (const QString& key : keys) {
            CurrentTitle a, b;
            QCOMPARE(describe(fast.ReadTitleRecord(key, b)),
                     describe(slow.ReadTitleRecord(key, a)));
            QCOMPARE(describe(fast.ReadImdbRecord(key, b)), describe(slow.ReadImdbRecord(key, a)));
            QCOMPARE(describe(fast.ReadMediaRecord(b)), describe(slow.ReadMediaRecord(a)));
            QCOMPARE(describe(fast.ReadHistoryRecord(key, b)),
                     describe(slow.ReadHistoryRecord(key, a)));
            QVERIFY2(a == b, qPrintable(key));
        }
    }

    // A file the catalogue program rewrites is read again at the next lookup. A walk pins the
    // index: a rewrite in the middle is not mixed into it, and the next walk starts from the file
    // as it is now, not as the last one left it.
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
        {
            const CatalogueIndex::Pin pin(index);
            QCOMPARE(entered(), "2002-02-02 and more");
            QCOMPARE(entered("2003-03-03, written during a walk"), "2002-02-02 and more");
        }
        QCOMPARE(entered(), "2003-03-03, written during a walk");
        db.writeLines("History.dat", {"~ A| 2004-04-04, between walks| x| y ~"});
        {
            const CatalogueIndex::Pin pin(index);
            QCOMPARE(entered(), "2004-04-04, between walks");
        }
        QFile::remove(db.dbPath() + "History.dat");
        CurrentTitle t;
        QCOMPARE(fast.ReadHistoryRecord("A", t).failure->number, 53);
    }
};

QTEST_GUILESS_MAIN(TestIndexDiff)
#include "tst_indexdiff.moc"
