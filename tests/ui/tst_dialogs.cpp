// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs placed in twips, and the Filter and Settings dialogs edited and closed every way.
#include "browse/FilterSettings.h"
#include "settings/PendingWork.h"
#include "settings/Preferences.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompts.h"
#include "ui/frmFilter.h"
#include "ui/frmMediaInfo.h"
#include "ui/frmSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

// Two sets that differ in every field the dialog shows, so that each control is seen to carry its
// own; both hold the same chart bar, which the dialog must leave alone.
FilterSettings sample(bool p) {
    const QString year = p ? "2005" : "05", entered = p ? "2006-03" : "",
                  text = p ? "Léon" : "leon";
    return {p,       year, !p, p,    !p,
            entered, p,    !p, text, FigureCriterion{FigureDimension::Genre, "Drama"}};
}

// Start-up reads the store holding `settings` (as WriteSettings takes them); the dialog opens.
struct Session {
    explicit Session(const QString& settings = {}) {
        WriteSettings(store, settings);
        prefs = ReadPreferences(store);
        store.writes.clear();
        store.saves = 0;
        dialog = std::make_unique<frmSettings>(prefs, pending, store, prompts);
    }
    template <class T = QWidget> T* get(const QString& n) const { return dialog->findChild<T*>(n); }
    void click(const QString& name) { // near the left edge: a check box answers on its caption
        auto* button = get<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    QString swatch(const char* n) const { return get(n)->palette().color(QPalette::Window).name(); }

    MemorySettingsStore store;
    Preferences prefs;
    PendingWork pending;
    ScriptedPrompts prompts;
    std::unique_ptr<frmSettings> dialog;
};

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // At the usual font and a large one every caption is whole, inside and clear of neighbours.
    void placement_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("points"); // the application's font size, 0: as it is
        for (const char* dialog : {"Filters", "Settings", "Media Info"})
            for (int points : {0, 14})
                QTest::addRow("%s at %d points", dialog, points) << QString(dialog) << points;
    }
    void placement() {
        QFETCH(QString, dialog);
        QFETCH(int, points);
        const QFont usual = QApplication::font();
        QFont font = usual;
        if (points)
            font.setPointSize(points);
        QApplication::setFont(font);
        Session settings;
        FilterSettings filter;
        const FixedClock clock{QDateTime(QDate(2006, 3, 14), QTime(12, 0))};
        std::unique_ptr<QDialog> window;
        if (dialog == "Filters")
            window = std::make_unique<frmFilter>(filter, settings.pending, clock);
        else if (dialog == "Settings")
            window = std::move(settings.dialog);
        else
            window = std::make_unique<frmMediaInfo>(settings.store, settings.prompts, "/db/");
        QApplication::setFont(usual);
        QCOMPARE(window->windowTitle(), dialog);
        const auto captioned = [](const QWidget* w) {
            return qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w) ||
                   qobject_cast<const QLabel*>(w) || qobject_cast<const QComboBox*>(w);
        };
        const auto textOf = [&](const QWidget* w) {
            return captioned(w) ? QRect(w->pos(), QSize(w->sizeHint().width(), w->height()))
                                : w->geometry();
        };
        const QList<QWidget*> placed = window->findChildren<QWidget*>(
            QRegularExpression("^(Frame|Check|Label|Text|Command|Option|Combo|cmddrive|f$)"));
        QVERIFY(placed.size() > 10);
        for (const QWidget* w : placed) {
            const QString name = w->objectName();
            QVERIFY2(!captioned(w) || w->width() >= w->sizeHint().width(), qPrintable(name));
            if (w->parentWidget() == window.get())
                QVERIFY2(window->rect().contains(w->geometry()), qPrintable(name));
            // Twips let neighbours touch by a pixel, and lines 240 twips apart as captions grow.
            for (const QWidget* other : placed) {
                const QRect both = textOf(w) & textOf(other);
                if (other != w && other->parentWidget() == w->parentWidget() && captioned(w))
                    QVERIFY2(both.width() <= 2 ||
                                 2 * both.height() < std::min(w->height(), other->height()),
                             qPrintable(name + " covers " + other->objectName()));
            }
        }
    }

    // Every criterion edited, then stored or not by each way of closing, or a date filled in.
    void filterDialog_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stores");
        QTest::addColumn<QString>("date"); // in the date box afterwards; empty: the dialog closes
        QTest::newRow("Filter") << "Command1" << true << "";
        QTest::newRow("Enter") << "Enter" << true << "";
        QTest::newRow("Abort") << "Command2" << false << "";
        QTest::newRow("Esc") << "Esc" << false << "";
        QTest::newRow("Today") << "Command3" << false << "2006-03-14";
        QTest::newRow("This month") << "Command4" << false << "2006-03";
        QTest::newRow("This Year") << "Command5" << false << "2006";
    }
    void filterDialog() {
        QFETCH(QString, how);
        QFETCH(bool, stores);
        QFETCH(QString, date);
        FilterSettings filter = sample(true);
        PendingWork pending{.filter = !stores};
        const FixedClock clock{QDateTime(QDate(2006, 3, 14), QTime(23, 59))};
        QCOMPARE(FilterSettings::startValues(clock),
                 (FilterSettings{
                     false, "2006", false, true, false, "2006-03-14", false, false, "", {}}));
        frmFilter dialog(filter, pending, clock);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Check5", "Option4"})
            QTest::mouseClick(dialog.findChild<QAbstractButton*>(name), Qt::LeftButton);
        dialog.findChild<QLineEdit*>("Text3")->setText("leon");
        auto* text2 = dialog.findChild<QLineEdit*>("Text2");
        text2->clear();
        dialog.findChild<QLineEdit*>("Text1")->setText("05");
        if (how.startsWith("Command"))
            QTest::mouseClick(dialog.findChild<QAbstractButton*>(how), Qt::LeftButton);
        else
            QTest::keyClick(text2, how == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        QCOMPARE(text2->text(), date);
        QCOMPARE(dialog.isVisible(), !date.isEmpty());
        QCOMPARE(pending.filter, stores || !date.isEmpty()); // a date button leaves it
        QCOMPARE(filter, sample(!stores));
        // The next opening shows what is stored: its Filter button stores it unchanged.
        frmFilter(filter, pending, clock).Command1_Click();
        QCOMPARE(filter, sample(!stores));
    }

    // Ok stores every key in one step (a crash leaves none half saved), or says why not; Cancel
    // stores nothing, yet the font chosen holds.
    void close_data() {
        QTest::addColumn<QString>("genre");  // stored
        QTest::addColumn<QString>("shown");  // the choice that shows it, empty: none
        QTest::addColumn<QString>("button"); // that closes the dialog
        QTest::addColumn<bool>("refused");   // the store cannot be written
        const auto row = [](const char* tag, const char* genre, const char* shown,
                            const char* button, bool refused) {
            QTest::newRow(tag) << QString(genre) << QString(shown) << QString(button) << refused;
        };
        row("Ok", "COMBINE", "Option3", "Command1", false);
        row("Ok, store out of reach", "combine", "", "Command1", true);
        row("Cancel", "IMDB", "Option1", "f", false);
    }
    void close() {
        QFETCH(QString, genre);
        QFETCH(QString, shown);
        QFETCH(QString, button);
        QFETCH(bool, refused);
        Session s("RKV/Genre=" + genre +
                  ";Font3=_I_10.5 Arial;FColor0=65280;FColor3=blue;JBEF2=Shelf;RKV/SavePath=/old");
        for (const QString option : {"Option1", "Option2", "Option3"})
            QCOMPARE(s.get<QRadioButton>(option)->isChecked(), option == shown);
        s.store.refuseWrites = refused;
        s.prompts.answerFont(std::nullopt);
        s.prompts.answerFont(FontChoice{"Arial", 10.5, true, false, true, QColor(1, 2, 128)});
        s.prompts.answerFont(FontChoice{"Courier New", 11, false, false, false, {}}); // colour kept
        for (const char* name :
             {"Command4", "Command3", "Command6", "Check1", "Option2", "Check3", "Check7"})
            s.click(name);
        QCOMPARE(s.prompts.asked[0].font, (FontChoice{"Arial", 10, false, true, false, Qt::black}));
        QCOMPARE(s.get<QLineEdit>("Text2")->text(), "Arial 10.5 points Bold Underlined");
        QCOMPARE(s.get<QLineEdit>("Text3")->text(), "Arial 10 points Italic ");
        QCOMPARE(s.get<QLineEdit>("Text6")->text(), "Courier New 11 points ");
        QCOMPARE(s.swatch("Shape6") + s.swatch("Shape3") + s.swatch("Shape2"),
                 "#00ff00#000000#010280");   // as stored, "blue" as black, as chosen
        QCOMPARE(s.prefs.Fonts[2].Size, 10); // half to even
        s.dialog->show();
        s.get<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowActive(s.dialog.get()));
        auto* combo = s.get<QComboBox>("Combo3");
        combo->setFocus(); // completion only runs in a focused box, as when the user types
        combo->clearEditText();
        QTest::keyClicks(combo, "Med");
        const std::optional<QString> folders[] = {"/films/out", std::nullopt, "/"};
        for (const auto& folder : folders) {
            s.prompts.answerFolder(folder);
            s.click("Command7");
        }
        QCOMPARE(s.prompts.asked[3].proposed, "/old");
        QCOMPARE(s.prompts.asked[5].proposed, "/films/out/"); // a closing separator added
        s.click(button);
        const bool ok = button == "Command1";
        const QStringList every =
            QString("Font1=___12 Arial Black;FColor1=255;Font2=B_U10.5 Arial;FColor2=8389121;"
                    "Font3=_I_10.5 Arial;FColor3=blue;Font4=B__12 Arial;FColor4=0;"
                    "Font5=B__10 Arial;FColor5=255;Font0=___11 Courier New;FColor0=65280;"
                    "CpFolderImage=False;CpFolderOverwrite=False;RKV/SavePath=/;RKV/Genre=RK;"
                    "JBEU1=False;JBEU2=True;JBEU3=True;JBEU4=False;JBEU5=True;JBEF1=Location;"
                    "JBEF2=Shelf;JBEF3=Med;JBEF4=Medium;JBEF5=User Index;JBES1=VCD-;JBES2=DVDR-;"
                    "JBES3=CD-;JBES4=SVCD;JBES5=DVD-")
                .split(u';');
        QCOMPARE(s.store.writes, ok && !refused ? every : QStringList());
        QCOMPARE(s.store.saves, int(ok));
        QCOMPARE(s.prompts.messages.value(0).details, refused ? "File: settings.ini" : "");
        QCOMPARE(s.prefs.Fonts[2].Spec, "B_U10.5 Arial");
        QCOMPARE(s.prefs.GenreSource, ok ? "RK" : genre);
        QCOMPARE(s.prefs.CpFolderImage, !ok);
        QCOMPARE(s.pending.relayout, ok);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
