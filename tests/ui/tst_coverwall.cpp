// SPDX-License-Identifier: GPL-3.0-or-later
// The cover wall in the main window: the view switch, one selection with the list, the keyboard
// in the grid, and what a tile shows for a cover, for none and for a file that is no cover.
#include "covers/ThumbnailLoader.h"
#include "support/CatalogueFolder.h"
#include "support/ViewerSession.h"
#include "ui/CoverWall.h"

#include <QHelpEvent>
#include <QSlider>
#include <QTest>
#include <QToolTip>

class TestCoverWall : public QObject {
    Q_OBJECT

    CatalogueFolder db_;  // the window tests' four titles, Alien's cover a red JPEG
    CatalogueFolder big_; // thirty titles with no covers, for moving through lines of tiles

    static CoverWall* wall(const Session& s) { return s.control<CoverWall>("Wall"); }

    // True once the first tile is known and no cover is still being made.
    static bool settle(CoverWall* w) {
        for (int i = 0; i < 500; ++i) {
            w->viewport()->repaint();
            if (w->tile(0) != CoverWall::Tile::Waiting && w->thumbnails().pending() == 0)
                return true;
            QTest::qWait(10);
        }
        return false;
    }

    // A session in the wall, shown and with its tiles' covers made.
    static std::unique_ptr<StartedSession> wallSession(const QString& dbPath) {
        auto s = std::make_unique<StartedSession>(dbPath, "RKV/View=Wall");
        s->window->resize(1500, 900); // room for lines of tiles
        s->window->show();
        s->control<QSlider>("TileSize")->setValue(80);
        if (!QTest::qWaitForWindowExposed(s->window.get()) || !settle(wall(*s)))
            return nullptr;
        return s;
    }

    // The colour drawn near the bottom left corner of the cover area of `row`'s tile: clear of
    // a placeholder's words.
    static QColor shownAt(CoverWall* w, int row) {
        const QRect tile = w->visualRect(w->model()->index(row, 0));
        return w->viewport()->grab().toImage().pixelColor(
            tile.center().x() - w->coverSize().width() / 2 + 10,
            tile.top() + w->coverSize().height() - 10);
    }

private Q_SLOTS:
    void initTestCase() {
        WriteSampleCatalogue(db_);
        QImage red(300, 450, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(db_.coverPath() + "17.jpg", "JPEG", 85));
        db_.write("Covers/3.jpg", "no picture here");
        QVERIFY(MakeSpecial(db_.coverPath() + "4.jpg", Special::Fifo));

        QStringList titles;
        for (int i = 0; i < 30; ++i)
            titles << QString(
                          "~ Title %1| SINGLE| A| Drama| Present| DVD| 3| x| y| NULL| NULL| %1| "
                          "NULL ~")
                          .arg(i, 2, 10, QChar(u'0'));
        big_.writeLines("reelkeep.dat", titles);
        for (const char* name : {"imdb.dat", "media.dat", "History.dat"})
            big_.write(name, {});
    }

    // The View menu switches at once and stores the choice; a new session opens in it.
    void viewSwitch() {
        QStringList writes;
        {
            StartedSession s(db_.dbPath());
            QVERIFY(s.control("List1")->isVisibleTo(s.window.get()));
            QVERIFY(!wall(s)->isVisibleTo(s.window.get()));
            QVERIFY(s.control<QAction>("ViewList")->isChecked());
            s.trigger("ViewWall");
            QVERIFY(wall(s)->isVisibleTo(s.window.get()));
            QVERIFY(!s.control("List1")->isVisibleTo(s.window.get()));
            QVERIFY(s.control("TileSize")->isVisibleTo(s.window.get()));
            QCOMPARE(wall(s)->geometry(), s.control("List1")->geometry());
            QCOMPARE(wall(s)->accessibleName(), "Covers");
            s.control<QSlider>("TileSize")->setValue(200);
            QCOMPARE(wall(s)->tileWidth(), 200);
            writes = s.store.writes.filter("RKV/");
        }
        QCOMPARE(writes, QStringList({"RKV/View=Wall", "RKV/TileSize=200"}));
        StartedSession again(db_.dbPath(), writes.join(u';'));
        QVERIFY(wall(again)->isVisibleTo(again.window.get()));
        QVERIFY(again.control<QAction>("ViewWall")->isChecked());
        QCOMPARE(wall(again)->tileWidth(), 200);
        again.trigger("ViewList");
        QVERIFY(again.control("List1")->isVisibleTo(again.window.get()));
        QVERIFY(!again.control("TileSize")->isVisibleTo(again.window.get()));
        QCOMPARE(again.store.writes.last(), "RKV/View=List");
    }

    // A tile's tooltip is its title; a click in the wall chooses the title in the list and the
    // display; the Go menu and the find box move the wall's current tile.
    void oneSelection() {
        auto s = wallSession(db_.dbPath());
        QVERIFY(s);
        CoverWall* w = wall(*s);
        const QPoint casablanca = w->visualRect(w->model()->index(2, 0)).center();
        QHelpEvent help(QEvent::ToolTip, casablanca, w->viewport()->mapToGlobal(casablanca));
        QApplication::sendEvent(w->viewport(), &help);
        QCOMPARE(QToolTip::text(), "Casablanca");
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, casablanca);
        QCOMPARE(s->row(), 2);
        QCOMPARE(s->caption("Label1"), "Casablanca");
        QCOMPARE(s->control<QListView>("List1")->currentIndex().row(), 2);
        s->trigger("Next");
        QCOMPARE(w->currentIndex().row(), 3);
        QCOMPARE(s->caption("Label1"), "Alien 2");
        s->trigger("First");
        QCOMPARE(w->currentIndex().row(), 0);
        QCOMPARE(s->caption("Label1"), "Alien");
        QTest::keyClicks(s->control("FindBox"), "braz");
        QCOMPARE(w->currentIndex().row(), 1);
        QCOMPARE(w->selectionModel()->selectedIndexes().first().row(), 1);
    }

    // Arrows step along a line and across lines, Home and End go to the ends.
    void keyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("fromEnd"); // counted back from the last title
        QTest::addColumn<int>("steps");    // tiles from there
        QTest::addColumn<int>("lines");    // and lines of tiles
        QTest::newRow("right") << "Right,Right" << false << 2 << 0;
        QTest::newRow("down") << "Right,Down" << false << 1 << 1;
        QTest::newRow("down, up") << "Down,Down,Up" << false << 0 << 1;
        QTest::newRow("end") << "End" << true << 0 << 0;
        QTest::newRow("end, up") << "End,Up" << true << 0 << -1;
        QTest::newRow("home") << "End,Left,Home" << false << 0 << 0;
    }
    void keyboard() {
        QFETCH(QString, keys);
        QFETCH(bool, fromEnd);
        QFETCH(int, steps);
        QFETCH(int, lines);
        auto s = wallSession(big_.dbPath());
        QVERIFY(s);
        CoverWall* w = wall(*s);
        const int columns = w->viewport()->width() / w->gridSize().width();
        QVERIFY(columns >= 2 && columns * 3 < 30);
        s->select(0);
        w->setFocus();
        for (const QString& key : keys.split(u','))
            QTest::keySequence(w, QKeySequence(key));
        QCOMPARE(s->row(), (fromEnd ? 29 : 0) + steps + lines * columns);
        QCOMPARE(s->caption("Label1"), s->window->titles().at(s->row()));
    }
    // A page keeps the column; Return opens the title's media info as in the list.
    void pageAndReturn() {
        auto s = wallSession(big_.dbPath());
        QVERIFY(s);
        CoverWall* w = wall(*s);
        const int columns = w->viewport()->width() / w->gridSize().width();
        s->select(1);
        QTest::keyClick(w, Qt::Key_PageDown);
        QVERIFY(s->row() > 1);
        QCOMPARE(s->row() % columns, 1);
        QTest::keyClick(w, Qt::Key_PageUp);
        QCOMPARE(s->row(), 1);
        QString opened;
        WhenModal([&](QWidget* dialog) {
            opened = dialog->metaObject()->className();
            dialog->close();
        });
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(opened, "frmMediaInfo");
    }

    // Each tile in reading order: the red cover, or the placeholder on a plain card, with the
    // year read from the IMDB record.
    void tiles_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("cover");
        QTest::addColumn<QString>("year");
        QTest::newRow("a JPEG cover") << 0 << true << "1979";
        QTest::newRow("no index number") << 1 << false << "";
        QTest::newRow("not a picture") << 2 << false << "1942";
        QTest::newRow("a FIFO") << 3 << false << "";
    }
    void tiles() {
        QFETCH(int, row);
        QFETCH(bool, cover);
        auto s = wallSession(db_.dbPath());
        QVERIFY(s);
        CoverWall* w = wall(*s);
        QCOMPARE(w->tile(row), cover ? CoverWall::Tile::Cover : CoverWall::Tile::Placeholder);
        QTEST(w->facts(row)->year, "year");
        const QColor at = shownAt(w, row);
        if (cover)
            QVERIFY2(at.red() > 200 && at.green() < 60 && at.blue() < 60, qPrintable(at.name()));
        else
            QCOMPARE(at.rgb(), w->palette().color(QPalette::Midlight).rgb());
    }

    // A cover the catalogue program replaced shows after a reload.
    void replacedCover() {
        CatalogueFolder db;
        WriteSampleCatalogue(db);
        const QString cover = db.coverPath() + "17.jpg";
        QImage picture(300, 450, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(cover, "JPEG", 85));
        auto s = wallSession(db.dbPath());
        QVERIFY(s);
        QCOMPARE(shownAt(wall(*s), 0).red(), 254);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(cover, "JPEG", 85));
        QVERIFY(SetModified(cover, QDateTime::currentDateTime().addSecs(60)));
        s->trigger("Reload");
        QVERIFY(settle(wall(*s)));
        QCOMPARE(shownAt(wall(*s), 0).blue(), 254);
    }
};

QTEST_MAIN(TestCoverWall)
#include "tst_coverwall.moc"
