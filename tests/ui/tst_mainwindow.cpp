// The main window driven as a user drives it, on the offscreen platform: start-up and geometry,
// the database dialog and its cycle, the title display, navigation, the find box, the timer,
// and closing with and without saving.
#include "CatalogueFolder.h"
#include "Twips.h"
#include "ViewerSession.h"
#include "frmAbout.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

void writeCatalogue(const CatalogueFolder& db) {
    db.writeLines("reelkeep.dat",
                  {"~ Alien| SINGLE| VCD-1| Horror| Present| DVD| 5| x| y| Le 8e passager| "
                   "Great^^film| 17 | U17 ~",
                   "~ Brazil| BOX| Shelf| Comedy| NULL| NULL| NULL| x| y| NULL| NULL| NULL| NULL ~",
                   "~ Casablanca| SINGLE| A| Drama| Lent| VHS| 3| x| y| NULL| NULL| 3| NULL ~",
                   "~ Alien 2| SINGLE| A| Horror| Present| DVD| 4| x| y| NULL| NULL| 4| NULL ~"});
    db.writeLines("imdb.dat",
                  {"~ Alien| x| Alien| x| 1979| Ridley Scott| In space...| Crew meets it.| "
                   "Horror, Sci-Fi| Sigourney Weaver| R| English| 117| 8.5| | r ~",
                   "~ Casablanca| x| Casablanca| x| 1942| Michael Curtiz| NULL| NULL| Drama| "
                   "Humphrey Bogart| PG| English| 102| Null| https://example.org/c| r ~"});
    db.writeLines("media.dat",
                  {"~ Alien| AVI| 2| 117| 1920| 1080| 25| 1500| XviD| 128| MP3| 2| 48000 ~"});
    db.writeLines("History.dat", {"~ Alien| 2006-03-14| x| y ~", "~ Brazil| someday| x| y ~"});
    db.touchCover("17.jpg");
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void firstStartOpensAtDefaultPlace() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        frmMain& w = s.start();
        const double dpi = w.logicalDpiX();
        QCOMPARE(w.windowTitle(), QStringLiteral("Reelkeep Viewer for RK3.3.2"));
        QCOMPARE(w.pos(), QPoint(Twips::toPixels(1000, dpi), Twips::toPixels(1000, dpi)));
        QCOMPARE(w.size(), QSize(Twips::toPixels(6500, dpi), Twips::toPixels(6500, dpi)));
        QCOMPARE(w.windowState(), Qt::WindowNoState);
        QCOMPARE(w.titles(), QStringList({"Alien", "Brazil", "Casablanca", "Alien 2"}));
        QCOMPARE(s.status(), QStringLiteral("4 entries loaded."));
        QCOMPARE(s.row(), -1);
        QVERIFY(s.prompts.asked.isEmpty());
    }

    void closeAndSave_data() {
        QTest::addColumn<Qt::WindowState>("windowState");
        QTest::addColumn<QString>("savedState"); // empty: the geometry keys are not written
        QTest::newRow("normal") << Qt::WindowNoState << "0";
        QTest::newRow("maximised") << Qt::WindowMaximized << "2";
        QTest::newRow("minimised") << Qt::WindowMinimized << "";
    }
    void closeAndSave() {
        QFETCH(Qt::WindowState, windowState);
        QFETCH(QString, savedState);
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.store.write(kRkv, "MainLeft", "1500");
        s.store.write(kRkv, "MainTop", "1200"); // whole pixels, so they come back unchanged
        s.store.write(kRkv, "MainWidth", "9000");
        frmMain& w = s.start();
        w.setWindowState(windowState);
        s.state.prefs.DBPath = QStringLiteral("/elsewhere/");
        QSignalSpy ended(&w, &frmMain::programEnded);
        s.trigger("CloseSave");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(s.store.value(kViewer, "DBPath"), QStringLiteral("/elsewhere/"));
        QCOMPARE(s.store.value(kRkv, "State"),
                 savedState.isEmpty() ? std::nullopt : std::optional(savedState));
        if (windowState == Qt::WindowNoState) {
            QCOMPARE(s.store.value(kRkv, "MainLeft"), QStringLiteral("1500"));
            QCOMPARE(s.store.value(kRkv, "MainWidth"), QStringLiteral("9000"));
            QCOMPARE(s.store.value(kRkv, "MainTop"), QStringLiteral("1200"));
        }
        if (windowState == Qt::WindowMinimized)
            QCOMPARE(s.store.value(kRkv, "MainLeft"), QStringLiteral("1500")); // untouched
    }

    void closeSavesNothing() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        frmMain& w = s.start();
        s.state.prefs.DBPath = QStringLiteral("/elsewhere/");
        QSignalSpy ended(&w, &frmMain::programEnded);
        s.trigger("Close");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(s.store.value(kViewer, "DBPath"), db.dbPath());
        QCOMPARE(s.store.value(kRkv, "MainLeft"), std::nullopt);
    }

    void restoresStoredGeometry() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.store.write(kRkv, "MainLeft", "2880");
        s.store.write(kRkv, "MainTop", "wrong"); // not a number: left as it was
        s.store.write(kRkv, "MainWidth", "12000");
        s.store.write(kRkv, "State", "2");
        frmMain& w = s.start();
        const double dpi = w.logicalDpiX();
        QCOMPARE(w.windowState(), Qt::WindowMaximized);
        QCOMPARE(w.normalGeometry().x(), Twips::toPixels(2880, dpi));
        QCOMPARE(w.normalGeometry().width(), Twips::toPixels(12000, dpi));
    }

    // Each label's caption and tooltip after a title is shown; the rules themselves are tested
    // without a window, so this checks that the window applies them to the right controls.
    // The window applies the display rules to the right controls; the rules themselves are
    // tested without a window. Nothing of one title survives into the next.
    void showsSelectedTitle() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.start();
        const QStringList expected[] = {
            {"Label1=Alien", "Label2=AKA: Le 8e passager", "Label11=IMDB: Alien",
             "Label12=Genre: Horror, Sci-Fi", "Label3=IDX: 17 ", "Label17=Entered: 14 Mar 2006",
             "Label26=Aspect: 1.78:1 (16:9)", "Label35=8.5"},
            {"Label1=Brazil", "Label33=Entry type: Series/Box set", "Label11=", "Label35=",
             "Label26=", "Label17=Entered: someday", "Label14=Actors:", "Label16=Summary:"},
            {"Label34=IMDB Rating: Null", "Label35="}};
        for (int row = 0; row < 3; ++row) {
            s.select(row);
            for (const QString& pair : expected[row])
                QCOMPARE(s.caption(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
        }
        s.select(0);
        QCOMPARE(s.control("Label17")->toolTip(),
                 QStringLiteral("Entered: 14 Mar 2006 (2006-03-14)"));
        QCOMPARE(s.control("Label11")->toolTip(), QStringLiteral("Double click to search IMDB"));
        QCOMPARE(s.control<QPlainTextEdit>("Text17")->toPlainText(), QStringLiteral("Great\nfilm"));
        QVERIFY(s.control<QLabel>("Image1")->pixmap().isNull()); // an empty file is no picture
        QVERIFY(s.prompts.messages().isEmpty());
    }

    void ratingBands_data() {
        QTest::addColumn<QString>("rating");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QColor>("colour"); // invalid: the frame's own colour
        QTest::newRow("0") << "0" << 0 << QColor();
        QTest::newRow("40") << "4.0" << 40 << QColor(255, 0, 0);
        QTest::newRow("41") << "4.1" << 41 << QColor(255, 255, 0);
        QTest::newRow("70") << "7" << 70 << QColor(255, 255, 0);
        QTest::newRow("71") << "7.1" << 71 << QColor(0, 255, 0);
        QTest::newRow("100") << "10" << 100 << QColor(0, 255, 0);
        QTest::newRow("Null") << "Null" << 0 << QColor();
        QTest::newRow("beyond the scale") << "12.5" << 100 << QColor(0, 255, 0);
    }
    void ratingBands() {
        QFETCH(QString, rating);
        QFETCH(int, bar);
        QFETCH(QColor, colour);
        CatalogueFolder db;
        db.writeLines("reelkeep.dat", {"~ A| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        db.writeLines("imdb.dat",
                      {"~ A| x| A| x| 1| 2| 3| 4| 5| 6| 7| 8| 9| " + rating + "| | r ~"});
        db.writeLines("History.dat", {"~ A| 2001-01-01| x| y ~"});
        Session s(db.dbPath());
        s.start();
        s.select(0);
        QCOMPARE(s.control<QProgressBar>("ProgressBar1")->value(), bar);
        QCOMPARE(s.caption("Label35"), rating == "Null" ? QString() : rating);
        const QColor frame = s.control("Frame7")->palette().color(QPalette::Window);
        QCOMPARE(s.control("Label35")->palette().color(QPalette::Window),
                 colour.isValid() ? colour : frame);
    }

    void readerFailureIsShownOnce() {
        CatalogueFolder db;
        writeCatalogue(db);
        QFile::remove(db.dbPath() + "History.dat");
        Session s(db.dbPath());
        s.start();
        s.select(2);
        QCOMPARE(s.prompts.messages().size(), 1);
        QCOMPARE(s.prompts.messages().first().title, QStringLiteral("Critical Error"));
        QCOMPARE(s.prompts.messages().first().text,
                 QStringLiteral("Error 53 (File not found) \r\nwhen reading history.dat"));
        QCOMPARE(s.caption("Label1"), QStringLiteral("Casablanca"));
    }

    void navigation_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("to");
        QTest::newRow("first") << 2 << "First" << 0;
        QTest::newRow("last") << 0 << "Last" << 3;
        QTest::newRow("next") << 1 << "Next" << 2;
        QTest::newRow("next at last") << 3 << "Next" << 3;
        QTest::newRow("next without selection") << -1 << "Next" << 0;
        QTest::newRow("previous") << 2 << "Previous" << 1;
        QTest::newRow("previous at first") << 0 << "Previous" << 0;
        QTest::newRow("previous without selection") << -1 << "Previous" << -1;
    }
    void navigation() {
        QFETCH(int, from);
        QFETCH(QString, action);
        QFETCH(int, to);
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.start();
        if (from >= 0)
            s.select(from);
        s.trigger(action);
        QCOMPARE(s.row(), to);
        QCOMPARE(s.caption("Label1"), to < 0 ? QString() : s.window->titles().at(to));
    }

    void navigationOnEmptyList() {
        CatalogueFolder db;
        db.write("reelkeep.dat", QByteArray());
        Session s(db.dbPath());
        s.start();
        QCOMPARE(s.status(), QStringLiteral("0 entries loaded."));
        for (const char* action : {"First", "Last", "Next", "Previous"})
            s.trigger(action);
        QCOMPARE(s.row(), -1);
    }

    void reloadClearsDisplayAndRereads() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.start();
        s.select(0);
        db.writeLines("reelkeep.dat", {"~ Zardoz| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        QTest::mouseClick(s.control("Command1"), Qt::LeftButton);
        QCOMPARE(s.window->titles(), QStringList{"Zardoz"});
        QCOMPARE(s.caption("Label1"), QString());
        QCOMPARE(s.caption("Label35"), QString());
        QCOMPARE(s.caption("Label14"), QStringLiteral("Actors:"));
        QCOMPARE(s.status(), QStringLiteral("1 entries loaded."));
    }

    void loadFailureKeepsTitlesAndProgram() {
        CatalogueFolder db;
        db.write("reelkeep.dat", "~ A| x ~\r\n~x~\r\n~ B| x ~\r\n");
        Session s(db.dbPath());
        frmMain& w = s.start();
        QVERIFY(!w.ended());
        QCOMPARE(w.titles(), QStringList{"A"});
        QCOMPARE(s.prompts.messages().first().title, QStringLiteral("Critical Error"));
    }

    // No title file where the settings say: the user is asked until a folder holds one.
    void databaseDialogCycle() {
        CatalogueFolder empty, other, db;
        writeCatalogue(db);
        Session s(empty.dbPath());
        s.prompts.answerFile(other.dbPath() + "other.dat");
        s.prompts.answerFile(db.dbPath() + "whatever.dat");
        frmMain& w = s.start();
        QCOMPARE(s.prompts.asked.size(), 2);
        const OpenFileRequest& first = s.prompts.asked[0].openFile;
        QCOMPARE(first.title, QStringLiteral("Find Reelkeep database (reelkeep.dat)"));
        QCOMPARE(first.filter, QStringLiteral("All Files (*.*)|*.*|DB Files(*.dat)|*.dat"));
        QCOMPARE(first.selectedFilter, 2);
        QCOMPARE(first.initialFolder, empty.dbPath());
        QCOMPARE(first.fileName, QStringLiteral("reelkeep.dat"));
        QCOMPARE(s.prompts.asked[1].openFile.initialFolder, other.dbPath());
        QCOMPARE(w.titles().size(), 4);
        QCOMPARE(s.state.prefs.DBPath, db.dbPath());
        QCOMPARE(s.state.prefs.CoverPath, db.dbPath() + "Covers/");
        QVERIFY(!w.ended());
    }

    void startWithoutDatabaseEnds_data() {
        QTest::addColumn<QString>("answer"); // empty: the dialog is cancelled
        QTest::addColumn<int>("messages");
        QTest::newRow("cancelled") << "" << 0;
        QTest::newRow("no folder in the name") << "reelkeep.dat" << 1; // "No Good!"
    }
    void startWithoutDatabaseEnds() {
        QFETCH(QString, answer);
        QFETCH(int, messages);
        CatalogueFolder empty;
        Session s(empty.dbPath());
        s.prompts.answerFile(answer.isEmpty() ? std::nullopt : std::optional(answer));
        QVERIFY(s.start().ended());
        QCOMPARE(s.prompts.messages().size(), messages);
        if (messages)
            QCOMPARE(s.prompts.messages().first(), (Message{Message::Icon::Exclamation, "No Good!",
                                                            "Can't find database, exitting"}));
    }

    void openAnother() {
        CatalogueFolder db, other;
        writeCatalogue(db);
        other.writeLines("reelkeep.dat", {"~ Zardoz| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        Session s(db.dbPath());
        frmMain& w = s.start();
        s.select(0);
        s.prompts.answerFile(std::nullopt); // cancelled: the current database stays
        s.trigger("OpenAnother");
        QVERIFY(!w.ended());
        QCOMPARE(w.titles().size(), 4);
        s.prompts.answerFile(other.dbPath() + "reelkeep.dat");
        s.trigger("OpenAnother");
        QCOMPARE(w.titles(), QStringList{"Zardoz"});
        QCOMPARE(s.caption("Label1"), QStringLiteral("Alien")); // details stay until a selection
        QCOMPARE(s.prompts.asked.last().openFile.initialFolder, db.dbPath());
    }

    void imdbAddresses_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("address");
        QTest::newRow("search")
            << 0 << "https://www.imdb.com/Tsearch?title=Alien&restrict=Movies+and+TV";
        QTest::newRow("no IMDB name")
            << 1 << "https://www.imdb.com/Tsearch?title=&restrict=Movies+and+TV";
        QTest::newRow("link") << 2 << "https://example.org/c";
    }
    void imdbAddresses() {
        QFETCH(int, row);
        QFETCH(QString, address);
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.start();
        s.select(row);
        QTest::mouseDClick(s.control("Label11"), Qt::LeftButton);
        QCOMPARE(s.desktop.opened, QStringList{address});
    }

    void findBox() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        frmMain& w = s.start();
        auto* find = s.control<QLineEdit>("FindBox");
        QCOMPARE(find->placeholderText(), QStringLiteral("Find title"));
        QTest::keyClicks(find, "LIEN");
        QCOMPARE(s.row(), 0);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(s.row(), 3);
        QCOMPARE(s.caption("Label1"), QStringLiteral("Alien 2"));
        QTest::keyClick(find, Qt::Key_Return); // wraps round
        QCOMPARE(s.row(), 0);
        QTest::keyClick(find, Qt::Key_Escape);
        QCOMPARE(find->text(), QString());
        QCOMPARE(w.titles().size(), 4);
    }

    void timerRunsHandedOverWork() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        frmMain& w = s.start();
        s.state.prefs.Fonts[1].Name = QStringLiteral("Liberation Serif");
        s.state.pending.relayout = true;
        s.state.pending.filter = true; // no criterion on: nothing runs
        QTRY_VERIFY_WITH_TIMEOUT(!s.state.pending.relayout, 2000);
        QVERIFY(!s.state.pending.filter);
        QCOMPARE(s.control("Label1")->font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(w.titles().size(), 4);
    }

    void menus() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.start();
        const char* items[][3] = {{"OpenAnother", "Open another database", "Ctrl+O"},
                                  {"Reload", "Reload Database", "Ctrl+R"},
                                  {"CloseSave", "Close and Save", "Ctrl+S"},
                                  {"Close", "Close", "Ctrl+X"},
                                  {"Filter", "Filter", "Ctrl+F"},
                                  {"Settings", "Edit Settings", "Ctrl+E"},
                                  {"First", "First", "Shift+Ins"},
                                  {"Last", "Last", "Shift+Del"},
                                  {"Next", "Next", "Ctrl+N"},
                                  {"Previous", "Previous", "Ctrl+P"},
                                  {"JoveExport", "Jove Export", "Ctrl+J"},
                                  {"JoveBatch", "Jove Export Batch", "Ctrl+B"},
                                  {"About", "About", "F12"}};
        for (const auto& [name, caption, keys] : items) {
            const auto* a = s.control<QAction>(name);
            QVERIFY2(a && a->isEnabled(), name);
            QCOMPARE(a->text(), QString::fromLatin1(caption));
            QCOMPARE(a->shortcut(), QKeySequence(QString::fromLatin1(keys)));
        }
        QVERIFY(!s.control<QAction>("Help")->isVisible() &&
                !s.control<QAction>("Help")->isEnabled());
    }

    // The dialogs of the main window, driven as a user drives them once they are up.
    void filterAndSettingsThroughTheirDialogs() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        frmMain& w = s.start();
        s.select(2); // Casablanca
        WhenModal([](QWidget* dialog) {
            dialog->findChild<QCheckBox*>("Check1")->setChecked(true);
            dialog->findChild<QLineEdit*>("Text1")->setText("1979");
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        QTest::mouseClick(s.control("Command2"), Qt::LeftButton);
        QVERIFY(s.state.pending.filter);
        QTRY_COMPARE_WITH_TIMEOUT(w.titles(), QStringList{"Alien"}, 2000);
        QCOMPARE(s.status(), QStringLiteral("Found: 1 entries."));
        QCOMPARE(s.row(), -1);
        QCOMPARE(s.caption("Label1"), QStringLiteral("Casablanca")); // the display stays

        WhenModal([](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        s.trigger("Settings");
        QCOMPARE(s.store.value(kViewer, "Font1"), QStringLiteral("___12 Arial Black"));
        QTRY_VERIFY_WITH_TIMEOUT(!s.state.pending.relayout, 2000);
    }

    // The windows a command opens come up modally with their caption.
    void modalWindows() {
        CatalogueFolder db;
        writeCatalogue(db);
        Session s(db.dbPath());
        s.start();
        s.select(1);
        for (const auto& [open, caption] : {std::pair<std::function<void()>, QString>{
                                                [&] { s.window->List1_DblClick(); }, "Brazil"},
                                            {[&] { s.trigger("About"); }, "About"}}) {
            QString seen;
            WhenModal([&](QWidget* dialog) {
                seen = dialog->windowTitle();
                dialog->close();
            });
            open();
            QCOMPARE(seen, caption);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
