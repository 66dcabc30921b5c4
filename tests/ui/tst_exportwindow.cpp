// Both Jove exports from the main window's menu, answered through scripted dialogs, with the
// files they leave on disk compared byte for byte.
#include "CatalogueFolder.h"
#include "MmdDocument.h"
#include "ViewerSession.h"
#include "XmlCheck.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeCatalogue(const CatalogueFolder& db, const QString& noFiles = QStringLiteral("2")) {
    db.writeLines("reelkeep.dat",
                  {"~ Alien| SINGLE| VCD-1| Horror| x| DVD| 5| x| y| NULL| NULL| 17| U-1 ~",
                   "~ Brazil| SINGLE| Shelf| Comedy| x| SVCD| 5| x| y| NULL| NULL| 18| DVD-2 ~",
                   "~ Casablanca| SINGLE| cd-3| Drama| x| VHS| 5| x| y| NULL| NULL| 19| x ~",
                   "~ Delicatessen| SINGLE| VCD-4| Comedy| x| SVCD| 5| x| y| NULL| NULL| | x ~"});
    db.writeLines("imdb.dat", {"~ Alien| x| Alien| x| 1979| Ridley Scott| x| x| Horror, Sci-Fi| "
                               "x| R| English| 117| 8.5| | r ~"});
    db.writeLines("media.dat", {"~ Alien| AVI| " + noFiles +
                                "| 117| 640| 272| 25| 1500| XviD| 128| MP3| 2| 1 ~"});
    db.writeLines("History.dat", {"~ Alien| 2006-03-14| x| y ~"});
    db.write("Covers/17.jpg", "cover bytes");
}

} // namespace

class TestExportWindow : public QObject {
    Q_OBJECT

    CatalogueFolder db_;
    CatalogueFolder media_;

private Q_SLOTS:
    void init() {
        writeCatalogue(db_);
        QDir(media_.dbPath()).removeRecursively();
        QDir().mkpath(media_.dbPath() + "cd1");
        QDir().mkpath(media_.dbPath() + "cd2");
    }

    void twoPartsInTwoFolders() {
        Session s(db_.dbPath());
        s.start();
        s.select(0);
        const QString part1 = media_.dbPath() + "cd1/Alien.CD1.avi";
        const QString part2 = media_.dbPath() + "cd2/Alien";
        s.prompts.answerFile(part1);
        s.prompts.answerFile(part2);
        s.trigger("JoveExport");
        QCOMPARE(s.prompts.asked[0].openFile.title, QStringLiteral("Select media file, part 1."));
        QCOMPARE(s.prompts.asked[0].openFile.selectedFilter, 2);
        QCOMPARE(s.prompts.asked[1].openFile.title, QStringLiteral("Select media file, part 2."));
        const QByteArray first = contents(media_.dbPath() + "cd1/Alien.CD1.mmd");
        const QByteArray second = contents(media_.dbPath() + "cd2/Alien.mmd");
        QVERIFY(first.startsWith("<media type=\"Video\"><avitype>0</avitype><genre>Horror</genre>"
                                 "<genre>Sci-Fi</genre><image>"));
        QVERIFY(first.endsWith("<audio-channels>2</audio-channels></media>\r\n"));
        QByteArray expectedSecond = first;
        expectedSecond.replace("sort=\"1\"", "sort=\"2\"")
            .replace("<path>Alien.CD1.avi</path>", "<path>Alien</path>");
        QCOMPARE(second, expectedSecond);
        QCOMPARE(XmlProblem(first), QString());
        QCOMPARE(contents(media_.dbPath() + "cd1/folder.jpg"), QByteArray("cover bytes"));
        QVERIFY(!QFile::exists(media_.dbPath() + "cd2/folder.jpg"));
        QCOMPARE(s.prompts.messages().last(),
                 (Message{Message::Icon::Information, "MMD-files written",
                          "Success!\r\nJove files written"}));
    }

    void partCountAsked_data() {
        QTest::addColumn<QString>("noFiles");
        QTest::addColumn<QString>("answer"); // empty: the input box is cancelled
        QTest::addColumn<int>("dialogs");
        QTest::newRow("none, answered 3") << ""
                                          << "3" << 3;
        QTest::newRow("zero, cancelled") << "0"
                                         << "" << 0;
        QTest::newRow("negative, answered 0") << "-2"
                                              << "0" << 0;
        QTest::newRow("2.5 rounds to 2") << "2.5"
                                         << "-" << 2;
    }
    void partCountAsked() {
        QFETCH(QString, noFiles);
        QFETCH(QString, answer);
        QFETCH(int, dialogs);
        writeCatalogue(db_, noFiles);
        Session s(db_.dbPath());
        s.start();
        s.select(0);
        s.prompts.answerInput(answer.isEmpty() ? std::nullopt : std::optional(answer));
        for (int i = 0; i < dialogs; ++i)
            s.prompts.answerFile(std::nullopt); // cancel at once: nothing is written
        s.trigger("JoveExport");
        int files = 0;
        for (const auto& a : s.prompts.asked) {
            if (a.kind == ScriptedPrompts::Asked::Kind::InputBox) {
                QCOMPARE(a.text, QStringLiteral("How many parts?"));
                QCOMPARE(a.title, QStringLiteral("Parts is zero"));
                QCOMPARE(a.proposed, QStringLiteral("2"));
            }
            files += a.kind == ScriptedPrompts::Asked::Kind::OpenFile;
        }
        QCOMPARE(files, qMin(dialogs, 1));
        QVERIFY(s.prompts.messages().isEmpty());
    }

    void cancelledSecondDialogWritesNothing() {
        writeCatalogue(db_, QStringLiteral("3"));
        Session s(db_.dbPath());
        s.start();
        s.select(0);
        s.prompts.answerFile(media_.dbPath() + "cd1/a.avi");
        s.prompts.answerFile(std::nullopt);
        s.trigger("JoveExport");
        QCOMPARE(s.prompts.asked.size(), 2);
        QCOMPARE(QDir(media_.dbPath() + "cd1").entryList(QDir::Files), QStringList());
    }

    void folderJpg_data() {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("kept") << false << QByteArray("old picture");
        QTest::newRow("replaced") << true << QByteArray("cover bytes");
    }
    void folderJpg() {
        QFETCH(bool, overwrite);
        QFETCH(QByteArray, expected);
        writeCatalogue(db_, QStringLiteral("1"));
        media_.write("cd1/folder.jpg", "old picture");
        Session s(db_.dbPath());
        s.store.write(kViewer, "CpFolderOverwrite", overwrite ? "True" : "False");
        s.start();
        s.select(0);
        s.prompts.answerFile(media_.dbPath() + "cd1/a.avi");
        s.trigger("JoveExport");
        QCOMPARE(contents(media_.dbPath() + "cd1/folder.jpg"), expected);
        QCOMPARE(s.prompts.messages().size(), 1); // only "MMD-files written"
    }

    void copyFailure() {
        writeCatalogue(db_, QStringLiteral("1"));
        QDir().mkpath(media_.dbPath() + "cd1/folder.jpg"); // a folder stands in the way
        Session s(db_.dbPath());
        s.store.write(kViewer, "CpFolderOverwrite", "True");
        s.start();
        s.select(0);
        s.prompts.answerFile(media_.dbPath() + "cd1/a.avi");
        s.trigger("JoveExport");
        const auto messages = s.prompts.messages();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0],
                 (Message{Message::Icon::Question, "Copy failed", "Failed to copy picture?"}));
        QCOMPARE(messages[1].title, QStringLiteral("MMD-files written"));
    }

    void errorChoice_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("success");
        QTest::newRow("Abort") << int(Prompts::Answer::Abort) << false << false;
        QTest::newRow("Ignore") << int(Prompts::Answer::Ignore) << false << true;
        QTest::newRow("Retry after the folder appeared")
            << int(Prompts::Answer::Retry) << true << true;
    }
    void errorChoice() {
        QFETCH(int, answer);
        QFETCH(bool, written);
        QFETCH(bool, success);
        writeCatalogue(db_, QStringLiteral("1"));
        Session s(db_.dbPath());
        s.start();
        s.select(0);
        const QString folder = media_.dbPath() + "later/";
        s.prompts.answerFile(folder + "a.avi");
        s.prompts.answerMessage(Prompts::Answer(answer));
        s.prompts.onAsk = [&](const ScriptedPrompts::Asked& a) {
            if (a.buttons == Prompts::Buttons::AbortRetryIgnore)
                QDir().mkpath(folder);
        };
        s.trigger("JoveExport");
        const Message choice = s.prompts.messages().first();
        QCOMPARE(choice.icon, Message::Icon::Exclamation);
        QCOMPARE(choice.title, QStringLiteral("An error occured"));
        QCOMPARE(choice.text, QStringLiteral("Error 76 (Path not found) occured.\r\n\r\nWhat do "
                                             "you want to do?"));
        QCOMPARE(QFile::exists(folder + "a.mmd"), written);
        QCOMPARE(s.prompts.messages().last().title == "MMD-files written", success);
    }

    void documentNeverReplacesItsMediaFile() {
        writeCatalogue(db_, QStringLiteral("1"));
        media_.write("cd1/film.mmd", "the media file");
        Session s(db_.dbPath());
        s.start();
        s.select(0);
        s.prompts.answerFile(media_.dbPath() + "cd1/film.mmd");
        s.prompts.answerMessage(Prompts::Answer::Ignore);
        s.trigger("JoveExport");
        QCOMPARE(contents(media_.dbPath() + "cd1/film.mmd"), QByteArray("the media file"));
        QVERIFY(s.prompts.messages().first().text.startsWith("Error 58 (The document would"));
    }

    // The default rules select Location VCD-/DVDR-/CD-; rule 4 (Medium SVCD) is switched on here,
    // so Delicatessen matches two rules and is written once, but has no index.
    void batch() {
        Session s(db_.dbPath());
        s.store.write(kRkv, "SavePath", media_.dbPath() + "cd1"); // no closing separator
        s.store.write(kViewer, "JBEU4", "True");
        s.start();
        s.select(0);
        s.prompts.answerMessage(Prompts::Answer::Yes);
        s.prompts.answerMessage(Prompts::Answer::Ignore); // Delicatessen: no index
        s.trigger("JoveBatch");
        const auto messages = s.prompts.messages();
        QCOMPARE(messages.first(), (Message{Message::Icon::Question, "Jove Batch Export",
                                            "About to run Jove Batch Export, Ok?"}));
        QCOMPARE(s.prompts.asked.first().buttons, Prompts::Buttons::YesNo);
        QCOMPARE(messages[1].title, QStringLiteral("An error occured"));
        QCOMPARE(messages.last(), (Message{Message::Icon::Question, "Jove Batch", "Done!"}));
        QCOMPARE(QDir(media_.dbPath() + "cd1").entryList(QDir::Files),
                 QStringList({"17.mmd", "18.mmd", "19.mmd"}));
        QCOMPARE(s.status(), QStringLiteral("3 documents written, 1 failed."));
        QCOMPARE(s.caption("Label1"), QString()); // the display is cleared afterwards
        QCOMPARE(s.row(), 0);

        // The command line writes the same documents, byte for byte.
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        CatalogueFolder settings;
        env.insert("REELKEEP_SETTINGS_DIR", settings.dbPath());
        cli.setProcessEnvironment(env);
        const QString cliOut = media_.dbPath() + "cd2";
        cli.start(qEnvironmentVariable("RKV_CLI"),
                  {"--db", db_.dbPath(), "settings", "set", "ReelkeepViewer", "JBEU4", "True"});
        QVERIFY(cli.waitForFinished());
        cli.start(qEnvironmentVariable("RKV_CLI"),
                  {"--db", db_.dbPath(), "export-batch", "--to", cliOut, "--dry-run"});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 1); // the index-less title fails there too
        QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()),
                 QStringLiteral("%1/17.mmd (new)\n%1/18.mmd (new)\n%1/19.mmd (new)\n").arg(cliOut));
        cli.start(qEnvironmentVariable("RKV_CLI"),
                  {"--db", db_.dbPath(), "export-batch", "--to", cliOut});
        QVERIFY(cli.waitForFinished());
        for (const char* name : {"17.mmd", "18.mmd", "19.mmd"})
            QCOMPARE(contents(cliOut + "/" + name), contents(media_.dbPath() + "cd1/" + name));
    }

    void readFailureShownOncePerRun() {
        QFile::remove(db_.dbPath() + "History.dat");
        Session s(db_.dbPath());
        s.store.write(kRkv, "SavePath", media_.dbPath());
        s.start();
        s.prompts.answerMessage(Prompts::Answer::Yes);
        s.trigger("JoveBatch");
        int critical = 0;
        for (const Message& m : s.prompts.messages())
            critical += m.title == "Critical Error";
        QCOMPARE(critical, 1); // three titles read, one message
        QCOMPARE(s.row(), -1); // nothing selected behind the user's back
    }

    void batchAnsweredNo() {
        Session s(db_.dbPath());
        s.store.write(kRkv, "SavePath", media_.dbPath());
        s.start();
        s.prompts.answerMessage(Prompts::Answer::No);
        s.trigger("JoveBatch");
        QCOMPARE(s.prompts.asked.size(), 1);
        QCOMPARE(QDir(media_.dbPath()).entryList(QDir::Files), QStringList());
    }

    void batchAbortEndsTheRun() {
        Session s(db_.dbPath());
        s.store.write(kRkv, "SavePath", "/nonexistent/folder/");
        s.start();
        s.prompts.answerMessage(Prompts::Answer::Yes);
        s.prompts.answerMessage(Prompts::Answer::Abort);
        s.trigger("JoveBatch");
        QCOMPARE(s.prompts.messages().size(), 2); // the question and one error choice; no "Done!"
        QVERIFY(!s.window->findChild<QWidget*>("Wait") ||
                !s.window->findChild<QWidget*>("Wait")->isVisible());
    }
};

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
