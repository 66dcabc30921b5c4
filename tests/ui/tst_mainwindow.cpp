// The main window driven as a user drives it: start-up, the database dialog, the title display,
// navigation, the find box, closing, a session that leaves the catalogue untouched, a change on
// disk; then the layout pass as numbers, and the About, Help and Wait windows.
#include "browse/MainControls.h"
#include "browse/TitleDisplay.h"
#include "platform/QtPrompts.h"
#include "platform/Twips.h"
#include "support/CatalogueFolder.h"
#include "support/ViewerSession.h"
#include "ui/MainLayout.h"
#include "ui/Wait.h"
#include "ui/frmAbout.h"
#include "ui/frmHelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFontDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextDocumentFragment>

Q_DECLARE_METATYPE(QList<Message>)

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
                   "~ Casablanca| x| Casablanca| x| 1942| Michael Curtiz| <i>Play it</i>, Sam| "
                   "NULL| Drama| "
                   "Humphrey Bogart| PG| English| 102| Null| https://example.org/c| r ~"});
    db.writeLines("media.dat",
                  {"~ Alien| AVI| 2| 117| 1920| 1080| 25| 1500| XviD| 128| MP3| 2| 48000 ~"});
    db.writeLines("History.dat", {"~ Alien| 2006-03-14| x| y ~", "~ Brazil| someday| x| y ~"});
    db.write("Covers/17.jpg", "");
}

// Every file below the folder with its bytes and modification time.
QMap<QString, QPair<QByteArray, QDateTime>> snapshot(const QString& folder) {
    QMap<QString, QPair<QByteArray, QDateTime>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, {Contents(path), it.fileInfo().lastModified()});
    }
    return files;
}

QHash<QString, QRectF> layout(double W, double H, double S,
                              const QHash<QString, QRectF>& previous = {}) {
    QHash<QString, QRectF> rects;
    for (const Placement& p : MainLayout::compute(
             W, H, S, [](const QString&) { return 225.0; }, previous))
        rects.insert(p.name, p.rect);
    return rects;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::optional<CatalogueFolder> db_; // the catalogue above, fresh for every test
    QString db() const { return db_->dbPath(); }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        writeCatalogue(db_.emplace());
    }

    // Start-up restores the stored geometry; Close and Save stores it unless minimised, and says
    // so when the store cannot be written; Close stores nothing. The program ends either way.
    void closing_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("stored"); // whole pixels, so they come back unchanged
        QTest::addColumn<Qt::WindowState>("windowState"); // set after start
        QTest::addColumn<bool>("refused");                // the store cannot be written
        QTest::addColumn<QString>("saved");               // RKV keys afterwards; "key=": absent
        const auto row = [](const char* tag, const char* action, const char* stored,
                            Qt::WindowState state, bool refused, const char* saved) {
            QTest::newRow(tag) << QString(action) << QString(stored) << state << refused
                               << QString(saved);
        };
        row("normal", "CloseSave", "RKV/MainLeft=1500;RKV/MainTop=1200;RKV/MainWidth=9000",
            Qt::WindowNoState, false, "State=0;MainLeft=1500;MainTop=1200;MainWidth=9000");
        row("stored maximised", "CloseSave",
            "RKV/MainLeft=2880;RKV/MainTop=wrong;RKV/MainWidth=12000;RKV/State=2",
            Qt::WindowMaximized, false, "State=2");
        row("minimised", "CloseSave", "RKV/MainLeft=1500", Qt::WindowMinimized, false,
            "State=;MainLeft=1500");
        row("store out of reach", "CloseSave", "", Qt::WindowNoState, true, "State=");
        row("without saving", "Close", "", Qt::WindowNoState, false, "State=;MainLeft=");
    }
    void closing() {
        QFETCH(QString, action);
        QFETCH(QString, stored);
        QFETCH(Qt::WindowState, windowState);
        QFETCH(bool, refused);
        QFETCH(QString, saved);
        Session s(db(), stored);
        frmMain& w = s.start();
        QCOMPARE(w.isMaximized(), stored.contains("State=2"));
        if (w.isMaximized()) { // with the normal geometry behind it
            const double dpi = w.logicalDpiX();
            QCOMPARE(w.normalGeometry().x(), Twips::toPixels(2880, dpi));
            QCOMPARE(w.normalGeometry().width(), Twips::toPixels(12000, dpi));
        }
        w.setWindowState(windowState);
        s.state.prefs.DBPath = QStringLiteral("/elsewhere/");
        s.store.refuseWrites = refused;
        QSignalSpy ended(&w, &frmMain::programEnded);
        const int savesBefore = s.store.saves;
        s.trigger(action);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(s.store.value(kViewer, "DBPath"),
                 action == "CloseSave" && !refused ? QStringLiteral("/elsewhere/") : db());
        for (const QString& pair : saved.split(u';', Qt::SkipEmptyParts)) {
            const QString value = pair.section(u'=', 1);
            QCOMPARE(s.store.value(kRkv, pair.section(u'=', 0, 0)),
                     value.isEmpty() ? std::nullopt : std::optional(value));
        }
        QCOMPARE(s.prompts.messages,
                 refused ? QList<Message>({{Message::Icon::Critical, "Settings",
                                            "The settings could not be saved: their file cannot "
                                            "be written.",
                                            "File: settings.ini"}})
                         : QList<Message>());
        QCOMPARE(s.store.saves - savesBefore, action == "CloseSave"); // all at once, or nothing
    }

    // The table of controls against the window: each control is there, in its frame; a title
    // whose every field holds a mark of its own shows each field in the control the table names;
    // clearing empties the controls marked so and keeps the other captions.
    void everyControlOfTheTable() {
        CatalogueFolder marked;
        marked.writeLines("reelkeep.dat", {"~ =Title=| SINGLE| =Location=| =CatalogueGenre=| "
                                           "=Status=| =Medium=| =Rating=| x| y| =AkaTitle=| "
                                           "=Comments=| =Idx=| =UserIdx= ~"});
        marked.writeLines("imdb.dat", {"~ =Title=| x| =ImdbName=| x| =Year=| =Director=| "
                                       "=Tagline=| =Summary=| =ImdbGenre=| =Actors=| =Mpaa=| "
                                       "=Language=| =Runtime=| =ImdbRating=| =ImdbLink=| r ~"});
        marked.writeLines("media.dat", {"~ =Title=| =Format=| =NoFiles=| =Length=| =Width=| "
                                        "=Height=| =Framerate=| =VideoBitrate=| =VideoCodec=| "
                                        "=AudioBitrate=| =AudioCodec=| =AudioChannels=| "
                                        "=Samplerate= ~"});
        marked.writeLines("History.dat", {"~ =Title=| =Entered=| x| y ~"});
        StartedSession s(marked.dbPath());
        s.select(0);
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
            QCOMPARE(w->parentWidget()->objectName(), *c.frame ? c.frame : "centralWidget");
            for (const CurrentTitle::Field& f : CurrentTitle::fields())
                if (QLatin1String(f.name) == QLatin1String(c.field) &&
                    c.kind != MainControls::Kind::Image)
                    QVERIFY2(shown(c).contains(s.state.title.*f.member),
                             qPrintable(QString(c.name) + " shows " + shown(c)));
        }
        s.window->ClearForm();
        for (const MainControls::Control& c : MainControls::all())
            if (c.kind != MainControls::Kind::Frame && c.kind != MainControls::Kind::Button &&
                c.kind != MainControls::Kind::List)
                QCOMPARE(shown(c), c.cleared ? (c.kind == MainControls::Kind::Bar ? "0" : "")
                                             : QString(c.caption));
    }

    // The display rules' results land in the right controls; a reader's failure is shown once.
    void showsSelectedTitle() {
        StartedSession s(db());
        s.select(0);
        QCOMPARE(s.caption("Label1"), QStringLiteral("Alien"));
        QCOMPARE(s.control("Label17")->toolTip(),
                 QStringLiteral("Entered: 14 Mar 2006 (2006-03-14)"));
        QCOMPARE(s.control<QPlainTextEdit>("Text17")->toPlainText(), QStringLiteral("Great\nfilm"));
        QCOMPARE(s.control<QProgressBar>("ProgressBar1")->value(), 85);
        QCOMPARE(s.control("Label35")->palette().color(QPalette::Window), QColor(0, 255, 0));
        QVERIFY(s.control<QLabel>("Image1")->pixmap().isNull()); // an empty file is no picture
        QFile::remove(db() + "History.dat");
        s.select(2); // Casablanca: no media, rating "Null", a tagline that looks like markup
        const QString tip = s.control("Label15")->toolTip(); // shown as a tooltip shows it
        QCOMPARE(Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText()
                                          : tip,
                 QStringLiteral("<i>Play it</i>, Sam"));
        QCOMPARE(s.caption("Label26"), QString());
        QCOMPARE(s.control("Label35")->palette().color(QPalette::Window),
                 s.control("Frame7")->palette().color(QPalette::Window));
        QCOMPARE(s.prompts.messages, QList<Message>({{Message::Icon::Critical, "Critical Error",
                                                      "Error 53 (File not found) \r\nwhen "
                                                      "reading history.dat"}}));
        // A double click on the IMDB caption hands the title's address to the desktop.
        QTest::mouseDClick(s.control("Label11"), Qt::LeftButton);
        QCOMPARE(s.desktop.opened, QStringList{"https://example.org/c"});
    }

    // A title and a summary of megabytes: the list and the controls show their starts and "…";
    // the key stays whole.
    void hugeFieldIsCut() {
        const QString huge(3'000'000, u'x'), cut = huge.left(kShownChars) + u'…';
        db_->writeLines("reelkeep.dat",
                        {"~ " + huge + "| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        db_->writeLines("imdb.dat", {"~ " + huge + "| x| x| x| 1999| x| x| " + huge +
                                     "| x| x| x| x| x| 7| | x ~"});
        StartedSession s(db());
        s.select(0);
        QCOMPARE(s.caption("Label1"), cut);
        QCOMPARE(s.control<QPlainTextEdit>("Text16")->toPlainText(), cut);
        QCOMPARE(s.control<QListView>("List1")->model()->index(0, 0).data().toString(), cut);
        QCOMPARE(s.window->titles().first(), huge);
    }

    // First and Last are driven by their shortcuts in findBox.
    void navigation_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("to");
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
        StartedSession s(db());
        if (from >= 0)
            s.select(from);
        s.trigger(action);
        QCOMPARE(s.row(), to);
        QCOMPARE(s.caption("Label1"), to < 0 ? QString() : s.window->titles().at(to));
    }

    // Start-up lists the titles. A title file renamed over the old one, as the catalogue program
    // saves, is announced, and the next selection shows it without a Reload. Reload (the button)
    // clears the display and reads every file again, even one rewritten with its size and
    // modification time unchanged.
    void startChangeAndReload() {
        StartedSession s(db());
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Reelkeep Viewer for RK3.3.2"));
        QCOMPARE(s.window->titles(), QStringList({"Alien", "Brazil", "Casablanca", "Alien 2"}));
        s.select(0);
        db_->writeLines("reelkeep.new",
                        {"~ Alien| SINGLE| Attic box| x| x| x| x| x| x| x| x| 17| x ~"});
        QFile::remove(db() + "reelkeep.dat");
        QFile::rename(db() + "reelkeep.new", db() + "reelkeep.dat");
        QTRY_COMPARE_WITH_TIMEOUT(
            s.status(), QStringLiteral("Catalogue changed on disk - press Ctrl+R to reload."),
            5000);
        s.window->List1_Click();
        QCOMPARE(s.caption("Label6"), QStringLiteral("Location: Attic box"));
        const QDateTime modified = QFileInfo(db() + "History.dat").lastModified();
        db_->writeLines("History.dat",
                        {"~ Alien| 2007-03-14| x| y ~", "~ Brazil| someday| x| y ~"});
        QFile history(db() + "History.dat");
        QVERIFY(history.open(QIODevice::Append) &&
                history.setFileTime(modified, QFileDevice::FileModificationTime));
        history.close();
        db_->writeLines("reelkeep.dat", {"~ Alien| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~",
                                         "~ Zardoz| SINGLE| x| x| x| x| x| x| x| x| x| 2| x ~"});
        QTest::mouseClick(s.control("Command1"), Qt::LeftButton);
        QCOMPARE(s.window->titles(), QStringList({"Alien", "Zardoz"}));
        QCOMPARE(s.caption("Label1"), QString());
        QCOMPARE(s.caption("Label14"), QStringLiteral("Actors:"));
        s.select(0);
        QCOMPARE(s.control("Label17")->toolTip(),
                 QStringLiteral("Entered: 14 Mar 2007 (2007-03-14)"));
    }

    // No title file where the settings say: the user is asked until a folder holds one. Open
    // another, cancelled, keeps the list; the one found replaces it, the details staying.
    void databaseDialog() {
        CatalogueFolder empty, bare, other;
        other.writeLines("reelkeep.dat", {"~ Zardoz| SINGLE| x| x| x| x| x| x| x| x| x| 1| x ~"});
        Session s(empty.dbPath());
        s.prompts.answerFile(bare.dbPath() + "other.dat");
        s.prompts.answerFile(db() + "whatever.dat");
        frmMain& w = s.start();
        QCOMPARE(s.prompts.asked.size(), 2);
        const OpenFileRequest& first = s.prompts.asked[0].openFile;
        QCOMPARE(first.title, QStringLiteral("Find Reelkeep database (reelkeep.dat)"));
        QCOMPARE(first.initialFolder, empty.dbPath());
        QCOMPARE(s.prompts.asked[1].openFile.initialFolder, bare.dbPath());
        QCOMPARE(w.titles().size(), 4);
        QCOMPARE(s.state.prefs.CoverPath, db() + "Covers/");
        QVERIFY(!w.ended());
        s.select(0);
        s.prompts.answerFile(std::nullopt); // cancelled: the current database stays
        s.trigger("OpenAnother");
        QCOMPARE(w.titles().size(), 4);
        s.prompts.answerFile(other.dbPath() + "reelkeep.dat");
        s.trigger("OpenAnother");
        QCOMPARE(w.titles(), QStringList{"Zardoz"});
        QCOMPARE(s.caption("Label1"), QStringLiteral("Alien")); // details stay until a selection
    }

    // No title file, and the dialog cancelled or answered with a name without a folder: the
    // program ends. A title file that fails part way: the window keeps what it read, says why
    // once, and stays.
    void startWithoutAFullList_data() {
        QTest::addColumn<QByteArray>("titleFile"); // null: none
        QTest::addColumn<QString>("answer");       // empty: the dialog is cancelled
        QTest::addColumn<QStringList>("titles");   // empty: the program ended
        QTest::addColumn<QList<Message>>("messages");
        QTest::newRow("cancelled") << QByteArray() << "" << QStringList() << QList<Message>();
        QTest::newRow("no folder in the name")
            << QByteArray() << "reelkeep.dat" << QStringList()
            << QList<Message>{
                   {Message::Icon::Exclamation, "No Good!", "Can't find database, exitting"}};
        QTest::newRow("title file fails part way")
            << QByteArray("~ A| x ~\r\n~x~\r\n~ B| x ~\r\n") << "" << QStringList{"A"}
            << QList<Message>{{Message::Icon::Critical, "Critical Error",
                               "Error 5 (Invalid procedure call or argument) \r\nwhen reading "
                               "reelkeep.dat"}};
    }
    void startWithoutAFullList() {
        QFETCH(QByteArray, titleFile);
        QFETCH(QString, answer);
        QFETCH(QStringList, titles);
        CatalogueFolder folder;
        if (!titleFile.isNull())
            folder.write("reelkeep.dat", titleFile);
        Session s(folder.dbPath());
        s.prompts.answerFile(answer.isEmpty() ? std::nullopt : std::optional(answer));
        QCOMPARE(s.start().ended(), titles.isEmpty());
        QCOMPARE(s.window->titles(), titles);
        QTEST(s.prompts.messages, "messages");
    }

    void findBox() {
        StartedSession s(db());
        auto* find = s.control<QLineEdit>("FindBox");
        QTest::keyClicks(find, "LIEN");
        QCOMPARE(s.row(), 0);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(s.caption("Label1"), QStringLiteral("Alien 2"));
        QTest::keyClick(find, Qt::Key_F3); // from the last match round to the first
        QCOMPARE(s.caption("Label1"), QStringLiteral("Alien"));
        QTest::keyClick(find, Qt::Key_Escape);
        QCOMPARE(find->text(), QString());
        // The menus' shortcuts reach the window from the box, which would take them for editing.
        s.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        QTest::keyClicks(find, "xyz");
        QTest::keyClick(find, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(s.row(), 3);
        QTest::keyClick(find, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(s.row(), 0);
        QCOMPARE(find->text(), QStringLiteral("xyz"));
        // A menu entry passed over sends its empty status tip; the count of entries stays.
        QStatusTipEvent tip{QString()};
        QCoreApplication::sendEvent(s.window->menuBar(), &tip);
        QCOMPARE(s.status(), QStringLiteral("4 entries loaded."));
    }

    // The menu commands as the user reads and types them; Help stays hidden and off. Each
    // frame's border runs above its first line of controls, not through it.
    void menusAndFrames() {
        StartedSession s(db());
        for (const QString& item :
             QString("OpenAnother=Open another database=Ctrl+O;Reload=Reload Database=Ctrl+R;"
                     "CloseSave=Close and Save=Ctrl+S;Close=Close=Ctrl+X;Filter=Filter=Ctrl+F;"
                     "Settings=Edit Settings=Ctrl+E;First=First=Shift+Ins;Last=Last=Shift+Del;"
                     "Next=Next=Ctrl+N;Previous=Previous=Ctrl+P;JoveExport=Jove Export=Ctrl+J;"
                     "JoveBatch=Jove Export Batch=Ctrl+B;About=About=F12")
                 .split(u';')) {
            const QStringList parts = item.split(u'=');
            const auto* action = s.control<QAction>(parts[0]);
            QVERIFY2(action && action->isEnabled(), qPrintable(item));
            QCOMPARE(action->text(), parts[1]);
            QCOMPARE(action->shortcut(), QKeySequence(parts[2]));
        }
        const auto* help = s.control<QAction>("Help");
        QVERIFY(!help->isVisible() && !help->isEnabled());
        for (const QGroupBox* frame : s.window->findChildren<QGroupBox*>())
            for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(child->y() >= frame->contentsRect().top(),
                         qPrintable(child->objectName()));
    }

    // The dialogs of the main window, driven as a user drives them once they are up.
    void filterAndSettingsThroughTheirDialogs() {
        StartedSession s(db());
        s.select(2); // Casablanca
        WhenModal([](QWidget* dialog) {
            dialog->findChild<QCheckBox*>("Check1")->setChecked(true);
            dialog->findChild<QLineEdit*>("Text1")->setText("1979");
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        QTest::mouseClick(s.control("Command2"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(s.window->titles(), QStringList{"Alien"}, 2000);
        QCOMPARE(s.status(), QStringLiteral("Found: 1 entries."));
        QCOMPARE(s.row(), -1);
        QCOMPARE(s.caption("Label1"), QStringLiteral("Casablanca")); // the display stays
        // A second run narrows the first's result, which holds Alien but not Alien 2.
        s.state.filter = {};
        s.state.filter.FilterStatusOn = s.state.pending.filter = true;
        QTRY_VERIFY(!s.state.pending.filter);
        QCOMPARE(s.window->titles(), QStringList{"Alien"});

        WhenModal([](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        s.state.prefs.Fonts[1].Name = QStringLiteral("Liberation Serif");
        s.trigger("Settings");
        QCOMPARE(s.store.value(kViewer, "Font1"), QStringLiteral("___12 Arial Black"));
        // The timer restyles the window with the fonts the dialog handed over.
        QTRY_COMPARE_WITH_TIMEOUT(s.control("Label1")->font().family(),
                                  QStringLiteral("Liberation Serif"), 2000);
    }

    // Qt's own dialogs behind the prompts: a message shows its text as it stands, and the
    // open-file dialog shows each filter's description and lists every file under "*.*".
    void realDialogs() {
        QtPrompts prompts;
        Qt::TextFormat format = Qt::AutoText;
        QTextDocument details; // the lines below the text, as shown
        WhenModal([&](QWidget* box) {
            format = box->findChild<QLabel*>("qt_msgbox_label")->textFormat();
            details.setHtml(box->findChild<QLabel*>("qt_msgbox_informativelabel")->text());
            box->close();
        });
        prompts.message({Message::Icon::Critical, "Critical Error", "<b>x</b> & y",
                         "Title: <i>A</i>\nFile: /a & b"},
                        Prompts::Buttons::Ok);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(details.toPlainText(), "Title: <i>A</i>\nFile: /a & b");

        CatalogueFolder folder;
        folder.write("film", "no extension");
        folder.write("reelkeep.dat", "");
        QStringList filters, listed;
        WhenModal([&](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; i < combo->count(); ++i)
                filters << combo->itemText(i);
            auto* view = dialog->findChild<QListView*>("listView");
            for (int wait = 0; wait < 200 && view->model()->rowCount(view->rootIndex()) < 2; ++wait)
                QTest::qWait(10);
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
            dialog->close();
        });
        prompts.openFile({.title = "Open",
                          .filter = "All Files (*.*)|*.*|DB Files(*.dat)|*.dat",
                          .selectedFilter = 1,
                          .initialFolder = folder.dbPath(),
                          .fileName = {}});
        QCOMPARE(filters, QStringList({"All Files (*.*)", "DB Files(*.dat)"}));
        listed.sort(); // the view may not have sorted them yet
        QCOMPARE(listed, QStringList({"film", "reelkeep.dat"}));

        // A font this machine lacks, and both dialogs closed with OK: the choice is unchanged,
        // not the face the font dialog fell back to; a face picked there is taken.
        const FontChoice lacking{"Arial Black", 12, true, false, false, QColor(255, 0, 0)};
        for (const FontChoice& picked : {lacking, FontChoice{"Liberation Serif", 14, false, false,
                                                             false, QColor(255, 0, 0)}}) {
            WhenModal([&](QWidget* fonts) {
                static_cast<QFontDialog*>(fonts)->setCurrentFont(
                    picked == lacking ? static_cast<QFontDialog*>(fonts)->currentFont()
                                      : QFont(picked.name, int(picked.pointSize)));
                WhenModal([](QWidget* colours) { static_cast<QDialog*>(colours)->accept(); });
                static_cast<QDialog*>(fonts)->accept();
            });
            QCOMPARE(prompts.chooseFont(lacking), std::optional(picked));
        }
    }

    // The windows a command opens come up modally; the media information one named after the title.
    void modalWindows() {
        StartedSession s(db());
        s.select(1);
        QStringList seen;
        const auto closeNext = [&] {
            WhenModal([&](QWidget* dialog) {
                seen << dialog->windowTitle();
                dialog->close();
            });
        };
        closeNext();
        s.window->List1_DblClick();
        closeNext();
        s.trigger("About");
        QCOMPARE(seen, QStringList({"Brazil", "About"}));
    }

    void sessionChangesNothing() {
        const QString samples = qEnvironmentVariable("RKV_SOURCE_DIR") + "/samples/";
        CatalogueFolder copy, out, media;
        for (const QString sub : {"", "Covers/"})
            for (const QString& name : QDir(samples + sub).entryList(QDir::Files))
                copy.write(sub + name, Contents(samples + sub + name));
        const auto before = snapshot(copy.dbPath());
        QVERIFY(before.size() > 20);

        Session s(copy.dbPath(), "RKV/SavePath=" + out.dbPath());
        frmMain& w = s.start();
        for (int row = 0; row < w.titles().size(); ++row)
            s.select(row);
        s.select(0);
        s.prompts.answerFile(media.dbPath() + "film.cd1.avi"); // Alien comes on two discs
        s.prompts.answerFile(media.dbPath() + "film.cd2.avi");
        s.trigger("JoveExport");
        s.prompts.answerMessage(Prompts::Answer::Yes);
        s.trigger("JoveBatch");
        s.state.filter.FilterStatusOn = true;
        s.state.pending.filter = true;
        QTRY_VERIFY(!s.state.pending.filter);
        s.trigger("Reload");
        s.prompts.answerFile(copy.dbPath() + "reelkeep.dat");
        s.trigger("OpenAnother");
        s.trigger("CloseSave");

        QVERIFY(QFile::exists(media.dbPath() + "film.cd2.mmd"));
        QVERIFY(!QDir(out.dbPath()).entryList({"*.mmd"}).isEmpty());
        QCOMPARE(snapshot(copy.dbPath()), before);
    }

    // About's links open on a left click (a refusal changes nothing); the own buttons just close.
    void aboutAndHelp() {
        RecordingDesktop desktop;
        desktop.accept = false;
        frmAbout about(desktop);
        frmHelp help;
        about.show();
        for (const auto& [name, toolTip, address] :
             {std::tuple{"URL", "Click to open", "https://reelkeep-viewer.example/"},
              {"MailTo", "Click to mail me", "mailto:developers@reelkeep-viewer.example"}}) {
            auto* link = about.findChild<QLabel*>(name);
            QCOMPARE(link->text(), QString(address).remove(QStringLiteral("mailto:")));
            QCOMPARE(link->toolTip(), toolTip);
            QTest::mouseClick(link, Qt::RightButton);
            QTest::mouseClick(link, Qt::LeftButton);
            QCOMPARE(desktop.opened, QStringList{address});
            desktop.opened.clear();
        }
        QVERIFY(about.isVisible());
        for (QDialog* window : std::initializer_list<QDialog*>{&about, &help}) {
            window->show();
            QTest::mouseClick(
                window->findChild<QPushButton*>(window == &help ? "Command1" : "cmdExit"),
                Qt::LeftButton);
            QVERIFY(!window->isVisible());
            QCOMPARE(window->result(), int(QDialog::Rejected));
        }
        QVERIFY(desktop.opened.isEmpty());
    }

    void waitFollowsTheWalk_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index"); // -1: the walk has no entry to step to
        QTest::addColumn<int>("maximum");
        QTest::newRow("five entries") << 5 << 3 << 4;
        QTest::newRow("no entries") << 0 << -1 << 0;
    }
    void waitFollowsTheWalk() {
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(int, maximum);
        QWidget owner;
        owner.show();
        auto* command = new QAction(&owner);
        auto* off = new QAction(&owner);
        off->setEnabled(false);
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F3), &owner);
        {
            Wait wait(&owner);
            auto* bar = wait.findChild<QProgressBar*>("PB1");
            QVERIFY(!wait.isVisible());
            wait.start(count);
            QVERIFY(bar->isVisible());
            QCOMPARE(std::pair(bar->minimum(), bar->maximum()), std::pair(0, maximum));
            QCOMPARE(QApplication::activeModalWidget(), &wait);       // the owner takes no input
            QVERIFY(!command->isEnabled() && !shortcut->isEnabled()); // nor any command
            bool pendingRan = false;
            QTimer::singleShot(0, &wait, [&pendingRan] { pendingRan = true; });
            if (index >= 0) {
                wait.step(index);
                QVERIFY(bar->value() == index && pendingRan); // stepping lets pending events run
            }
            wait.finish();
            QVERIFY(!wait.isVisible() && !QApplication::activeModalWidget());
        }
        QVERIFY(command->isEnabled() && shortcut->isEnabled() && !off->isEnabled());
    }

    // A 9000 x 6000 twip window with a 300 twip status bar, worked out by hand. Shrunk until
    // sizes would turn negative, it keeps the previous sizes; the places still follow.
    void layoutPass() {
        const auto r = layout(9000, 6000, 300);
        for (const QString& pair :
             QString("Frame1=0 0 3000 5700;Frame4=3000 0 1125 1500;Frame5=4125 0 4875 1000;"
                     "Frame11=4125 1000 4875 500;Frame8=3000 1500 6000 1000;"
                     "Frame9=3000 2500 6000 1200;Frame6=3000 3700 2000 2000;"
                     "Frame2=5000 3700 2000 2000;Frame3=7000 3700 2000 1000;"
                     "Frame7=7000 4700 2000 1000;List1=100 200 2750 5075;"
                     "Command1=100 5275 1375 375;Command2=1475 5275 1375 375")
                 .split(u';')) {
            const QRectF at = r.value(pair.section(u'=', 0, 0));
            QCOMPARE(pair.section(u'=', 0, 0) +
                         QString::asprintf("=%g %g %g %g", at.x(), at.y(), at.width(), at.height()),
                     pair);
        }
        QCOMPARE(r["Text16"], r["Text14"]); // actors and summary share one place
        const auto tiny = layout(900, 600, 300, r);
        QCOMPARE(tiny["Frame6"], QRectF(300, 550, 200, r["Frame6"].height()));
        QCOMPARE(tiny["Frame1"], QRectF(0, 0, 300, 300));
        QCOMPARE(tiny["List1"].size(), QSizeF(50, r["List1"].height()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
