// The real reelkeep-cli as scripts see it: standard output, standard error and exit status.
#include "support/CatalogueFolder.h"
#include "support/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestCli : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> settings_;

    CliRun cli(const QStringList& arguments) { return RunCli(settings_->path(), arguments); }

    static void writeCatalogue(const CatalogueFolder& db) {
        db.writeLines("reelkeep.dat",
                      {"~ Alien| SINGLE| VCD-Shelf 3| Horror| Present| DVD| 5| x| y| NULL| Great"
                       "^^film| 17| U17 ~",
                       "~ Am\u00e9lie| single| Box 2| Comedy| Lent| VCD| 4| x| y| Le Fabuleux| "
                       "NULL|  9 | NULL ~",
                       "~ Alien| SINGLE| duplicate| x| x| x| x| x| x| x| x| 99| x ~"});
        db.writeLines("imdb.dat", {"~ Alien| x| Alien| x| 1979| Ridley Scott| In space...| "
                                   "Crew meets alien.| Horror, Sci-Fi| Sigourney Weaver| R| "
                                   "English| 117| 8.5| https://example.org/alien| rest ~"});
        db.write("Covers/9.jpg", "");
    }

private Q_SLOTS:
    // Every test starts from an empty settings store.
    void init() { settings_ = std::make_unique<QTemporaryDir>(); }

    // A command on a title file: exit status, standard output and standard error, and the files in
    // the export folder, which starts out holding imdb.dat. A walk that met a read failure fails
    // (1); one that could not read the title list fails as list does (2), after going over what
    // was read; so do command lines it cannot take. Output a full disk swallows is a failure. An
    // index that would name a file elsewhere writes nothing: a NUL would cut the name to
    // "imdb.dat", and a line feed ends up in a name no shell lists right. "<db>" and "<out>"
    // stand for the catalogue and export folders.
    void run_data() {
        QTest::addColumn<QByteArray>("titleFile"); // null: no title file at all
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("full"); // standard output goes to /dev/full
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QStringList>("files");
        const auto row = [](const char* tag, const QByteArray& titles, const QStringList& arguments,
                            int status, const QString& out, const QString& err,
                            const QStringList& written = {}, bool full = false) {
            QTest::newRow(tag) << titles << arguments << full << status << out << err
                               << QStringList(written + QStringList{"imdb.dat"});
        };
        const QByteArray good = "~ A| SINGLE| VCD-1| x| x| x| x| x| x| x| x| 7| x ~\r\n";
        const QByteArray torn = good + "~x~\r\n~ B| S| VCD-2| x| x| x| x| x| x| x| x| 8| x ~\r\n";
        const QString noHistory = "Critical Error: Error 53 (File not found) \nwhen reading "
                                  "history.dat\n";
        const QString tornList = "Critical Error: Error 5 (Invalid procedure call or argument) "
                                 "\nwhen reading reelkeep.dat\n";
        const QString usage =
            "usage: reelkeep-cli [--db FOLDER] [--covers FOLDER] COMMAND [ARGUMENTS]\n"
            "commands: settings | settings set APPLICATION KEY VALUE | list | show TITLE | mmd "
            "TITLE |\n          filter [--year YEAR] [--status present|absent] [--entered PREFIX] "
            "[--jove] |\n          export-batch [--to FOLDER] [--dry-run] | export-title TITLE "
            "MEDIA_FILE...\n";
        const QStringList batch = {"export-batch", "--to", "<out>"};
        row("list: file order, Windows-1252",
            "~ Alien| x ~\r\n~ Am\xe9lie| x ~\r\n~ Alien| x ~\r\n", {"list"}, 0,
            QString::fromUtf8("Alien\nAm\u00e9lie\nAlien\n"), "3 entries loaded.\n");
        row("list: torn keeps what was read", torn, {"list"}, 2, "A\n", tornList);
        row("list: no title file", {}, {"list"}, 2, "", "reelkeep-cli: no reelkeep.dat in <db>\n");
        row("filter meets no history", good, {"filter", "--entered", ""}, 1, "A\n",
            noHistory + "Found: 1 entries.\n");
        row("filter on a torn title list", torn, {"filter"}, 2, "A\n",
            tornList + "Found: 1 entries.\n");
        row("batch meets no history", good, batch, 1, "<out>7.mmd\n",
            noHistory + "1 documents written, 0 failed.\nJove Batch: Done!\n", {"7.mmd"});
        row("dry batch on a torn title list", torn, batch + QStringList{"--dry-run"}, 2,
            "<out>7.mmd (new)\n", tornList + noHistory + "1 documents to write, 0 failed.\n");
        row("title export meets no history", good, {"export-title", "A", "<out>a.avi"}, 1,
            "<out>a.mmd\n", noHistory + "MMD-files written: Success!\nJove files written\n",
            {"a.mmd"});
        const QString badName = "An error occured: Error 52 (Bad file name: the index \"%1\" is "
                                "not a plain file name) occured.\n\nWhat do you want to do?\n"
                                "Title: %2\n";
        row("batch on hostile indexes",
            QByteArray("~ A| S| VCD-1| x| x| x| x| x| x| x| x| imdb.dat") + '\0' +
                "| x ~\r\n~ B| S| VCD-2| x| x| x| x| x| x| x| x| b\nc| x ~\r\n",
            batch, 1, "",
            noHistory + badName.arg(QString::fromUtf8("imdb.dat␀"), "A") +
                badName.arg(QString::fromUtf8("b␊c"), "B") +
                "0 documents written, 2 failed.\nJove Batch: Done!\n");
        const QString lost = "reelkeep-cli: the output could not be written\n";
        row("list to a full disk", good, {"list"}, 1, "", "1 entries loaded.\n" + lost, {}, true);
        row("mmd to a full disk", good, {"mmd", "A"}, 1, "", noHistory + lost, {}, true);
        row("no command", {}, {}, 2, "", "reelkeep-cli: no command given\n" + usage);
        row("unknown command", {}, {"frobnicate"}, 2, "",
            "reelkeep-cli: unknown command frobnicate\n" + usage);
        row("unknown option", {}, {"--fast", "list"}, 2, "",
            "reelkeep-cli: unknown option --fast\n" + usage);
        row("unknown setting", {}, {"settings", "set", "RKV", "DBPath", "x"}, 2, "",
            "reelkeep-cli: no setting RKV/DBPath\n");
        row("set without value", {}, {"settings", "set", "RKV", "Genre"}, 2, "",
            "reelkeep-cli: settings set needs APPLICATION KEY VALUE\n" + usage);
        row("bad status", good, {"filter", "--status", "lost"}, 2, "",
            "reelkeep-cli: unknown filter --status lost\n" + usage);
    }
    void run() {
        QFETCH(QByteArray, titleFile);
        QFETCH(QStringList, arguments);
        QFETCH(bool, full);
        QFETCH(QString, out);
        QFETCH(QString, err);
        CatalogueFolder db, folder;
        if (!titleFile.isNull())
            db.write("reelkeep.dat", titleFile);
        folder.write("imdb.dat", "kept");
        const CliRun run = RunCli(settings_->path(),
                                  QStringList{"--db", db.dbPath()} +
                                      arguments.replaceInStrings("<out>", folder.dbPath()),
                                  full ? QStringLiteral("/dev/full") : QString());
        QTEST(run.status, "status");
        QCOMPARE(run.out, out.replace("<out>", folder.dbPath()));
        QCOMPARE(run.err, err.replace("<db>", db.dbPath()));
        QTEST(FilesIn(folder.dbPath()), "files");
        QCOMPARE(Contents(folder.dbPath() + "imdb.dat"), "kept");
    }

    // All 38 fields as JSON, found or not; the missing history file is reported, the rest shown.
    void show_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("fields"); // "Key=value|..."
        QTest::newRow("found, other covers given before the folder")
            << QStringList{"--covers", "/nonexistent", "--db", "<db>", "show", "Am\u00e9lie"} << 0
            << "Title=Am\u00e9lie|EntryType=Single Entry|AkaTitle=Le Fabuleux|Comments=|"
               "Idx= 9 |CoverFile=|Entered=";
        QTest::newRow("keys are case-sensitive") << QStringList{"show", "alien"} << 1 << "Title=";
    }
    void show() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fields);
        CatalogueFolder db;
        writeCatalogue(db);
        arguments.replaceInStrings("<db>", db.dbPath());
        const CliRun run = cli(QStringList{"--db", db.dbPath().chopped(1)} + arguments);
        QCOMPARE(run.err, "Critical Error: Error 53 (File not found) \nwhen reading history.dat\n");
        QTEST(run.status, "status");
        const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(json.size(), 38);
        for (const QString& pair : fields.split(u'|'))
            QCOMPARE(pair.section(u'=', 0, 0) + u'=' + json[pair.section(u'=', 0, 0)].toString(),
                     pair);
    }

    // Every key is listed, set or not.
    void settingsListAndSet() {
        QCOMPARE(cli({"settings", "set", "ReelkeepViewer", "JBES1", ""}).status, 0);
        QCOMPARE(cli({"settings", "set", "RKV", "Genre", "RK"}).status, 0);
        const QStringList lines = cli({"settings"}).out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 39);
        for (const char* line : {"ReelkeepViewer/JBES1=", "RKV/Genre=RK",
                                 "ReelkeepViewer/Font0=___9 Arial", "RKV/State="})
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        // A store whose folder would lie under a file keeps nothing, and says so.
        CatalogueFolder under;
        under.write("file", "");
        const CliRun lost =
            RunCli(under.dbPath() + "file", {"settings", "set", "RKV", "Genre", "RK"});
        QCOMPARE(lost.status, 1);
        QCOMPARE(lost.err, "Settings: The settings could not be saved: their file cannot be "
                           "written.\nFile: " +
                               under.dbPath() + "file/RKV.ini\n");
        // A value the program does not know is stored, with a word on how it will be read.
        const CliRun odd = cli({"settings", "set", "RKV", "Genre", "Combine"});
        QCOMPARE(odd.status, 0);
        QCOMPARE(odd.err, "reelkeep-cli: warning: RKV/Genre=Combine is not a value the program "
                          "knows; it is read as IMDB (the values are IMDB, RK and COMBINE)\n");
        QVERIFY(cli({"settings"}).out.contains("\nRKV/Genre=Combine\n"));
        // A file QSettings cannot parse is replaced, and the user told so, once.
        QFile broken(settings_->filePath("RKV.ini"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("[Settings\n\x01") > 0);
        broken.close();
        const CliRun replaced = cli({"settings", "set", "RKV", "Genre", "RK"});
        QCOMPARE(replaced.status, 0);
        QVERIFY2(replaced.err.startsWith("Settings: The settings file could not be read, so it "
                                         "was replaced by a new one."),
                 qPrintable(replaced.err));
        QVERIFY(replaced.err.endsWith("\nFile: " + broken.fileName() + "\n"));
        QCOMPARE(cli({"settings", "set", "RKV", "Genre", "IMDB"}).err, QString());
    }

    void mmdAndExportTitle() {
        CatalogueFolder db;
        writeCatalogue(db);
        db.writeLines("History.dat", {"~ Alien| 2001-01-01| x| y ~"});
        const CliRun mmd = cli({"--db", db.dbPath(), "mmd", "Alien"});
        QCOMPARE(mmd.status, 0);
        QVERIFY(mmd.out.startsWith("<media type=\"Video\"><avitype>0</avitype><genre>Horror"));
        QVERIFY(mmd.out.endsWith("<codecs>DVD</codecs></media>\r\n")); // the rest is the builder's
        QCOMPARE(cli({"--db", db.dbPath(), "mmd", "Nothing"}).status, 1);

        CatalogueFolder media;
        media.write("Alien.avi", "video");
        db.write("Covers/17.jpg", "cover");
        const CliRun title = cli({"--db", db.dbPath(), "export-title", "Alien",
                                  media.dbPath() + "Alien.avi", media.dbPath() + "missing/b.avi"});
        QCOMPARE(title.status, 1); // the second part's folder does not exist
        QCOMPARE(title.out, media.dbPath() + "Alien.mmd\n" + media.dbPath() + "folder.jpg\n");
        QVERIFY(title.err.startsWith("An error occured: Error 76 (Path not found) occured."));
        QVERIFY(title.err.endsWith("MMD-files written: Success!\nJove files written\n"));
        // A part's document never replaces the media file of another part.
        media.write("b.mmd", "media of part 2");
        QCOMPARE(cli({"--db", db.dbPath(), "export-title", "Alien", media.dbPath() + "b.avi",
                      media.dbPath() + "b.mmd"})
                     .status,
                 1);
        QCOMPARE(Contents(media.dbPath() + "b.mmd"), QByteArray("media of part 2"));
    }

    // The filter's criteria on a catalogue whose titles differ in one thing each.
    void filter_data() {
        QTest::addColumn<QStringList>("criteria");
        QTest::addColumn<QString>("kept");
        QTest::newRow("year") << QStringList{"--year", "2005"} << "A B";
        QTest::newRow("year needs four characters") << QStringList{"--year", "05"} << "";
        QTest::newRow("entered day") << QStringList{"--entered", "2006-03-14"} << "A";
        // Dates written with other digits there are still compared in the filter's own.
        QTest::newRow("entered, Arabic locale") << QStringList{"--entered", "2006-03"} << "A D";
        QTest::newRow("empty entered keeps all") << QStringList{"--entered", ""} << "A B C D E";
        QTest::newRow("present") << QStringList{"--status", "present"} << "A";
        QTest::newRow("absent: anything else") << QStringList{"--status", "absent"} << "B C D E";
        QTest::newRow("jove") << QStringList{"--jove"} << "B E";
        QTest::newRow("all must hold") << QStringList{"--year", "2005", "--entered", "2006"} << "A";
        QTest::newRow("no criterion") << QStringList{} << "A B C D E";
    }
    void filter() {
        QFETCH(QStringList, criteria);
        QFETCH(QString, kept);
        CatalogueFolder db;
        db.writeLines("reelkeep.dat", {"~ A| S| Shelf| x| Present| DVD| 1| x| y| x| x| 1| x ~",
                                       "~ B| S| VCD-1| x| present| DVD| 1| x| y| x| x| 2| x ~",
                                       "~ C| S| Shelf| x| NULL| DVD| 1| x| y| x| x| 3| x ~",
                                       "~ D| S| Shelf| x| Lent| DVD| 1| x| y| x| x| 4| x ~",
                                       "~ E| S| cd-2| x| Absent| DVD| 1| x| y| x| x| 5| x ~"});
        db.writeLines("imdb.dat", {"~ A| x| A| x| 2005| d| t| s| g| a| m| l| r| 1| k| r ~",
                                   "~ B| x| B| x| 2005| d| t| s| g| a| m| l| r| 1| k| r ~",
                                   "~ C| x| C| x| 05| d| t| s| g| a| m| l| r| 1| k| r ~"});
        db.writeLines("History.dat",
                      {"~ A| 2006-03-14| x| y ~", "~ B| 2005-12-31| x| y ~",
                       "~ C| 2006-11-02 10:00:00| x| y ~", "~ D| 2006-03-01| x| y ~"});
        const QByteArray locale = qgetenv("LC_ALL");
        if (QByteArray(QTest::currentDataTag()).contains("Arabic"))
            qputenv("LC_ALL", "ar_EG.UTF-8");
        const CliRun run = cli(QStringList{"--db", db.dbPath(), "filter"} + criteria);
        qputenv("LC_ALL", locale);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(u'\n', Qt::SkipEmptyParts).join(u' '), kept);
        QCOMPARE(
            run.err,
            QStringLiteral("Found: %1 entries.\n").arg(kept.isEmpty() ? 0 : kept.count(u' ') + 1));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
