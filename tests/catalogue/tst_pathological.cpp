// Input no catalogue program writes, but a damaged disk or another tool might: the readers
// neither crash nor hang on it, and say what they say for any other bad record.
#include "CatalogueFolder.h"
#include "CatalogueIndex.h"
#include "CatalogueReader.h"
#include "TitleListReader.h"

#include <QTest>

class TestPathological : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One line of 200 MB in the list, as the program reads it: indexed. Showing such a title
    // decodes the whole record, so that part uses 20 MB to keep the test quick.
    void hugeSingleLine_data() {
        QTest::addColumn<int>("megabytes");
        QTest::addColumn<bool>("show");
        QTest::newRow("200 MB, listed") << 200 << false;
        QTest::newRow("20 MB, shown") << 20 << true;
    }
    void hugeSingleLine() {
        QFETCH(int, megabytes);
        QFETCH(bool, show);
        CatalogueFolder db;
        db.write("reelkeep.dat", "~ A| SINGLE| " + QByteArray(megabytes << 20, 'x'));
        CatalogueIndex index;
        QCOMPARE(ReadTitleList(db.dbPath(), &index).titles.toStringList(), QStringList{"A"});
        if (!show)
            return;
        CurrentTitle t;
        const CatalogueReader reader(db.dbPath(), db.coverPath(), &index);
        QCOMPARE(reader.ReadTitleRecord("A", t).failure->number, 5); // it runs out of fields
        QCOMPARE(t.Title, QStringLiteral("A"));
    }

    void oddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("titles");
        QTest::newRow("NUL bytes") << QByteArray(1 << 20, '\0') << 0;
        QByteArray fields("~ A| S| L| G| St| M| R| 8| 9| Aka| C| 12| ");
        for (int i = 0; i < 100000; ++i)
            fields += "f| ";
        QTest::newRow("100,000 fields") << fields + "end ~" << 1;
        QTest::newRow("64 KB title") << "~ " + QByteArray(64 << 10, 't') +
                                            "| S| x| x| x| x| x| x| "
                                            "x| x| x| 1| x ~"
                                     << 1;
        QTest::newRow("only separators") << QByteArray(1 << 16, '|') << 1; // an empty title
        QTest::newRow("only carriage returns") << QByteArray(1 << 16, '\r') << 0;
    }
    // Every reader, indexed and sequential, on the same odd bytes in all four files.
    void oddFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, titles);
        CatalogueFolder db;
        for (const char* name : {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"})
            db.write(name, bytes);
        CatalogueIndex index;
        const TitleList list = ReadTitleList(db.dbPath(), &index);
        QCOMPARE(list.titles.size(), titles);
        QCOMPARE(ReadTitleList(db.dbPath()).titles.toStringList(), list.titles.toStringList());
        for (CatalogueIndex* use : {&index, static_cast<CatalogueIndex*>(nullptr)}) {
            const CatalogueReader reader(db.dbPath(), db.coverPath(), use);
            for (const QString& key : list.titles.toStringList() + QStringList{"", "missing"}) {
                CurrentTitle t;
                reader.ReadTitleRecord(key, t);
                reader.ReadImdbRecord(key, t);
                reader.ReadMediaRecord(t);
                reader.ReadHistoryRecord(key, t);
                if (titles > 0 && key == list.titles.at(0) && bytes.size() > 1000000)
                    QVERIFY(t.UserIdx.startsWith("f| f| "));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPathological)
#include "tst_pathological.moc"
