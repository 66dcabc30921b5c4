// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard and through a screen reader's eyes.
#include "browse/MainControls.h"
#include "support/CatalogueFolder.h"
#include "support/ViewerSession.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

class TestKeyboard : public QObject {
    Q_OBJECT

    CatalogueFolder db_;

    // Started with nothing selected and the window active.
    std::unique_ptr<StartedSession> start() {
        auto s = std::make_unique<StartedSession>(db_.dbPath());
        s->window->show();
        s->window->activateWindow();
        return QTest::qWaitForWindowActive(s->window.get()) ? std::move(s) : nullptr;
    }

private Q_SLOTS:
    void initTestCase() { WriteSampleCatalogue(db_); }

    // The find box's editing keys edit, other menu shortcuts work; in a text box every one works.
    void keysIn_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("keys"); // pressed in turn, after typing "lien"
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("findText");
        QTest::addColumn<bool>("ended");
        const auto row = [](const char* tag, const char* control, const char* keys, int to,
                            const char* text, bool ended = false) {
            QTest::newRow(tag) << QString(control) << QString(keys).split(u',') << to
                               << QString(text) << ended;
        };
        row("find: Return and F3 go round", "FindBox", "Return,F3", 0, "lien");
        row("find: Next and Previous stop at the ends", "FindBox", "Ctrl+N,Ctrl+N,Ctrl+N,Ctrl+N", 3,
            "lien");
        row("find: Ctrl+X cuts, Ctrl+V pastes", "FindBox", "Ctrl+A,Ctrl+X,Ctrl+V,Ctrl+V", 0,
            "lienlien");
        row("find: Shift+Del cuts, Shift+Ins pastes", "FindBox", "Ctrl+A,Shift+Del,Shift+Ins", 0,
            "lien");
        row("find: Ctrl+Z undoes", "FindBox", "Ctrl+A,Ctrl+X,Ctrl+Z", 0, "lien");
        row("find: Escape empties", "FindBox", "Escape", 0, "");
        row("text box: Shift+Del is Last", "Text16", "Shift+Del", 3, "lien");
        row("text box: Shift+Ins is First", "Text16", "Ctrl+N,Ctrl+N,Shift+Ins", 0, "lien");
        row("text box: Ctrl+X is Close", "Text16", "Ctrl+X", 0, "lien", true);
    }
    void keysIn() {
        QFETCH(QString, control);
        QFETCH(QStringList, keys);
        auto s = start();
        QVERIFY(s);
        QSignalSpy ended(s->window.get(), &frmMain::programEnded);
        auto* find = s->control<QLineEdit>("FindBox");
        QTest::keyClicks(find, "lien");
        QCOMPARE(s->row(), 0);
        QWidget* target = s->control(control);
        target->setFocus();
        for (const QString& key : keys)
            QTest::keySequence(target, QKeySequence(key));
        QTEST(s->row(), "row");
        QTEST(find->text(), "findText");
        QTEST(!ended.isEmpty(), "ended");
    }

    // Down and Return in the list; Tab to the IMDB line, Enter or Space; a text box shows focus.
    void listImdbLineAndFocus() {
        auto s = start();
        QVERIFY(s);
        auto* list = s->control("List1");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(s->row(), 0);
        QString opened;
        WhenModal([&](QWidget* dialog) {
            opened = dialog->metaObject()->className();
            dialog->close();
        });
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(opened, "frmMediaInfo");
        s->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        list->setFocus();
        QWidget* imdb = s->control("Label11");
        for (int tabs = 0; tabs < 20 && QApplication::focusWidget() != imdb; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), imdb);
        QTest::keyClick(imdb, Qt::Key_Return);
        QTest::keyClick(imdb, Qt::Key_Space);
        QCOMPARE(s->desktop.opened.size(), 2);
        auto* text = s->control<QPlainTextEdit>("Text16");
        list->setFocus();
        const QImage before = text->grab().toImage();
        text->setFocus();
        QTRY_VERIFY(text->grab().toImage() != before);
    }

    // Every focusable control and fact label is named; a fact label's description is its text.
    void accessibleNames() {
        auto s = start();
        QVERIFY(s);
        s->select(0);
        QStringList unnamed;
        for (QWidget* w : s->window->findChildren<QWidget*>()) {
            const QByteArray name = w->objectName().toLatin1();
            const MainControls::Control* row = MainControls::find(QLatin1StringView(name));
            const bool fact = row && row->kind == MainControls::Kind::Label;
            if (!w->isVisible() || (w->focusPolicy() == Qt::NoFocus && !fact))
                continue;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
            if (!reader || reader->text(QAccessible::Name).isEmpty())
                unnamed << w->objectName() + u'(' + w->metaObject()->className() + u')';
        }
        QCOMPARE(unnamed, QStringList());
        QAccessibleInterface* year = QAccessible::queryAccessibleInterface(s->control("Label4"));
        QCOMPARE(year->text(QAccessible::Name) + " / " + year->text(QAccessible::Description),
                 "Year / Year: 1979");
        QCOMPARE(
            QAccessible::queryAccessibleInterface(s->control("List1"))->text(QAccessible::Name),
            "Titles");
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
