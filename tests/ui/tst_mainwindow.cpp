// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it, Qt's dialogs behind the prompts, and Wait.
#include "app/Translations.h"
#include "browse/MainControls.h"
#include "browse/TitleDisplay.h"
#include "platform/MessageTexts.h"
#include "support/CatalogueFolder.h"
#include "support/ViewerSession.h"
#include "ui/QtPrompts.h"
#include "ui/Wait.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSemaphore>
#include <QShortcut>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTranslator>

class TestMainWindow : public QObject {
    Q_OBJECT

    // A stored place in whole pixels at 96 dpi, so that it comes back unchanged.
    const QStringList kPlace{"RKV/MainLeft=1500", "RKV/MainTop=1200", "RKV/MainWidth=9000",
                             "RKV/MainHeight=7200"};

    std::optional<CatalogueFolder> db_; // fresh for every test
    QString db() const { return db_->dbPath(); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { WriteSampleCatalogue(db_.emplace()); }

    // A title chosen while its files are indexed ahead shows once they are, the window going on
    // meanwhile; the IMDB link needs the title at once and has it read then.
    void choiceWhileIndexedAhead() {
        CatalogueFolder big;
        QStringList titles, imdb;
        const QString summary(1000, u's'); // 2 MB in all: indexed ahead
        for (int i = 0; i < 2000; ++i) {
            titles << QString("~ Film %1| SINGLE| x| x| Present| x| x| x| x| x| x| %1| x ~").arg(i);
            imdb << QString("~ Film %1| x| Film| x| 1999| x| x| %2| x| x| x| x| 90| 7| "
                            "https://example.org/%1| r ~")
                        .arg(i)
                        .arg(summary);
        }
        big.writeLines("reelkeep.dat", titles);
        big.writeLines("imdb.dat", imdb);
        big.writeLines("History.dat", {});
        StartedSession s(big.dbPath());
        // Every worker held, so that the builds Reload starts wait in the queue.
        QThreadPool& workers = s.window->index().workers();
        workers.waitForDone();
        QSemaphore held;
        const auto hold = [&] {
            for (int i = 0; i < workers.maxThreadCount(); ++i)
                workers.start([&held] { held.acquire(); });
        };
        const auto release = qScopeGuard([&] { held.release(workers.maxThreadCount()); });
        hold();
        s.trigger("Reload");
        s.select(1999);
        bool wentOn = false;
        QTimer::singleShot(0, [&wentOn] { wentOn = true; });
        QTRY_VERIFY(wentOn);
        QCOMPARE(s.caption("Label1"), QString());
        held.release(workers.maxThreadCount());
        QTRY_COMPARE(s.caption("Label1"), "Film 1999");
        workers.waitForDone();
        hold();
        s.trigger("Reload");
        s.select(1998);
        QTest::mouseDClick(s.control("Label11"), Qt::LeftButton);
        QCOMPARE(s.caption("Label1"), "Film 1998");
        QCOMPARE(s.desktop.opened, QStringList{"https://example.org/1998"});
    }

    // Close and Save stores paths and, unless minimised, the place in one save; Close nothing.
    void closing_data() {
        QTest::addColumn<int>("state");      // stored beside kPlace; Qt numbers them alike
        QTest::addColumn<QString>("action"); // empty: the window manager closes the window
        QTest::addColumn<bool>("refused");   // the store cannot be written
        QTest::addColumn<QStringList>("writes");
        const QStringList paths{"DBPath=/elsewhere/", "CoverPath=/elsewhere/"};
        QTest::newRow("normal") << 0 << "CloseSave" << false
                                << paths + kPlace + QStringList{"RKV/State=0"};
        QTest::newRow("maximised")
            << 2 << "CloseSave" << false << paths + QStringList{"RKV/State=2"};
        QTest::newRow("minimised") << 1 << "CloseSave" << false << paths;
        QTest::newRow("refused") << 0 << "CloseSave" << true << QStringList();
        QTest::newRow("Close") << 0 << "Close" << false << QStringList();
        QTest::newRow("window manager") << 0 << "" << false << QStringList();
    }
    void closing() {
        QFETCH(int, state);
        QFETCH(QString, action);
        QFETCH(bool, refused);
        Session s(db(), kPlace.join(u';') + ";RKV/State=" + QString::number(state));
        frmMain& w = s.start();
        QCOMPARE(int(w.windowState()), state);
        s.state.prefs.DBPath = s.state.prefs.CoverPath = QStringLiteral("/elsewhere/");
        s.store.refuseWrites = refused;
        const qsizetype writes = s.store.writes.size(), saves = s.store.saves;
        QSignalSpy ended(&w, &frmMain::programEnded);
        action.isEmpty() ? void(w.close()) : s.trigger(action);
        QCOMPARE(ended.count(), 1);
        QStringList written = s.store.writes.mid(writes);
        if (w.isMaximized()) // the screen's place, which is the platform's
            written = written.filter(QRegularExpression("^(?!RKV/Main)"));
        QTEST(written, "writes");
        QCOMPARE(s.store.saves - saves, int(action == "CloseSave")); // all at once, or nothing
        QCOMPARE(s.prompts.messages.value(0).details, refused ? "File: settings.ini" : "");
    }

    // Each control in its frame, frames tiling the window, fields shown, cleared, or cut with "…".
    void everyControlOfTheTable() {
        const QString huge(3'000'000, u'x'), cut = huge.left(kShownChars) + u'…';
        CatalogueFolder marked;
        marked.writeLines("reelkeep.dat",
                          {"~ =Title=| SINGLE| =Location=| =CatalogueGenre=| "
                           "=Status=| =Medium=| =Rating=| x| y| =AkaTitle=| "
                           "=Comments=| =Idx=| =UserIdx= ~",
                           "~ " + huge + "| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        marked.writeLines("imdb.dat", {"~ =Title=| x| =ImdbName=| x| =Year=| =Director=| "
                                       "=Tagline=| =Summary=| =ImdbGenre=| =Actors=| =Mpaa=| "
                                       "=Language=| =Runtime=| =ImdbRating=| =ImdbLink=| r ~",
                                       "~ " + huge + "| x| x| x| 1999| x| x| " + huge +
                                           "| x| x| x| x| x| 7| | x ~"});
        marked.writeLines("media.dat", {"~ =Title=| =Format=| =NoFiles=| =Length=| =Width=| "
                                        "=Height=| =Framerate=| =VideoBitrate=| =VideoCodec=| "
                                        "=AudioBitrate=| =AudioCodec=| =AudioChannels=| "
                                        "=Samplerate= ~"});
        marked.writeLines("History.dat", {"~ =Title=| =Entered=| x| y ~"});
        StartedSession s(marked.dbPath());
        s.select(0);
        QTRY_COMPARE(s.caption("Label1"), "=Title="); // files of megabytes are indexed ahead
        s.window->resize(1100, 800);
        QTRY_COMPARE(s.window->size(), QSize(1100, 800));
        QRegion tiled;
        const auto shown = [&](const MainControls::Control& c) {
            QWidget* w = s.control(c.name);
            if (auto* label = qobject_cast<QLabel*>(w))
                return label->pixmap().isNull() ? label->text() : QStringLiteral("<picture>");
            if (auto* text = qobject_cast<QPlainTextEdit*>(w))
                return text->toPlainText();
            if (auto* list = qobject_cast<QListView*>(w))
                return list->model()->index(0, 0).data().toString();
            return QString::number(static_cast<QProgressBar*>(w)->value());
        };
        for (const MainControls::Control& c : MainControls::all()) {
            QWidget* w = s.control(c.name);
            QVERIFY2(w, c.name);
            QWidget* home = *c.frame ? s.control(c.frame) : s.window->centralWidget();
            QVERIFY2(home->isAncestorOf(w), c.name);
            QVERIFY2(home->contentsRect().contains(QRect(w->mapTo(home, QPoint()), w->size())),
                     c.name);
            if (c.kind == MainControls::Kind::Frame) {
                QVERIFY2(!tiled.intersects(w->geometry()), c.name);
                tiled += w->geometry();
            }
            for (const CurrentTitle::Field& f : CurrentTitle::fields())
                if (QLatin1String(f.name) == QLatin1String(c.field) &&
                    c.kind != MainControls::Kind::Image)
                    QVERIFY2(shown(c).contains(s.state.title.*f.member),
                             qPrintable(QString(c.name) + " shows " + shown(c)));
        }
        QCOMPARE(tiled, QRegion(s.window->centralWidget()->rect()));
        s.window->ClearForm();
        for (const MainControls::Control& c : MainControls::all())
            if (c.kind != MainControls::Kind::Frame && c.kind != MainControls::Kind::Button &&
                c.kind != MainControls::Kind::List)
                QCOMPARE(shown(c), c.cleared ? (c.kind == MainControls::Kind::Bar ? "0" : "")
                                             : QString(c.caption));
        s.select(1);
        QCOMPARE(s.caption("Label1"), cut);
        QCOMPARE(s.control<QPlainTextEdit>("Text16")->toPlainText(), cut);
        QCOMPARE(s.control<QListView>("List1")->model()->index(1, 0).data().toString(), cut);
        QCOMPARE(s.window->titles().at(1), huge);
    }

    // A first start is centred at 1200 x 800 or less; a refilled list shows its top; Not found.
    void firstStartListAndFind() {
        CatalogueFolder many;
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QString("~ Film %1| S| x| x| Present| x| x| x| x| x| x| %1| x ~").arg(i);
        many.writeLines("reelkeep.dat", lines);
        StartedSession s(many.dbPath());
        const QRect room = s.window->screen()->availableGeometry();
        QCOMPARE(s.window->size(),
                 QSize(std::min(1200, room.width() * 4 / 5), std::min(800, room.height() * 4 / 5)));
        QVERIFY((s.window->geometry().center() - room.center()).manhattanLength() <= 2);
        auto* list = s.control<QListView>("List1");
        for (const char* refill : {"Reload", "Filter"}) {
            list->scrollToBottom();
            QVERIFY(list->verticalScrollBar()->value() > 0);
            s.state.filter.FilterStatusOn = true;
            s.state.pending.filter = true;
            refill == QString("Reload") ? s.trigger("Reload") : s.window->Timer1_Timer();
            QCOMPARE(list->verticalScrollBar()->value(), 0);
        }
        auto* find = s.control<QLineEdit>("FindBox");
        const QColor base = find->palette().color(QPalette::Base);
        QTest::keyClicks(find, "Zardoz");
        QCOMPARE(s.status(), "Not found");
        QVERIFY(find->palette().color(QPalette::Base) != base);
        find->clear();
        QTest::keyClicks(find, "Film 2");
        QCOMPARE(find->palette().color(QPalette::Base), base);
        QCOMPARE(s.row(), 2);
    }

    // The find box looks in the titles or in every fact, as picked last, and names the fact.
    void findScope() {
        Session s(db());
        for (const char* scope : {"Title", "Everything"}) {
            s.start();
            auto* find = s.control<QLineEdit>("FindBox");
            QCOMPARE(s.control<QAction>("FindScope" + QString(scope))->isChecked(), true);
            QTest::keyClicks(find, "WEAVER");
            QCOMPARE(s.row() == 0 ? s.status() : find->placeholderText() + ": " + s.status(),
                     scope == QString("Title") ? "Find title: Not found"
                                               : "Actors: Sigourney Weaver");
            QTest::keyClick(find, Qt::Key_Down, Qt::AltModifier);
            QVERIFY(s.control<QMenu>("FindScopeMenu")->isVisible());
            s.control<QMenu>("FindScopeMenu")->close();
            s.trigger("FindScopeEverything");
            QCOMPARE(find->placeholderText(), "Find in everything");
        }
        QCOMPARE(s.store.writes.filter("FindScope"), QStringList{"RKV/FindScope=Everything"});
    }

    // Under a German locale the window speaks German; without a translator, English.
    void german() {
        const QList<QTranslator*> german =
            Translations::Install(*qApp, QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(german.size() == 2);
        const auto toEnglish = [&german] {
            for (QTranslator* translator : german)
                QCoreApplication::removeTranslator(translator);
        };
        const auto english = qScopeGuard(toEnglish); // also when a comparison fails
        StartedSession s(db());
        s.select(0);
        QStringList menus;
        for (const QAction* menu : s.window->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus.join(u' '), "&Datei &Bearbeiten &Gehe zu &Ansicht E&xport &Hilfe");
        QCOMPARE(s.caption("Label4") + " | " + s.caption("Label14"), "Jahr: 1979 | Darsteller:");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        QCOMPARE(MessageTexts::shown(MessageTexts::kBatchDone) + ' ' +
                     MessageTexts::errorChoice(MessageTexts::kNoIndex.at()).text,
                 "Fertig! Fehler 52 (Ungültiger Dateiname: der Titel hat keinen Index) ist "
                 "aufgetreten.\r\n\r\nWie soll es weitergehen?");
        QCOMPARE(MessageTexts::mediaInfoErrorChoice(MessageTexts::mediaInfoTimedOut(2.5).at()).text,
                 "Fehler: 286 (Zeitüberschreitung: MediaInfo endete nicht innerhalb von 2.5 "
                 "Sekunden und wurde angehalten)\r\n\r\nWie soll es weitergehen?");
        // The batch rules' fields show in German and are stored in English.
        QString shownField;
        WhenModal([&](QWidget* settings) {
            shownField = settings->findChild<QComboBox*>("Combo1")->currentText();
            settings->findChild<QPushButton*>("Command1")->click();
        });
        s.trigger("Settings");
        QCOMPARE(shownField + " | " + s.store.writes.filter("JBEF1").join(""),
                 "Standort | JBEF1=Location");
        toEnglish();
        QCOMPARE(StartedSession(db()).window->menuBar()->actions().first()->text(), "&File");
    }

    // A catalogue argument is opened for the run, stored by Close and Save only, or reported.
    // Without one: no title file and no folder chosen ends the program; a torn one is kept.
    void catalogueArgument_data() {
        QTest::addColumn<QString>("argument");     // <other>: another catalogue's folder
        QTest::addColumn<QByteArray>("titleFile"); // where the settings point; null: the sample's
        QTest::addColumn<QString>("answer");       // to the database dialog; empty: cancelled
        QTest::addColumn<QStringList>("titles");   // empty: the program ended
        QTest::addColumn<QString>("message");      // the start of the one shown, title first
        const QStringList saved{"Alien", "Brazil", "Casablanca", "Alien 2"}, other{"Zardoz"};
        const QByteArray none = "", torn = "~ A| x ~\r\n~x~\r\n~ B| x ~\r\n";
        QTest::newRow("folder") << "<other>" << QByteArray() << "" << other << "";
        QTest::newRow("title file") << "<other>reelkeep.dat" << QByteArray() << "" << other << "";
        QTest::newRow("another file") << "<other>imdb.dat" << QByteArray() << "" << saved
                                      << "Reelkeep Viewer: \"<other>imdb.dat\" is neither";
        QTest::newRow("none, cancelled") << "" << none << "" << QStringList() << "";
        QTest::newRow("none, no folder") << "" << none << "x.dat" << QStringList() << "No Good!";
        QTest::newRow("torn") << "" << torn << "" << QStringList{"A"} << "Critical Error";
    }
    void catalogueArgument() {
        QFETCH(QString, argument);
        QFETCH(QByteArray, titleFile);
        QFETCH(QString, answer);
        QFETCH(QStringList, titles);
        QFETCH(QString, message);
        CatalogueFolder other, folder;
        other.writeLines("reelkeep.dat", {"~ Zardoz| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        other.writeLines("imdb.dat", {});
        if (!titleFile.isEmpty())
            folder.write("reelkeep.dat", titleFile);
        const QString saved = titleFile.isNull() ? db() : folder.dbPath();
        Session s(saved);
        s.prompts.answerFile(answer.isEmpty() ? std::nullopt : std::optional(answer));
        s.store.writes.clear();
        argument.replace("<other>", other.dbPath());
        s.start(argument.isEmpty() ? std::nullopt : std::optional(argument));
        QCOMPARE(s.window->ended(), titles.isEmpty());
        QCOMPARE(s.window->titles(), titles);
        const Message shown = s.prompts.messages.value(0);
        QCOMPARE(QString(shown.title + ": " + shown.text).left(message.size()),
                 message.replace("<other>", other.dbPath()));
        QCOMPARE(s.prompts.messages.size(), int(!message.isEmpty())); // once
        if (titles.isEmpty())
            return;
        QCOMPARE(s.store.writes.filter("DBPath"), QStringList());
        s.trigger("CloseSave");
        QVERIFY(s.store.writes.filter("DBPath").value(0).endsWith(
            titles == QStringList{"Zardoz"} ? other.dbPath() : saved));
    }

    // Asked until a folder holds a title file; a change on disk announced; Reload reads every file
    // again, even one whose size and time stayed; Open another.
    void databaseDialogAndChanges() {
        CatalogueFolder empty, bare, other;
        other.writeLines("reelkeep.dat", {"~ Zardoz| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        Session s(empty.dbPath());
        s.prompts.answerFile(bare.dbPath() + "other.dat");
        s.prompts.answerFile(db() + "whatever.dat");
        frmMain& w = s.start();
        QCOMPARE(s.prompts.asked.size(), 2);
        QCOMPARE(s.prompts.asked[0].openFile.initialFolder, empty.dbPath());
        QCOMPARE(s.prompts.asked[1].openFile.initialFolder, bare.dbPath());
        QCOMPARE(s.state.prefs.CoverPath, db() + "Covers/");
        QCOMPARE(w.titles(), QStringList({"Alien", "Brazil", "Casablanca", "Alien 2"}));
        QStatusTipEvent tip{QString()};
        QCoreApplication::sendEvent(w.menuBar(), &tip);
        QCOMPARE(s.status(), "4 entries loaded.");
        s.select(0);
        db_->writeLines("new.dat", {"~ Alien| SINGLE| Attic box| x| x| x| x| x| x| x| x| 17| x ~"});
        QFile::remove(db() + "reelkeep.dat");
        QFile::rename(db() + "new.dat", db() + "reelkeep.dat");
        QTRY_COMPARE_WITH_TIMEOUT(s.status(), "Catalogue changed on disk - press Ctrl+R to reload.",
                                  5000);
        w.List1_Click();
        QCOMPARE(s.caption("Label6"), "Location: Attic box");
        const QDateTime modified = QFileInfo(db() + "History.dat").lastModified();
        db_->writeLines("History.dat", {"~ Alien| 2007-03-14| x| y ~"});
        QVERIFY(SetModified(db() + "History.dat", modified));
        db_->writeLines("reelkeep.dat", {"~ Alien| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~",
                                         "~ Zardoz| SINGLE| x| x| x| x| x| x| x| x| x| 2| x ~"});
        QTest::mouseClick(s.control("Command1"), Qt::LeftButton);
        QCOMPARE(w.titles(), QStringList({"Alien", "Zardoz"}));
        QCOMPARE(s.caption("Label1"), QString());
        s.select(0);
        QCOMPARE(s.control("Label17")->toolTip(),
                 QStringLiteral("Entered: 14 Mar 2007 (2007-03-14)"));
        s.trigger("OpenAnother"); // cancelled
        QCOMPARE(w.titles().size(), 2);
        s.prompts.answerFile(other.dbPath() + "reelkeep.dat");
        s.trigger("OpenAnother");
        QCOMPARE(w.titles(), QStringList{"Zardoz"});
        QCOMPARE(s.caption("Label1"), "Alien");
    }

    // A session through the commands leaves the catalogue as it was; on the way the rating, a
    // tooltip as written, links, the filter over the list as it stands, a font handed back.
    void sessionChangesNothing() {
        const auto snapshot = [this] { // every file's bytes and modification time
            QMap<QString, QPair<QByteArray, QDateTime>> files;
            for (QDirIterator it(db(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
                 it.hasNext();) {
                const QString path = it.next();
                files.insert(path, {Contents(path), it.fileInfo().lastModified()});
            }
            return files;
        };
        CatalogueFolder out, media;
        const auto before = snapshot();
        Session s(db(), "RKV/SavePath=" + out.dbPath());
        frmMain& w = s.start();
        s.select(0);
        QCOMPARE(s.control<QProgressBar>("ProgressBar1")->value(), 85);
        QCOMPARE(s.control("Label35")->palette().color(QPalette::Window), QColor(0, 255, 0));
        QVERIFY(!s.control<QLabel>("Image1")->pixmap().isNull());
        s.prompts.answerFile(media.dbPath() + "film.cd1.avi"); // Alien comes on two discs
        s.prompts.answerFile(media.dbPath() + "film.cd2.avi");
        s.trigger("JoveExport");
        QVERIFY(QFile::exists(media.dbPath() + "film.cd2.mmd"));
        s.prompts.answerMessage(Prompts::Answer::Yes);
        s.trigger("JoveBatch");
        QVERIFY(!FilesIn(out.dbPath()).isEmpty());
        QCOMPARE(s.caption("Label1") + QString::number(s.row()), "0"); // cleared, still highlighted
        auto* list = s.control<QListView>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(s.caption("Label1"), "Alien");

        s.select(2); // Casablanca: no rating, a tagline that looks like markup
        QCOMPARE(s.control("Label35")->palette().color(QPalette::Window),
                 s.control("Frame7")->palette().color(QPalette::Window));
        const QString tip = s.control("Label15")->toolTip(); // as a tooltip shows it
        QCOMPARE(Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText()
                                          : tip,
                 QStringLiteral("<i>Play it</i>, Sam"));
        QTest::mouseDClick(s.control("Label11"), Qt::LeftButton);
        s.desktop.accept = false;
        WhenModal([](QWidget* about) {
            QTest::mouseClick(about->findChild<QLabel*>("MailTo"), Qt::RightButton);
            QTest::mouseClick(about->findChild<QLabel*>("MailTo"), Qt::LeftButton);
            QVERIFY(about->isVisible());
            QTest::mouseClick(about->findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        });
        s.trigger("About");
        QCOMPARE(s.desktop.opened, QStringList({"https://example.org/c",
                                                "mailto:developers@reelkeep-viewer.example"}));

        WhenModal([](QWidget* dialog) {
            dialog->findChild<QCheckBox*>("Check1")->setChecked(true);
            dialog->findChild<QLineEdit*>("Text1")->setText("1979");
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        QTest::mouseClick(s.control("Command2"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(w.titles(), QStringList{"Alien"}, 2000);
        QCOMPARE(s.status(), "Found: 1 entries.");
        QCOMPARE(s.row(), -1);
        QCOMPARE(s.caption("Label1"), "Casablanca");
        // A second run narrows the first's result, which holds Alien but not Alien 2.
        s.state.filter = {};
        s.state.filter.FilterStatusOn = s.state.pending.filter = true;
        QTRY_VERIFY(!s.state.pending.filter);
        QCOMPARE(w.titles(), QStringList{"Alien"});
        // The walk spared the covers, but the title it leaves for an export has its own.
        QCOMPARE(s.state.title.Title + ' ' + s.state.title.CoverFile,
                 "Alien " + db() + "Covers/17.jpg");
        // A text alone runs the filter too.
        s.trigger("Reload");
        s.state.filter = {};
        s.state.filter.FilterTextOn = s.state.pending.filter = true;
        s.state.filter.FilterText = "WEAVER";
        QTRY_COMPARE(w.titles(), QStringList{"Alien"});

        s.state.prefs.Fonts[1].Name = QStringLiteral("Liberation Serif");
        s.state.pending.relayout = true;
        QTRY_COMPARE_WITH_TIMEOUT(s.control("Label1")->font().family(),
                                  QStringLiteral("Liberation Serif"), 2000);

        s.trigger("Reload");
        s.prompts.answerFile(db() + "reelkeep.dat");
        s.trigger("OpenAnother");
        s.trigger("CloseSave");
        QCOMPARE(snapshot(), before);
    }

    // The open-file dialog shows each filter's description and lists every file under "*.*".
    void openFileDialog() {
        CatalogueFolder folder;
        folder.write("film", "no extension");
        folder.write("reelkeep.dat", "");
        QStringList filters;
        int listed = 0;
        WhenModal([&](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; i < combo->count(); ++i)
                filters << combo->itemText(i);
            auto* view = dialog->findChild<QListView*>("listView");
            for (int wait = 0; wait < 200 && view->model()->rowCount(view->rootIndex()) < 2; ++wait)
                QTest::qWait(10);
            listed = view->model()->rowCount(view->rootIndex());
            dialog->close();
        });
        QtPrompts().openFile({.title = "Open",
                              .filter = "All Files (*.*)|*.*|DB Files(*.dat)|*.dat",
                              .selectedFilter = 1,
                              .initialFolder = folder.dbPath(),
                              .fileName = {}});
        QCOMPARE(filters, QStringList({"All Files (*.*)", "DB Files(*.dat)"}));
        QCOMPARE(listed, 2); // "film" too
    }

    // Abort, Retry, Ignore (Ignore All) from the left, Enter Ignore, Esc Abort; titles whole.
    void messageBox_data() {
        QTest::addColumn<Prompts::Buttons>("buttons");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("press"); // a key, or the caption of the button clicked
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<Prompts::Answer>("answer");
        using B = Prompts::Buttons;
        using A = Prompts::Answer;
        const QStringList choice{"Abort", "Retry", "Ignore"},
            all = choice + QStringList{"Ignore All"};
        const QString error = "An error occured";
        QTest::newRow("error choice, Enter")
            << B::AbortRetryIgnore << error << "Enter" << choice << A::Ignore;
        QTest::newRow("error choice, Esc")
            << B::AbortRetryIgnore << error << "Esc" << choice << A::Abort;
        QTest::newRow("batch, Enter")
            << B::AbortRetryIgnoreAll << error << "Enter" << all << A::Ignore;
        QTest::newRow("batch, Ignore All")
            << B::AbortRetryIgnoreAll << error << "Ignore All" << all << A::IgnoreAll;
        QTest::newRow("Done!") << B::Ok << "Jove Batch"
                               << "Enter" << QStringList{"OK"} << A::Ok;
        QTest::newRow("long title") << B::YesNo << "About to run Jove Batch Export, 100,000 titles"
                                    << "Esc" << QStringList{"Yes", "No"} << A::No;
    }
    void messageBox() {
        QFETCH(Prompts::Buttons, buttons);
        QFETCH(QString, title);
        QFETCH(QString, press);
        QtPrompts prompts;
        QStringList captions;
        int room = 0, titled = 0; // for the title in a title bar, and the title in bold
        QString text, details;
        WhenModal([&](QWidget* box) {
            auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            text = label->textFormat() == Qt::PlainText ? label->text() : "";
            details = QTextDocumentFragment::fromHtml(
                          box->findChild<QLabel*>("qt_msgbox_informativelabel")->text())
                          .toPlainText();
            QList<QPushButton*> shown = box->findChildren<QPushButton*>();
            std::sort(shown.begin(), shown.end(),
                      [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
            for (QPushButton* button : shown)
                captions << button->text().remove(u'&');
            QStyleOptionTitleBar bar;
            bar.initFrom(box);
            bar.rect = QRect(0, 0, box->width(),
                             box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box));
            bar.titleBarFlags = box->windowFlags();
            room = box->style()
                       ->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarLabel, box)
                       .width();
            QFont bold = box->font();
            bold.setBold(true);
            titled = QFontMetrics(bold).horizontalAdvance(title);
            QWidget* focus = box->focusWidget() ? box->focusWidget() : box;
            if (press == "Enter" || press == "Esc")
                QTest::keyClick(focus, press == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
            else if (captions.contains(press))
                shown.at(captions.indexOf(press))->click();
            else
                box->close();
        });
        const QString markup = "<b>x</b> & y", written = "Title: <i>A</i>\nFile: /a & b";
        QTEST(prompts.message({Message::Icon::Question, title, markup, written}, buttons),
              "answer");
        QTEST(captions, "captions");
        QCOMPARE(text + u'|' + details, markup + u'|' + written);
        QVERIFY2(room >= titled, qPrintable(QString("%1 < %2").arg(room).arg(titled)));
    }

    // A face not installed keeps its name; the colour dialog cancelled leaves the colour unset.
    void fontDialog() {
        QStringList shown; // the family and style boxes
        WhenModal([&](QWidget* dialog) {
            for (QLineEdit* box : dialog->findChildren<QLineEdit*>()) {
                if (box->isReadOnly())
                    shown << box->text();
                else if (box->validator()) // the size
                    box->setText("14");
            }
            static_cast<QDialog*>(dialog)->accept();
            WhenModal([](QWidget* colours) { colours->close(); });
        });
        QCOMPARE(QtPrompts().chooseFont({"Arial", 10.5, true, true, false, Qt::red}),
                 (FontChoice{"Arial", 14, true, true, false, QColor()}));
        QCOMPARE(shown, QStringList({"Arial", "Bold Italic"}));
    }

    // Wait holds the owner's commands and input; a box opened meanwhile stands clear of it.
    void waitDuringAWalk_data() {
        QTest::addColumn<bool>("foot"); // the owner stands at the screen's foot
        QTest::newRow("room below") << false;
        QTest::newRow("at the screen's foot") << true;
    }
    void waitDuringAWalk() {
        QFETCH(bool, foot);
        StartedSession s(db());
        const QRect screen = s.window->screen()->availableGeometry();
        s.window->setGeometry(100, foot ? screen.bottom() - 300 : 100, 600, 400);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        auto* command = s.control<QAction>("Next");
        auto* off = s.control<QAction>("Filter");
        off->setEnabled(false);
        auto* shortcut = s.window->findChild<QShortcut*>();
        {
            Wait wait(s.window.get());
            auto* bar = wait.findChild<QProgressBar*>("PB1");
            wait.start(5);
            QVERIFY(bar->isVisible() && bar->maximum() == 4);
            QCOMPARE(QApplication::activeModalWidget(), &wait);
            QVERIFY(!command->isEnabled() && !shortcut->isEnabled());
            bool pendingRan = false;
            QTimer::singleShot(0, &wait, [&pendingRan] { pendingRan = true; });
            wait.step(3);
            QVERIFY(bar->value() == 3 && pendingRan);
            QRect box;
            WhenModal([&](QWidget* dialog) {
                box = dialog->frameGeometry();
                dialog->close();
            });
            QtPrompts(s.window.get())
                .message(MessageTexts::errorChoice(MessageTexts::kNoIndex.at()),
                         Prompts::Buttons::AbortRetryIgnoreAll);
            const QRect shown = wait.frameGeometry();
            QVERIFY(!box.intersects(shown) && screen.contains(box));
            QCOMPARE(box.top() > shown.bottom(), !foot);
            wait.finish();
            QVERIFY(!wait.isVisible() && !QApplication::activeModalWidget());
        }
        QVERIFY(command->isEnabled() && shortcut->isEnabled() && !off->isEnabled());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
