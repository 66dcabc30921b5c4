// SPDX-License-Identifier: GPL-3.0-or-later
// Both Jove exports from the main window's menu, with the files they leave compared byte for byte.
#include "support/CatalogueFolder.h"
#include "support/CliRun.h"
#include "support/ViewerSession.h"

#include <QTest>

class TestExportWindow : public QObject {
    Q_OBJECT

    CatalogueFolder db_;
    std::optional<CatalogueFolder> media_; // fresh for every test

    // The window with Alien selected, holding `noFiles` media files.
    std::unique_ptr<StartedSession> open(const QString& noFiles, const QString& settings = {}) {
        db_.writeLines("reelkeep.dat", {"~ Alien| S| VCD-1| x| x| DVD| 5| x| x| x| x| 17| U-1 ~",
                                        "~ Brazil| S| x| x| x| SVCD| 5| x| x| x| x| 18| DVD-2 ~",
                                        "~ Casablanca| S| cd-3| x| x| VHS| 5| x| x| x| x| 19| x ~",
                                        "~ Dune| S| VCD-4| x| x| SVCD| 5| x| x| x| x| | x ~"});
        db_.writeLines("imdb.dat", {"~ Alien| x| x| x| 1979| x| x| x| x| x| x| x| 1| 8| | r ~"});
        db_.writeLines("media.dat",
                       {"~ Alien| x| " + noFiles + "| 1| 1| 1| 1| 1| x| 1| x| 1| 1 ~"});
        db_.writeLines("History.dat", {"~ Alien| 2006-03-14| x| y ~", "~x~"}); // fails after Alien
        db_.write("Covers/17.jpg", "cover bytes");
        QDir().mkpath(media("cd1"));
        QDir().mkpath(media("cd2"));
        auto s = std::make_unique<StartedSession>(db_.dbPath(), settings);
        s->select(0);
        return s;
    }
    QString media(const QString& name) const { return media_->dbPath() + name; }

private Q_SLOTS:
    void init() { media_.emplace(); }

    // Two parts, counted or asked for, in the folder before; the cover beside part 1, as set.
    void twoPartsInTwoFolders_data() {
        QTest::addColumn<int>("noFiles");
        QTest::addColumn<QString>("overwrite");
        QTest::addColumn<QByteArray>("cover");
        QTest::addColumn<QString>("proposed"); // in the input box; empty: none asked
        QTest::newRow("older kept") << 2 << "False" << QByteArray("old picture") << QString();
        QTest::newRow("asked, older replaced") << 0 << "True" << QByteArray("cover bytes") << "2";
    }
    void twoPartsInTwoFolders() {
        QFETCH(int, noFiles);
        QFETCH(QString, overwrite);
        const auto s = open(QString::number(noFiles), "CpFolderOverwrite=" + overwrite);
        media_->write("cd1/folder.jpg", "old picture");
        s->prompts.answerInput("2");
        s->prompts.answerFile(media("cd1/Alien.CD1.avi"));
        s->prompts.answerFile(media("cd2/Alien"));
        s->state.filter.FilterStatusOn = s->state.pending.filter = true;
        s->prompts.onAsk = [&](auto&) { QTest::qWait(s->prompts.asked.size() > 1 ? 0 : 700); };
        s->trigger("JoveExport");
        QTEST(s->prompts.asked.first().proposed, "proposed");
        const auto& secondFile = s->prompts.asked[s->prompts.asked.size() - 2]; // before Success
        QCOMPARE(secondFile.openFile.initialFolder, QDir::cleanPath(media("cd1")));
        const QByteArray first = Contents(media("cd1/Alien.CD1.mmd"));
        QVERIFY(first.contains("<name sort=\"1\">Alien</name>"));
        QByteArray second = first;
        second.replace("sort=\"1\"", "sort=\"2\"")
            .replace("<path>Alien.CD1.avi</path>", "<path>Alien</path>");
        QCOMPARE(Contents(media("cd2/Alien.mmd")), second);
        QTEST(Contents(media("cd1/folder.jpg")), "cover");
        QVERIFY(!QFile::exists(media("cd2/folder.jpg")));
        QCOMPARE(s->prompts.messages.last().title, "MMD-files written");
    }

    // Nothing before every part has its file; the error choice names the file; media stay intact.
    void notWritten_data() {
        QTest::addColumn<int>("noFiles");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("answer");      // to the error choice
        QTest::addColumn<QString>("details"); // of the first message, the media folder left out
        QTest::addColumn<int>("messages");
        using A = Prompts::Answer;
        const QString later = "Title: Alien\nFile: later/a.mmd\nReason: No such file or directory";
        QTest::newRow("count cancelled") << -2 << "cd1/a.avi" << int(A::Abort) << QString() << 0;
        QTest::newRow("part 2 cancelled") << 2 << "cd1/a.avi" << int(A::Abort) << QString() << 0;
        QTest::newRow("Abort") << 1 << "later/a.avi" << int(A::Abort) << later << 1;
        QTest::newRow("Retry") << 1 << "later/a.avi" << int(A::Retry) << later << 2;
        QTest::newRow("Ignore: the media file")
            << 1 << "cd1/film.mmd" << int(A::Ignore) << "Title: Alien\nFile: cd1/film.mmd" << 2;
    }
    void notWritten() {
        QFETCH(int, noFiles);
        QFETCH(QString, file);
        QFETCH(int, answer);
        const auto s = open(QString::number(noFiles));
        media_->write("cd1/film.mmd", "the media file");
        s->prompts.answerFile(media(file));
        s->prompts.answerMessage(Prompts::Answer(answer));
        s->prompts.onAsk = [&](auto&) {
            QDir().mkpath(media(s->prompts.asked.size() > 1 ? "later" : "cd1"));
        };
        s->trigger("JoveExport");
        QTEST(s->prompts.messages.value(0).details.remove(media_->dbPath()), "details");
        QTEST(int(s->prompts.messages.size()), "messages");
        QCOMPARE(QDir(media("later")).entryList({"*.mmd"}),
                 answer == int(Prompts::Answer::Retry) ? QStringList{"a.mmd"} : QStringList());
        QCOMPARE(QDir(media("cd1")).entryList({"*.mmd"}), QStringList{"film.mmd"});
        QCOMPARE(Contents(media("cd1/film.mmd")), QByteArray("the media file"));
    }

    // The batch declined, aborted, ignored; a pending filter waits out its boxes; the command
    // line, given the same rule, writes the same files.
    void batch_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("folder"); // in the media folder; "missing" is not there
        QTest::addColumn<int>("missing");    // the answer to a missing folder's first failure
        QTest::addColumn<int>("messages");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("status");
        using A = Prompts::Answer;
        QTest::newRow("written") << int(A::Yes) << "cd1" << 0 << 4
                                 << QStringList{"17.mmd", "18.mmd", "19.mmd"}
                                 << "3 documents written, 1 failed.";
        QTest::newRow("answered No")
            << int(A::No) << "cd1" << 0 << 1 << QStringList() << "4 entries loaded.";
        QTest::newRow("aborted") << int(A::Yes) << "missing" << int(A::Abort) << 2 << QStringList()
                                 << "0 documents written, 1 failed.";
        QTest::newRow("Ignore All") << int(A::Yes) << "missing" << int(A::IgnoreAll) << 4
                                    << QStringList() << "0 documents written, 4 failed.";
    }
    void batch() {
        QFETCH(int, answer);
        QFETCH(QString, folder);
        QFETCH(int, missing);
        QFETCH(QStringList, files);
        const auto s = open("2", "JBEU4=True;RKV/SavePath=" + media(folder));
        s->prompts.answerMessage(Prompts::Answer(answer));
        s->prompts.answerMessage(folder == "missing" ? Prompts::Answer(missing)
                                                     : Prompts::Answer::Ok);
        s->prompts.answerMessage(Prompts::Answer::Ignore); // Dune: no index
        s->state.filter.FilterYearOn = s->state.pending.filter = true;
        s->state.filter.FilterYearText = QStringLiteral("1979");
        s->prompts.onAsk = [](const ScriptedPrompts::Asked& asked) {
            if (asked.buttons == Prompts::Buttons::AbortRetryIgnoreAll)
                QTest::qWait(700);
        };
        s->trigger("JoveBatch");
        QTEST(int(s->prompts.messages.size()), "messages");
        QCOMPARE(FilesIn(media(folder)), files);
        QTEST(s->status(), "status");
        QCOMPARE(s->window->titles().size(), 4);
        QTRY_COMPARE_WITH_TIMEOUT(s->window->titles(), QStringList{"Alien"}, 2000);

        RunCli(media("cli"), {"settings", "set", "ReelkeepViewer", "JBEU4", "True"});
        RunCli(media("cli"), {"--db", db_.dbPath(), "export-batch", "--to", media("cd2")});
        for (const QString& name : files)
            QCOMPARE(Contents(media("cd2/") + name), Contents(media(folder + u'/' + name)));
    }
};

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
