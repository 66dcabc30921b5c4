// Both Jove exports from the main window's menu, with the files they leave compared byte for byte.
#include "support/CatalogueFolder.h"
#include "support/CliRun.h"
#include "support/ViewerSession.h"

#include <QTest>

namespace {

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
    db.writeLines("History.dat", {"~ Alien| 2006-03-14| x| y ~", "~x~"}); // fails after Alien
    db.write("Covers/17.jpg", "cover bytes");
}

} // namespace

class TestExportWindow : public QObject {
    Q_OBJECT

    CatalogueFolder db_;
    CatalogueFolder media_;

    // The window with Alien (selected if `select`) holding `noFiles` media files, and `settings`.
    std::unique_ptr<Session> open(const QString& noFiles, const QString& settings = {},
                                  bool select = true) {
        writeCatalogue(db_, noFiles);
        auto s = std::make_unique<Session>(db_.dbPath(), settings);
        s->start();
        if (select)
            s->select(0);
        return s;
    }
    QString media(const QString& name) const { return media_.dbPath() + name; }

private Q_SLOTS:
    void init() {
        QDir(media_.dbPath()).removeRecursively();
        QDir().mkpath(media("cd1"));
        QDir().mkpath(media("cd2"));
    }

    // Two parts in two folders; the cover goes beside part 1, where an older one is kept or
    // replaced as the settings say (a new one is the command line's export-title case).
    void twoPartsInTwoFolders_data() {
        QTest::addColumn<QString>("overwrite");
        QTest::addColumn<QByteArray>("cover");
        QTest::newRow("older kept") << "False" << QByteArray("old picture");
        QTest::newRow("older replaced") << "True" << QByteArray("cover bytes");
    }
    void twoPartsInTwoFolders() {
        QFETCH(QString, overwrite);
        media_.write("cd1/folder.jpg", "old picture");
        const auto s = open("2", "CpFolderOverwrite=" + overwrite);
        s->prompts.answerFile(media("cd1/Alien.CD1.avi"));
        s->prompts.answerFile(media("cd2/Alien"));
        // A filter asked for just before waits while the first file dialog is up through a tick
        // of the timer: run there, it would replace the title being exported.
        s->state.filter.FilterStatusOn = s->state.pending.filter = true;
        s->prompts.onAsk = [&p = s->prompts](const ScriptedPrompts::Asked&) {
            if (p.asked.size() == 1)
                QTest::qWait(700);
        };
        s->trigger("JoveExport");
        QCOMPARE(s->prompts.asked[1].openFile.title, QStringLiteral("Select media file, part 2."));
        QCOMPARE(s->prompts.asked[1].openFile.initialFolder, QDir::cleanPath(media("cd1")));
        // The documents' contents are the document builder's; here they differ in part and file.
        const QByteArray first = Contents(media("cd1/Alien.CD1.mmd"));
        QVERIFY(first.contains("<name sort=\"1\">Alien</name>"));
        QByteArray expectedSecond = first;
        expectedSecond.replace("sort=\"1\"", "sort=\"2\"")
            .replace("<path>Alien.CD1.avi</path>", "<path>Alien</path>");
        QCOMPARE(Contents(media("cd2/Alien.mmd")), expectedSecond);
        QTEST(Contents(media("cd1/folder.jpg")), "cover");
        QVERIFY(!QFile::exists(media("cd2/folder.jpg")));
        QCOMPARE(s->prompts.messages,
                 (QList<Message>{{Message::Icon::Information, "MMD-files written",
                                  "Success!\r\nJove files written"}}));
    }

    // A part count that is no positive number is asked for; nothing is written before every part
    // has its file (the second media dialog is cancelled).
    void partCountAsked_data() {
        QTest::addColumn<QString>("noFiles");
        QTest::addColumn<QString>("answer"); // empty: the input box is cancelled
        QTest::addColumn<QString>("asked");
        const auto row = [](const char* tag, const char* noFiles, const char* answer,
                            const char* asked) {
            QTest::newRow(tag) << QString(noFiles) << QString(answer) << QString(asked);
        };
        row("none, answered 3", "", "3", "input file file");
        row("zero, cancelled", "0", "", "input");
        row("negative, answered 0", "-2", "0", "input");
        row("2.5 rounds to 2", "2.5", "", "file file");
    }
    void partCountAsked() {
        QFETCH(QString, noFiles);
        QFETCH(QString, answer);
        const auto s = open(noFiles);
        s->prompts.answerInput(answer.isEmpty() ? std::nullopt : std::optional(answer));
        s->prompts.answerFile(media("cd1/a.avi"));
        s->trigger("JoveExport");
        QStringList asked;
        for (const auto& a : s->prompts.asked) {
            const bool input = a.kind == ScriptedPrompts::Asked::Kind::InputBox;
            if (input)
                QCOMPARE(QStringList({a.text, a.title, a.proposed}),
                         QStringList({"How many parts?", "Parts is zero", "2"}));
            asked << (input ? "input" : "file");
        }
        QTEST(asked.join(u' '), "asked");
        QVERIFY(s->prompts.messages.isEmpty());
        QCOMPARE(FilesIn(media("cd1")), QStringList());
    }

    // A document that cannot be written raises the error choice, which names the title, the file
    // and the system's reason below its text ("later/" appears when asked).
    void errorChoice_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("error");   // %1: the media file
        QTest::addColumn<QString>("details"); // <media>: the media folder
        QTest::addColumn<bool>("success");
        const QString missing = "76 (Path not found";
        const QString later = "Title: Alien\nFile: <media>later/a.mmd\n"
                              "Reason: No such file or directory";
        QTest::newRow("Abort") << "later/a.avi" << int(Prompts::Answer::Abort) << missing << later
                               << false;
        QTest::newRow("Retry after the folder appeared")
            << "later/a.avi" << int(Prompts::Answer::Retry) << missing << later << true;
        QTest::newRow("the document would replace its media file")
            << "cd1/film.mmd" << int(Prompts::Answer::Ignore)
            << "58 (The document would replace the media file %1"
            << "Title: Alien\nFile: <media>cd1/film.mmd" << true;
    }
    void errorChoice() {
        QFETCH(QString, file);
        QFETCH(int, answer);
        QFETCH(QString, error);
        QFETCH(QString, details);
        media_.write("cd1/film.mmd", "the media file");
        const auto s = open("1");
        s->prompts.answerFile(media(file));
        s->prompts.answerMessage(Prompts::Answer(answer));
        s->prompts.onAsk = [&](const ScriptedPrompts::Asked& a) {
            if (a.buttons == Prompts::Buttons::AbortRetryIgnore)
                QDir().mkpath(media("later"));
        };
        s->trigger("JoveExport");
        QCOMPARE(s->prompts.messages.first(),
                 (Message{Message::Icon::Exclamation, "An error occured",
                          QString("Error %1) occured.\r\n\r\nWhat do you want to do?")
                              .arg(error.contains("%1") ? error.arg(media(file)) : error),
                          details.replace("<media>", media_.dbPath())}));
        QCOMPARE(QFile::exists(media("later/a.mmd")), answer == int(Prompts::Answer::Retry));
        QCOMPARE(Contents(media("cd1/film.mmd")), QByteArray("the media file"));
        QTEST(s->prompts.messages.last().title == "MMD-files written", "success");
    }

    // Default rules and rule 4 (Medium SVCD): Delicatessen matches two, but has no index. The
    // history file's failure is shown once, though three titles read it.
    void batch() {
        const auto s = open("2", "JBEU4=True;RKV/SavePath=" + media("cd1")); // no closing separator
        s->prompts.answerMessage(Prompts::Answer::Yes);
        s->prompts.answerMessage(Prompts::Answer::Ok);     // the history file's failure
        s->prompts.answerMessage(Prompts::Answer::Ignore); // Delicatessen: no index
        // A filter asked for just before, and a box up through the timer's next tick: the
        // filter waits for the walk instead of replacing the list under it.
        s->state.filter.FilterYearOn = true;
        s->state.filter.FilterYearText = QStringLiteral("1979");
        s->state.pending.filter = true;
        s->prompts.onAsk = [](const ScriptedPrompts::Asked& asked) {
            if (asked.buttons == Prompts::Buttons::AbortRetryIgnore)
                QTest::qWait(700);
        };
        s->trigger("JoveBatch");
        const auto messages = s->prompts.messages;
        QCOMPARE(messages.first(), (Message{Message::Icon::Question, "Jove Batch Export",
                                            "About to run Jove Batch Export, Ok?"}));
        QCOMPARE(s->prompts.asked.first().buttons, Prompts::Buttons::YesNo);
        QCOMPARE(messages[1].title, QStringLiteral("Critical Error"));
        QCOMPARE(messages[2].title, QStringLiteral("An error occured"));
        QCOMPARE(messages.last(), (Message{Message::Icon::Question, "Jove Batch", "Done!"}));
        QCOMPARE(FilesIn(media("cd1")), QStringList({"17.mmd", "18.mmd", "19.mmd"}));
        QCOMPARE(s->status(), QStringLiteral("3 documents written, 1 failed."));
        QCOMPARE(s->caption("Label1"), QString()); // the display is cleared afterwards
        QCOMPARE(s->row(), 0);
        QCOMPARE(s->window->titles().size(), 4);
        QTRY_COMPARE_WITH_TIMEOUT(s->window->titles(), QStringList{"Alien"}, 2000);

        // The command line, given the same rule in its store, writes the same documents byte for
        // byte; given a relative folder, it names them in full; standard error ends as the
        // window did, with the status text and the closing box.
        const CatalogueFolder settings;
        RunCli(settings.dbPath(), {"settings", "set", "ReelkeepViewer", "JBEU4", "True"});
        const CliRun run =
            RunCli(settings.dbPath(), {"--db", db_.dbPath(), "export-batch", "--to",
                                       QDir::current().relativeFilePath(media("cd2"))});
        QCOMPARE(run.status, 1); // the index-less title fails there too
        QCOMPARE(run.out, QStringLiteral("%1/17.mmd\n%1/18.mmd\n%1/19.mmd\n").arg(media("cd2")));
        QVERIFY(run.err.endsWith("3 documents written, 1 failed.\nJove Batch: Done!\n"));
        for (const char* name : {"/17.mmd", "/18.mmd", "/19.mmd"})
            QCOMPARE(Contents(media("cd2") + name), Contents(media("cd1") + name));
    }

    // A batch declined, or aborted at its first error, writes nothing, says nothing more and
    // selects no title behind the user's back.
    void batchStops_data() {
        QTest::addColumn<QString>("savePath"); // empty: the media folder
        QTest::addColumn<int>("messages");
        QTest::newRow("answered No") << "" << 1;
        QTest::newRow("aborted") << "/nonexistent/folder/" << 2; // no "Done!"
    }
    void batchStops() {
        QFETCH(QString, savePath);
        const auto s =
            open("2", "RKV/SavePath=" + (savePath.isEmpty() ? media_.dbPath() : savePath), false);
        s->prompts.answerMessage(savePath.isEmpty() ? Prompts::Answer::No : Prompts::Answer::Yes);
        s->prompts.answerMessage(Prompts::Answer::Abort);
        s->trigger("JoveBatch");
        QTEST(int(s->prompts.asked.size()), "messages");
        QCOMPARE(FilesIn(media_.dbPath()), QStringList());
        QVERIFY(!s->control("Wait") || !s->control("Wait")->isVisible());
        QCOMPARE(s->row(), -1);
    }
};

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
