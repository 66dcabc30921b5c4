// Loading the title list, the existence test and taking the database folder from a chosen file.
#include "CatalogueFolder.h"
#include "CatalogueIndex.h"
#include "DatabasePaths.h"
#include "FileExists.h"
#include "TitleListReader.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(TitleList::Outcome)

class TestTitleList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void load_data() {
        using O = TitleList::Outcome;
        QTest::addColumn<QStringList>("lines"); // {"-"}: no title file at all
        QTest::addColumn<O>("outcome");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("failure"); // the text shown, if any, as a wildcard
        const auto row = [](const char* tag, const QStringList& lines, O outcome,
                            const QStringList& titles, const char* failure = "") {
            QTest::newRow(tag) << lines << outcome << titles << QString(failure);
        };
        const QString a = "~ Alien| SINGLE| x ~", b = "~ Brazil| SINGLE| y ~";
        row("counts records, not lines", {a, "~ Brazil| SINGLE| first", "second ~", "~ C| x ~"},
            O::Loaded, {"Alien", "Brazil", "C"});
        row("blanks in a title are kept", {"~  Alien | x ~"}, O::Loaded, {" Alien "});
        row("empty line joins the next record", {a, "", b}, O::Loaded, {"Alien", " Brazil"});
        row("unfinished last record", {a, "~ Brazil| y"}, O::Loaded, {"Alien", "Brazil"});
        row("separator only in the framing", {"~|Alien ~", a}, O::Stopped, {});
        row("three characters", {a, b, "~a~", a}, O::Failed, {"Alien", "Brazil"},
            "Error 5 (Invalid procedure call or argument) \r\nwhen reading reelkeep.dat");
        // A folder in its place: which error number it gives is ours to choose.
        row("cannot be opened", {"<folder>"}, O::Failed, {},
            "Error *) \r\nwhen reading reelkeep.dat");
        row("empty file", {}, O::Loaded, {});
        row("no title file", {"-"}, O::Missing, {});
        // A 16-bit counter once capped a load at 32767 records.
        row("40000 records", QStringList(40000, "~ T| x ~"), O::Loaded, QStringList(40000, "T"));
    }
    void load() {
        QFETCH(QStringList, lines);
        QFETCH(TitleList::Outcome, outcome);
        QFETCH(QStringList, titles);
        QFETCH(QString, failure);
        CatalogueFolder folder;
        if (lines == QStringList{"<folder>"})
            QVERIFY(QDir(folder.dbPath()).mkdir("reelkeep.dat"));
        else if (lines != QStringList{"-"})
            folder.writeLines("reelkeep.dat", lines);
        const TitleList list = ReadTitleList(folder.dbPath());
        const QString shown = list.failure ? list.failure->message().text : QString();
        // "*" in the expected text stands for the error number and description.
        QVERIFY2(failure.isEmpty() ? shown.isEmpty()
                                   : shown.startsWith(failure.section(u'*', 0, 0)) &&
                                         shown.endsWith(failure.section(u'*', -1)),
                 qPrintable(shown));
        QCOMPARE(list.outcome, outcome);
        QCOMPARE(list.titles.toStringList(), titles);
        CatalogueIndex index;
        QCOMPARE(ReadTitleList(folder.dbPath(), &index).titles.toStringList(), titles);
        QCOMPARE(list.statusText(), outcome == TitleList::Outcome::Loaded
                                        ? QString("%1 entries loaded.").arg(titles.size())
                                        : QString());
    }

    void fileExists_data() {
        QTest::addColumn<QString>("relative"); // to the catalogue folder; "-" for ""
        QTest::addColumn<bool>("exists");
        for (const char* path : {"reelkeep.dat", "Covers", "Covers/"})
            QTest::newRow(path) << path << true;
        for (const char* path : {"imdb.dat", "reelkeep.dat/x", "-"})
            QTest::newRow(path) << path << false;
    }
    void fileExists() {
        QFETCH(QString, relative);
        CatalogueFolder folder;
        folder.write("reelkeep.dat", "~ a| b ~");
        folder.touchCover("1.jpg");
        QTEST(FileExists(relative == "-" ? QString() : folder.dbPath() + relative), "exists");
    }

    void chosenFile_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("dbPath"); // empty: no folder in the name
        QTest::newRow("root") << QString("/reelkeep.dat") << QString("/");
        QTest::newRow("last separator counts") << QString("/a/b.c/d") << QString("/a/b.c/");
        QTest::newRow("no separator") << QString("reelkeep.dat") << QString();
    }
    void chosenFile() {
        QFETCH(QString, chosen);
        QFETCH(QString, dbPath);
        const DatabasePaths paths = DatabasePaths::fromChosenFile(chosen).value_or(DatabasePaths{});
        QCOMPARE(paths.dbPath, dbPath);
        QCOMPARE(paths.coverPath, dbPath.isEmpty() ? QString() : dbPath + "Covers/");
    }
};

QTEST_GUILESS_MAIN(TestTitleList)
#include "tst_titlelist.moc"
