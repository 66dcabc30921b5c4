// The filter dialog: what it shows on opening, what its date buttons fill in, what each way of
// closing it stores, and its controls.
#include "FilterSettings.h"
#include "FixedClock.h"
#include "PendingWork.h"
#include "Twips.h"
#include "frmFilter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2006, 3, 14), QTime(23, 59));

// Two sets that differ in every field, so that each control is seen to carry its own.
FilterSettings sample(bool present) {
    FilterSettings f;
    f.FilterYearOn = present;
    f.FilterYearText = present ? QStringLiteral("2005") : QStringLiteral("05");
    f.FilterStatusOn = !present;
    f.FilterPresent = present;
    f.FilterEnteredOn = !present;
    f.FilterEnteredText = present ? QStringLiteral("2006-03") : QString();
    f.FilterJoveOn = present;
    return f;
}

template <class W> W* control(const QWidget& dialog, const char* name) {
    return dialog.findChild<W*>(QLatin1String(name));
}

FilterSettings shown(const frmFilter& d) {
    FilterSettings f;
    f.FilterYearOn = control<QCheckBox>(d, "Check1")->isChecked();
    f.FilterYearText = control<QLineEdit>(d, "Text1")->text();
    f.FilterStatusOn = control<QCheckBox>(d, "Check2")->isChecked();
    f.FilterPresent = control<QRadioButton>(d, "Option3")->isChecked();
    f.FilterEnteredOn = control<QCheckBox>(d, "Check3")->isChecked();
    f.FilterEnteredText = control<QLineEdit>(d, "Text2")->text();
    f.FilterJoveOn = control<QCheckBox>(d, "Check4")->isChecked();
    return f;
}

void enter(frmFilter& d, const FilterSettings& f) {
    control<QCheckBox>(d, "Check1")->setChecked(f.FilterYearOn);
    control<QLineEdit>(d, "Text1")->setText(f.FilterYearText);
    control<QCheckBox>(d, "Check2")->setChecked(f.FilterStatusOn);
    QTest::mouseClick(control<QRadioButton>(d, f.FilterPresent ? "Option3" : "Option4"),
                      Qt::LeftButton);
    control<QCheckBox>(d, "Check3")->setChecked(f.FilterEnteredOn);
    control<QLineEdit>(d, "Text2")->setText(f.FilterEnteredText);
    control<QCheckBox>(d, "Check4")->setChecked(f.FilterJoveOn);
}

// One opening of the dialog on settings of its own.
struct Opened {
    explicit Opened(const FilterSettings& settings = {}) : filter(settings) {}
    FilterSettings filter;
    PendingWork pending;
    FixedClock clock{kNow};
    frmFilter dialog{filter, pending, clock};
};

} // namespace

class TestFrmFilter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheSettings_data() {
        QTest::addColumn<bool>("present");
        QTest::newRow("Present") << true;
        QTest::newRow("Absent") << false;
    }
    void opensWithTheSettings() {
        QFETCH(bool, present);
        const Opened opened(sample(present));
        QCOMPARE(shown(opened.dialog), sample(present));
        QCOMPARE(control<QRadioButton>(opened.dialog, "Option4")->isChecked(), !present);
    }

    void dateButtonsFillTheEnteredDate_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("text");
        QTest::newRow("Today") << "Command3" << true << "2006-03-14";
        QTest::newRow("This month") << "Command4" << false << "2006-03";
        QTest::newRow("This Year") << "Command5" << true << "2006";
    }
    void dateButtonsFillTheEnteredDate() {
        QFETCH(QString, button);
        QFETCH(bool, ticked);
        QFETCH(QString, text);
        FilterSettings before = sample(true);
        before.FilterEnteredOn = ticked;
        Opened opened(before);
        QTest::mouseClick(opened.dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        FilterSettings expected = before;
        expected.FilterEnteredText = text;
        QCOMPARE(shown(opened.dialog), expected);
        QCOMPARE(opened.filter, before);
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stores");
        QTest::newRow("Filter") << "Command1" << true;
        QTest::newRow("Enter") << "Enter" << true;
        QTest::newRow("Abort") << "Command2" << false;
        QTest::newRow("Esc") << "Esc" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, stores);
        Opened opened(sample(true));
        opened.pending.filter = !stores;
        frmFilter& first = opened.dialog;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        enter(first, sample(false));
        if (how == QLatin1String("Enter"))
            QTest::keyClick(control<QLineEdit>(first, "Text1"), Qt::Key_Return);
        else if (how == QLatin1String("Esc"))
            QTest::keyClick(control<QLineEdit>(first, "Text1"), Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            first.close();
        else
            QTest::mouseClick(first.findChild<QPushButton*>(how), Qt::LeftButton);

        QVERIFY(!first.isVisible());
        QCOMPARE(first.result(), stores ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(opened.pending.filter, stores);
        const FilterSettings expected = sample(!stores);
        QCOMPARE(opened.filter, expected);
        const frmFilter second(opened.filter, opened.pending, opened.clock);
        QCOMPARE(shown(second), expected);
    }

    void window() {
        const Opened opened;
        const frmFilter& dialog = opened.dialog;
        const double dpi = dialog.logicalDpiX();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Filters"));
        QCOMPARE(dialog.size(), QSize(Twips::toPixels(7425, dpi), Twips::toPixels(5160, dpi)));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    }

    void controls_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPointF>("twips");
        const auto row = [](const char* name, const char* kind, const char* container,
                            const char* caption, double left, double top) {
            QTest::newRow(name) << kind << container << caption << QPointF(left, top);
        };
        row("Frame3", "QGroupBox", "frmFilter", "Entered date", 120, 0);
        row("Check3", "QCheckBox", "Frame3", "Use", 240, 360);
        row("Label4", "QLabel", "Frame3", "Show movies entered:", 1440, 360);
        row("Text2", "QLineEdit", "Frame3", "", 3960, 360);
        row("Command3", "QPushButton", "Frame3", "Today", 5760, 240);
        row("Command4", "QPushButton", "Frame3", "This month", 5760, 480);
        row("Command5", "QPushButton", "Frame3", "This Year", 5760, 720);
        row("Frame1", "QGroupBox", "frmFilter", "Year", 120, 1080);
        row("Check1", "QCheckBox", "Frame1", "Use", 240, 360);
        row("Label1", "QLabel", "Frame1", "Show only where production year is:", 1560, 360);
        row("Text1", "QLineEdit", "Frame1", "", 5040, 360);
        row("Frame2", "QGroupBox", "frmFilter", "Status", 120, 2160);
        row("Check2", "QCheckBox", "Frame2", "Use", 240, 360);
        row("Label2", "QLabel", "Frame2", "Show only", 1560, 360);
        row("Option3", "QRadioButton", "Frame2", "Present", 3000, 240);
        row("Option4", "QRadioButton", "Frame2", "Absent", 3000, 480);
        row("Label3", "QLabel", "Frame2", "movies.", 3960, 360);
        row("Frame4", "QGroupBox", "frmFilter", "Jove Batch Export", 120, 3240);
        row("Check4", "QCheckBox", "Frame4", "Use", 240, 360);
        row("Label5", "QLabel", "Frame4", "Jove Batch Export settings", 1800, 360);
        row("Command2", "QPushButton", "frmFilter", "Abort", 3600, 4440);
        row("Command1", "QPushButton", "frmFilter", "Filter", 5520, 4440);
    }
    void controls() {
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(QPointF, twips);
        const Opened opened;
        const frmFilter& dialog = opened.dialog;
        const auto* w = dialog.findChild<QWidget*>(QLatin1String(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(QLatin1String(w->metaObject()->className()), kind);
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString(),
                 caption);
        const double dpi = dialog.logicalDpiX();
        QCOMPARE(w->pos(),
                 QPoint(Twips::toPixels(twips.x(), dpi), Twips::toPixels(twips.y(), dpi)));
        // Room for the whole caption at the font in use.
        const QFontMetrics metrics(w->font());
        QVERIFY(w->height() >= metrics.height());
        QVERIFY(w->width() >= metrics.horizontalAdvance(caption));
    }
};

QTEST_MAIN(TestFrmFilter)
#include "tst_frmfilter.moc"
