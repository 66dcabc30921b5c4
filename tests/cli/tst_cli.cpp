// SPDX-License-Identifier: GPL-3.0-or-later
// The real reelkeep-cli as scripts see it: standard output, standard error and exit status.
#include "support/CatalogueFolder.h"
#include "support/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QString kNoHistory =
    QStringLiteral("Critical Error: Error 53 (File not found) \nwhen reading history.dat\n");

// Titles that differ in one thing each, for the filter and the other commands.
void writeCatalogue(const CatalogueFolder& db) {
    db.writeLines("reelkeep.dat", {"~ A| S| Shelf| x| Present| DVD| 1| x| y| x| x| 1| x ~",
                                   "~ B| S| VCD-1| x| present| DVD| 1| x| y| x| x| 2| x ~",
                                   "~ C| S| Shelf| x| NULL| DVD| 1| x| y| x| x| 3| x ~",
                                   "~ D| S| Shelf| x| Lent| DVD| 1| x| y| x| x| 4| x ~",
                                   "~ E| S| cd-2| x| Absent| DVD| 1| x| y| x| x| 5| x ~",
                                   "~ Am\u00e9lie| single| Box 2| Comedy| Lent| VCD| 4| x| y| "
                                   "Le Fabuleux| NULL|  9 | NULL ~"});
    db.writeLines("imdb.dat", {"~ A| x| A| x| 2005| d| t| s| Horror| a| m| l| r| 1| k| r ~",
                               "~ B| x| B| x| 2005| d| t| s| g| a| m| l| r| 1| k| r ~",
                               "~ C| x| C| x| 05| d| t| s| g| a| m| l| r| 1| k| r ~"});
    db.writeLines("History.dat", {"~ A| 2006-03-14| x| y ~", "~ B| 2005-12-31| x| y ~",
                                  "~ C| 2006-11-02 10:00:00| x| y ~", "~ D| 2006-03-01| x| y ~"});
    db.write("Covers/9.jpg", "cover");
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> settings_;

    CliRun cli(const QStringList& arguments) { return RunCli(settings_->path(), arguments); }

private Q_SLOTS:
    // Every test starts from an empty settings store.
    void init() { settings_ = std::make_unique<QTemporaryDir>(); }

    // A read failure on a walk fails (1), a torn title list as list does (2); so does lost output.
    void run_data() {
        QTest::addColumn<QByteArray>("titleFile"); // alone; null: the catalogue above; "": none
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("full");         // standard output goes to /dev/full
        QTest::addColumn<QByteArray>("locale"); // empty: the test's own
        const auto row = [](const char* tag, const QByteArray& titles, const QStringList& arguments,
                            int status, const QString& out, const QString& err,
                            QStringList written = {}, bool full = false,
                            const QByteArray& locale = {}) {
            written << "b.mmd"; // after the files a row writes
            QTest::newRow(tag) << titles << arguments << status << out << err << written << full
                               << locale;
        };
        const QByteArray good = "~ A| SINGLE| VCD-1| x| x| x| x| x| x| x| x| 7| x ~\r\n";
        const QByteArray torn = good + "~x~\r\n~ B| S| VCD-2| x| x| x| x| x| x| x| x| 8| x ~\r\n";
        const QString tornList = "Critical Error: Error 5 (Invalid procedure call or argument) "
                                 "\nwhen reading reelkeep.dat\n";
        const QStringList batch = {"export-batch", "--to", "<out>"};
        row("list: file order, Windows-1252",
            "~ Alien| x ~\r\n~ Am\xe9lie| x ~\r\n~ Alien| x ~\r\n", {"list"}, 0,
            QString::fromUtf8("Alien\nAm\u00e9lie\nAlien\n"), "3 entries loaded.\n");
        row("list: torn keeps what was read", torn, {"list"}, 2, "A\n", tornList);
        row("no title file", "", {"list"}, 2, "", "reelkeep-cli: no reelkeep.dat in <db>\n");
        row("filter meets no history", good, {"filter", "--entered", ""}, 1, "A\n",
            kNoHistory + "Found: 1 entries.\n");
        row("dry batch on a torn title list", torn, batch + QStringList{"--dry-run"}, 2,
            "<out>7.mmd (new)\n", tornList + kNoHistory + "1 documents to write, 0 failed.\n");
        row("title export meets no history", good, {"export-title", "A", "<out>a.avi"}, 1,
            "<out>a.mmd\n", kNoHistory + "MMD-files written: Success!\nJove files written\n",
            {"a.mmd"});
        // A NUL would cut the name to "b.mmd".
        row("batch on an index holding a NUL",
            QByteArray("~ A| S| VCD-1| x| x| x| x| x| x| x| x| b.mmd") + '\0' + "| x ~\r\n", batch,
            1, "",
            kNoHistory +
                QString::fromUtf8("An error occured: Error 52 (Bad file name: the index \"b.mmd␀\" "
                                  "is not a plain file name) occured.\n\nWhat do you want to do?\n"
                                  "Title: A\n0 documents written, 1 failed.\nJove Batch: Done!\n"));
        const QString lost = "reelkeep-cli: the output could not be written\n";
        row("list to a full disk", good, {"list"}, 1, "", "1 entries loaded.\n" + lost, {}, true);
        row("mmd to a full disk", good, {"mmd", "A"}, 1, "", kNoHistory + lost, {}, true);
        row("mmd: no such title", {}, {"mmd", "Nothing"}, 1, "", "");
        row("unknown setting", "", {"settings", "set", "RKV", "DBPath", "x"}, 2, "",
            "reelkeep-cli: no setting RKV/DBPath\n");
        row("setting read otherwise", "", {"settings", "set", "RKV", "Genre", "Combine"}, 0, "",
            "reelkeep-cli: warning: RKV/Genre=Combine is not a value the program knows; it is "
            "read as IMDB (the values are IMDB, RK and COMBINE)\n");
        // The filter's criteria on the catalogue above, whose titles differ in one thing each.
        const auto filter = [&](const char* tag, const QStringList& criteria, const QString& kept,
                                const QByteArray& locale = {}) {
            row(tag, {}, QStringList{"filter"} + criteria, 0, kept,
                QString("Found: %1 entries.\n").arg(kept.count(u'\n')), {}, false, locale);
        };
        filter("year", {"--year", "2005"}, "A\nB\n");
        filter("year needs four characters", {"--year", "05"}, "");
        // Dates written with other digits there are still compared in the filter's own.
        filter("entered, Arabic locale", {"--entered", "2006-03"}, "A\nD\n", "ar_EG.UTF-8");
        filter("empty entered keeps all", {"--entered", ""}, "A\nB\nC\nD\nE\nAm\u00e9lie\n");
        filter("present", {"--status", "present"}, "A\n");
        filter("absent: anything else", {"--status", "absent"}, "B\nC\nD\nE\nAm\u00e9lie\n");
        filter("jove", {"--jove"}, "B\nE\n");
        filter("all must hold", {"--year", "2005", "--entered", "2006"}, "A\n");
        filter("text, accents and case ignored", {"--text", "AMELIE"}, "Am\u00e9lie\n");
        filter("text in any fact", {"--text", "horror"}, "A\n");
        filter("text with another", {"--text", "shelf", "--status", "absent"}, "C\nD\n");
        filter("empty text keeps all", {"--text", ""}, "A\nB\nC\nD\nE\nAm\u00e9lie\n");
        // The figures of the same catalogue, the empty value last; tst_stats counts each dimension.
        const auto stats = [&](const char* tag, const QStringList& options, const QString& out) {
            row(tag, {}, QStringList{"stats"} + options, 0, out, "");
        };
        stats("stats by year unless told", {}, "2005\t2\n\t4\n");
        stats("stats --by location", {"--by", "location"}, "Shelf\t3\nBox\t1\nVCD-\t1\ncd-\t1\n");
        stats("stats --by entered", {"--by", "entered"},
              "2005-12\t1\n2006-03\t2\n2006-11\t1\n\t2\n");
        stats("stats --by status --csv", {"--by", "status", "--csv"},
              "value,count\nLent,2\nAbsent,1\nPresent,1\npresent,1\n,1\n");
        row("stats meets no history", good, {"stats", "--by", "entered"}, 1, "\t1\n", kNoHistory);
        row("stats without a title file", "", {"stats"}, 2, "",
            "reelkeep-cli: no reelkeep.dat in <db>\n");
    }
    void run() {
        QFETCH(QByteArray, titleFile);
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(bool, full);
        QFETCH(QByteArray, locale);
        CatalogueFolder db, folder;
        if (titleFile.isNull())
            writeCatalogue(db);
        else if (!titleFile.isEmpty())
            db.write("reelkeep.dat", titleFile);
        folder.write("b.mmd", "kept");
        const QByteArray before = qgetenv("LC_ALL");
        qputenv("LC_ALL", locale.isEmpty() ? before : locale);
        const CliRun run = RunCli(settings_->path(),
                                  QStringList{"--db", db.dbPath()} +
                                      arguments.replaceInStrings("<out>", folder.dbPath()),
                                  full ? QStringLiteral("/dev/full") : QString());
        qputenv("LC_ALL", before);
        QTEST(run.status, "status");
        QCOMPARE(run.out, out.replace("<out>", folder.dbPath()));
        QCOMPARE(run.err, err.replace("<db>", db.dbPath()));
        QTEST(FilesIn(folder.dbPath()), "files");
        QCOMPARE(Contents(folder.dbPath() + "b.mmd"), "kept");
    }

    // Help, version, --db=F, "--"; a command's values that begin with "-" are taken as they stand.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments"); // <db>: the catalogue, <out>: a folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed"); // the start of standard output, then error
        QTest::newRow("help") << QStringList{"--help"} << 0 << "usage: reelkeep-cli [--db";
        QTest::newRow("-h after --db") << QStringList{"--db", "<db>", "-h"} << 0 << "usage: ";
        QTest::newRow("a command's help")
            << QStringList{"filter", "--help"} << 0
            << "usage: reelkeep-cli [--db FOLDER] [--covers FOLDER] filter [--year YEAR]";
        QTest::newRow("version") << QStringList{"-V"} << 0
                                 << "reelkeep-cli " RKV_VERSION "\nLicence: GPL-3.0-or-later";
        QTest::newRow("--db=F") << QStringList{"--db=<db>", "list"} << 0 << "-x\nA\n";
        QTest::newRow("-- ends options") << QStringList{"--db", "<db>", "--", "list"} << 0 << "-x";
        QTest::newRow("show -x") << QStringList{"--db", "<db>", "show", "-x"} << 0
                                 << "{\n    \"Title\": \"-x\"";
        QTest::newRow("export-title A -x.avi")
            << QStringList{"--db", "<db>", "export-title", "A", "<out>-x.avi"} << 0
            << "<out>-x.mmd";
        QTest::newRow("settings set -200")
            << QStringList{"settings", "set", "RKV", "MainLeft", "-200"} << 0 << "";
        const QString unknown = "reelkeep-cli: unknown option --fast\nusage: reelkeep-cli [--db";
        QTest::newRow("unknown option") << QStringList{"--fast", "list"} << 2 << unknown;
        QTest::newRow("unknown filter option")
            << QStringList{"--db", "<db>", "filter", "--fast"} << 2 << unknown;
        QTest::newRow("unknown stats --by")
            << QStringList{"--db", "<db>", "stats", "--by", "size"} << 2
            << "reelkeep-cli: unknown stats --by size\nusage: reelkeep-cli [--db";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        CatalogueFolder db, out;
        db.writeLines("reelkeep.dat", {"~ -x| S| x| x| x| x| x| x| x| x| x| 1| x ~",
                                       "~ A| S| x| x| x| x| x| x| x| x| x| 2| x ~"});
        db.writeLines("History.dat", {"~ A| 2006-03-14| x| y ~", "~ -x| 2006-03-14| x| y ~"});
        const CliRun run = cli(arguments.replaceInStrings("<db>", db.dbPath())
                                   .replaceInStrings("<out>", out.dbPath()));
        QTEST(run.status, "status");
        QFETCH(QString, printed);
        printed.replace("<out>", out.dbPath());
        QCOMPARE((run.out + run.err).left(printed.size()), printed);
        if (arguments.contains("MainLeft"))
            QVERIFY(cli({"settings"}).out.contains("RKV/MainLeft=-200\n"));
    }

    // show: all 38 fields as JSON, found or not; --covers before --db still holds. mmd: a document.
    void showAndMmd() {
        CatalogueFolder db;
        writeCatalogue(db);
        const CliRun found = cli(
            {"--covers", "/nonexistent", "--db", db.dbPath().chopped(1), "show", "Am\u00e9lie"});
        const QJsonObject json = QJsonDocument::fromJson(found.out.toUtf8()).object();
        QCOMPARE(found.status, 0);
        QCOMPARE(json.size(), 38);
        QCOMPARE(json["Title"].toString() + '|' + json["CoverFile"].toString(), "Am\u00e9lie|");
        const CliRun missing = cli({"--db", db.dbPath(), "show", "a"}); // keys are case-sensitive
        QCOMPARE(missing.status, 1);
        QCOMPARE(QJsonDocument::fromJson(missing.out.toUtf8()).object().size(), 38);
        const CliRun mmd = cli({"--db", db.dbPath(), "mmd", "A"});
        QCOMPARE(mmd.status, 0);
        QVERIFY(mmd.out.startsWith("<media type=\"Video\"><avitype>0</avitype><genre>Horror"));
        QVERIFY(mmd.out.endsWith("<codecs>DVD</codecs></media>\r\n")); // the rest is the builder's
    }

    // A file QSettings cannot parse is replaced, once, with a word; a store under a file keeps
    // none.
    void settings() {
        const QString file = settings_->filePath("RKV.ini");
        QFile broken(file);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("[Settings\n\x01") > 0);
        broken.close();
        const QString replaced = "Settings: The settings file could not be read, so it was "
                                 "replaced by a new one. The settings just saved are kept; "
                                 "whatever else it held that could not be read is lost.\nFile: ";
        for (const QString& err : {replaced + file + "\n", QString()})
            QCOMPARE(cli({"settings", "set", "RKV", "Genre", "RK"}).err, err);
        QCOMPARE(cli({"settings", "set", "ReelkeepViewer", "JBES1", ""}).status, 0);
        const QStringList lines = cli({"settings"}).out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 42);
        for (const char* line : {"ReelkeepViewer/JBES1=", "RKV/Genre=RK",
                                 "ReelkeepViewer/Font0=___9 Arial", "RKV/State="})
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        QCOMPARE(lines.last(), "RKV/TileSize=160");
        const CliRun lost = RunCli(file, {"settings", "set", "RKV", "Genre", "RK"});
        QCOMPARE(lost.status, 1);
        QCOMPARE(lost.err, "Settings: The settings could not be saved: their file cannot be "
                           "written.\nFile: " +
                               file + "/RKV.ini\n");
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
