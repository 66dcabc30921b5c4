// The filter dialog: what it shows on opening, what its date buttons fill in, what each way of
// closing it stores, and that its captions fit.
#include "FilterSettings.h"
#include "FixedClock.h"
#include "PendingWork.h"
#include "frmFilter.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Two sets that differ in every field, so that each control is seen to carry its own.
FilterSettings sample(bool present) {
    return {present,  present ? "2005" : "05",  !present, present,
            !present, present ? "2006-03" : "", present};
}

FilterSettings shown(const QWidget& d) {
    const auto on = [&](const char* n) { return d.findChild<QAbstractButton*>(n)->isChecked(); };
    const auto text = [&](const char* n) { return d.findChild<QLineEdit*>(n)->text(); };
    return {on("Check1"), text("Text1"), on("Check2"), on("Option3"),
            on("Check3"), text("Text2"), on("Check4")};
}

void click(const QWidget& d, const char* name) {
    QTest::mouseClick(d.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

// One opening of the dialog on settings of its own.
struct Opened {
    FilterSettings filter;
    PendingWork pending{};
    FixedClock clock{QDateTime(QDate(2006, 3, 14), QTime(23, 59))};
    frmFilter dialog{filter, pending, clock};
};

} // namespace

class TestFrmFilter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The dialog opens on the settings; a date button fills in the date text and stores nothing.
    void dateButtons() {
        for (const auto& [button, text] :
             {std::pair{"Command3", "2006-03-14"}, {"Command4", "2006-03"}, {"Command5", "2006"}}) {
            Opened opened{sample(false)};
            click(opened.dialog, button);
            FilterSettings expected = sample(false);
            expected.FilterEnteredText = text;
            QCOMPARE(shown(opened.dialog), expected);
            QVERIFY(opened.dialog.findChild<QRadioButton*>("Option4")->isChecked());
            QCOMPARE(opened.filter, sample(false));
        }
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stores");
        QTest::newRow("Filter") << "Command1" << true;
        QTest::newRow("Enter") << "Enter" << true;
        QTest::newRow("Abort") << "Command2" << false;
        QTest::newRow("Esc") << "Esc" << false;
    }
    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, stores);
        Opened opened{sample(true)};
        opened.pending.filter = !stores;
        frmFilter& first = opened.dialog;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Option4"})
            click(first, name); // every setting the other way, as sample(false)
        first.findChild<QLineEdit*>("Text2")->clear();
        auto* text1 = first.findChild<QLineEdit*>("Text1");
        text1->setText("05");
        if (how.startsWith("Command"))
            click(first, qPrintable(how));
        else
            QTest::keyClick(text1, how == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!first.isVisible());
        QCOMPARE(opened.pending.filter, stores);
        QCOMPARE(opened.filter, sample(!stores));
        // The next opening shows what is stored.
        QCOMPARE(shown(frmFilter(opened.filter, opened.pending, opened.clock)), sample(!stores));
    }

    // A window of fixed size, so every caption must fit its control.
    void captionsFit() {
        const Opened opened;
        const frmFilter& dialog = opened.dialog;
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        for (const QWidget* w : dialog.findChildren<QWidget*>()) {
            const QString caption =
                w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
            QVERIFY2(w->width() >= w->fontMetrics().horizontalAdvance(caption),
                     qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(TestFrmFilter)
#include "tst_frmfilter.moc"
