// Loading the title list, the existence test and taking the database folder from a chosen file.
#include "CatalogueFolder.h"
#include "DatabasePaths.h"
#include "FileExists.h"
#include "TitleListReader.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(TitleList::Outcome)

namespace {

QByteArray crlf(const QStringList& lines) {
    return ToWindows1252(lines.join("\r\n") + "\r\n");
}

QString shown(const std::optional<ReadFailure>& failure) {
    if (!failure)
        return {};
    const Message m = failure->message();
    return (m.icon == Message::Icon::Critical ? QString() : QStringLiteral("[not critical] ")) +
           m.title + ": " + m.text;
}

const QString kBadRecord = QStringLiteral(
    "Critical Error: Error 5 (Invalid procedure call or argument) \r\nwhen reading reelkeep.dat");

} // namespace

class TestTitleList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void load_data() {
        using O = TitleList::Outcome;
        QTest::addColumn<QByteArray>("file"); // null: no title file at all
        QTest::addColumn<O>("outcome");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("message");

        const QString a = QStringLiteral("~ Alien| SINGLE| x ~");
        const QString b = QStringLiteral("~ Brazil| SINGLE| y ~");
        QTest::newRow("counts records, not lines")
            << crlf({a, "~ Brazil| SINGLE| first", "second ~", "~ Casablanca| x ~"}) << O::Loaded
            << QStringList{"Alien", "Brazil", "Casablanca"} << "3 entries loaded."
            << "";
        QTest::newRow("file order, duplicates kept")
            << crlf({"~ Zulu| x ~", a, "~ Zulu| y ~"}) << O::Loaded
            << QStringList{"Zulu", "Alien", "Zulu"} << "3 entries loaded."
            << "";
        QTest::newRow("blanks in a title are kept") << crlf({"~  Alien | x ~"}) << O::Loaded
                                                    << QStringList{" Alien "} << "1 entries loaded."
                                                    << "";
        QTest::newRow("empty line joins the next record")
            << crlf({a, "", b}) << O::Loaded << QStringList{"Alien", " Brazil"}
            << "2 entries loaded."
            << "";
        QTest::newRow("unfinished last record")
            << crlf({a, "~ Brazil| y"}) << O::Loaded << QStringList{"Alien", "Brazil"}
            << "2 entries loaded."
            << "";
        QTest::newRow("third record without separator stops silently")
            << crlf({a, b, "~ no separator ~", "~ Dune| z ~"}) << O::Stopped
            << QStringList{"Alien", "Brazil"} << ""
            << "";
        QTest::newRow("separator only in the framing")
            << crlf({"~|Alien ~", a}) << O::Stopped << QStringList{} << ""
            << "";
        QTest::newRow("three-character record keeps titles before it")
            << crlf({a, b, "~a~", "~ Dune| z ~"}) << O::Failed << QStringList{"Alien", "Brazil"}
            << "" << kBadRecord;
        QTest::newRow("empty file")
            << QByteArray("") << O::Loaded << QStringList{} << "0 entries loaded."
            << "";
        QTest::newRow("no title file") << QByteArray() << O::Missing << QStringList{} << ""
                                       << "";
    }
    void load() {
        QFETCH(QByteArray, file);
        QFETCH(TitleList::Outcome, outcome);
        QFETCH(QStringList, titles);
        QFETCH(QString, status);
        QFETCH(QString, message);
        CatalogueFolder folder;
        if (!file.isNull())
            folder.write("reelkeep.dat", file);

        const TitleList list = ReadTitleList(folder.dbPath());
        QCOMPARE(shown(list.failure), message);
        QCOMPARE(list.outcome, outcome);
        QCOMPARE(list.titles, titles);
        QCOMPARE(list.statusText(), status);
    }

    void titleFileThatCannotBeOpened() {
        CatalogueFolder folder;
        QVERIFY(QDir(folder.dbPath()).mkdir("reelkeep.dat"));
        const TitleList list = ReadTitleList(folder.dbPath());
        QCOMPARE(list.outcome, TitleList::Outcome::Failed);
        // Which error number a folder gives is ours to choose; the wording around it is not.
        const QString message = shown(list.failure);
        QVERIFY2(message.startsWith("Critical Error: Error ") &&
                     message.endsWith(") \r\nwhen reading reelkeep.dat"),
                 qPrintable(message));
        QCOMPARE(list.statusText(), QString());
    }

    // A 16-bit counter once capped a load at 32767 records.
    void moreThan32767Records() {
        QStringList lines;
        for (int i = 1; i <= 40000; ++i)
            lines << QStringLiteral("~ T%1| x ~").arg(i);
        CatalogueFolder folder;
        folder.writeLines("reelkeep.dat", lines);
        const TitleList list = ReadTitleList(folder.dbPath());
        QCOMPARE(list.outcome, TitleList::Outcome::Loaded);
        QCOMPARE(list.titles.size(), 40000);
        QCOMPARE(list.titles.last(), QStringLiteral("T40000"));
        QCOMPARE(list.statusText(), QStringLiteral("40000 entries loaded."));
    }

    void fileExists_data() {
        QTest::addColumn<QString>("relative"); // to the catalogue folder; "-" for ""
        QTest::addColumn<bool>("exists");
        QTest::newRow("file") << "reelkeep.dat" << true;
        QTest::newRow("folder") << "Covers" << true;
        QTest::newRow("folder with separator") << "Covers/" << true;
        QTest::newRow("missing") << "imdb.dat" << false;
        QTest::newRow("under a regular file") << "reelkeep.dat/x" << false;
        QTest::newRow("empty path") << "-" << false;
    }
    void fileExists() {
        QFETCH(QString, relative);
        QFETCH(bool, exists);
        CatalogueFolder folder;
        folder.write("reelkeep.dat", "~ a| b ~");
        folder.touchCover("1.jpg");
        QCOMPARE(FileExists(relative == "-" ? QString() : folder.dbPath() + relative), exists);
    }

    void chosenFile_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("dbPath"); // empty: no folder in the name
        QTest::addColumn<QString>("coverPath");
        QTest::newRow("other file name") << "/films/other.dat"
                                         << "/films/"
                                         << "/films/Covers/";
        QTest::newRow("root") << "/reelkeep.dat"
                              << "/"
                              << "/Covers/";
        QTest::newRow("last separator counts") << "/a/b.c/d"
                                               << "/a/b.c/"
                                               << "/a/b.c/Covers/";
        QTest::newRow("no separator") << "reelkeep.dat"
                                      << ""
                                      << "";
    }
    void chosenFile() {
        QFETCH(QString, chosen);
        QFETCH(QString, dbPath);
        QFETCH(QString, coverPath);
        const auto paths = DatabasePaths::fromChosenFile(chosen);
        QCOMPARE(paths.has_value(), !dbPath.isEmpty());
        if (paths) {
            QCOMPARE(paths->dbPath, dbPath);
            QCOMPARE(paths->coverPath, coverPath);
        }
    }

    void folderGetsClosingSeparator() {
        QCOMPARE(DatabasePaths::fromFolder("/films").dbPath, QStringLiteral("/films/"));
        QCOMPARE(DatabasePaths::fromFolder("/films/").dbPath, QStringLiteral("/films/"));
    }
};

QTEST_GUILESS_MAIN(TestTitleList)
#include "tst_titlelist.moc"
