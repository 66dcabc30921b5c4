// The About, Help and Wait windows: links handed to the desktop, the closing buttons, and the
// progress a list walk shows. The main window's layout pass as numbers: the worked example, the
// invariants at many sizes, and what happens when a window is too small for a control.
#include "MainLayout.h"
#include "RecordingDesktop.h"
#include "Wait.h"
#include "frmAbout.h"
#include "frmHelp.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QHash<QString, QRectF> layout(double W, double H, double S, double labelHeight = 225,
                              const QHash<QString, QRectF>& previous = {}) {
    QHash<QString, QRectF> rects;
    for (const Placement& p : MainLayout::compute(
             W, H, S, [=](const QString&) { return labelHeight; }, previous))
        rects.insert(p.name, p.rect);
    return rects;
}

} // namespace

class TestAuxWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each window's own button closes it without opening anything (Esc is the dialog's own).
    void closeButtons() {
        RecordingDesktop desktop;
        frmAbout about(desktop);
        frmHelp help;
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

    // Tag: the link's label; the mail link shows its address without "mailto:".
    void aboutLinks_data() {
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("address");
        QTest::newRow("URL") << QString("Click to open") << "https://reelkeep-viewer.example/";
        QTest::newRow("MailTo") << QString("Click to mail me")
                                << "mailto:developers@reelkeep-viewer.example";
    }
    void aboutLinks() {
        QFETCH(QString, toolTip);
        QFETCH(QString, address);
        RecordingDesktop desktop;
        desktop.accept = false; // a refused address changes nothing in the window
        frmAbout about(desktop);
        about.show();
        auto* link = about.findChild<QLabel*>(QTest::currentDataTag());
        QCOMPARE(link->text(), QString(address).remove(QStringLiteral("mailto:")));
        QCOMPARE(link->toolTip(), toolTip);
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(desktop.opened, QStringList{address});
        QVERIFY(about.isVisible());
    }

    void waitFollowsTheWalk_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index"); // -1: the walk has no entry to step to
        QTest::addColumn<int>("maximum");
        QTest::newRow("five entries") << 5 << 3 << 4;
        QTest::newRow("one entry") << 1 << 0 << 0;
        QTest::newRow("no entries") << 0 << -1 << 0;
    }
    void waitFollowsTheWalk() {
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(int, maximum);
        QWidget owner;
        owner.show();
        Wait wait(&owner);
        auto* bar = wait.findChild<QProgressBar*>("PB1");
        QVERIFY(!wait.isVisible());
        wait.start(count);
        QVERIFY(bar->isVisible());
        QCOMPARE(QPair(bar->minimum(), bar->maximum()), QPair(0, maximum));
        QCOMPARE(QApplication::activeModalWidget(), &wait); // the owner takes no input meanwhile
        bool pendingRan = false;
        QTimer::singleShot(0, &wait, [&pendingRan] { pendingRan = true; });
        if (index >= 0) {
            wait.step(index);
            QVERIFY(bar->value() == index && pendingRan); // stepping lets pending events run
        }
        wait.finish();
        QVERIFY(!wait.isVisible() && !QApplication::activeModalWidget());
    }

    // The frames, the list and its buttons in a 9000 x 6000 twip window with a 300 twip status
    // bar, worked out by hand.
    void workedExample() {
        const auto r = layout(9000, 6000, 300);
        for (const QString& pair :
             QString("Frame1=0 0 3000 5700;Frame4=3000 0 1125 1500;Frame5=4125 0 4875 1000;"
                     "Frame11=4125 1000 4875 500;Frame8=3000 1500 6000 1000;"
                     "Frame9=3000 2500 6000 1200;Frame6=3000 3700 2000 2000;"
                     "Frame2=5000 3700 2000 2000;Frame3=7000 3700 2000 1000;"
                     "Frame7=7000 4700 2000 1000;List1=100 200 2750 5075;"
                     "Command1=100 5275 1375 375;Command2=1475 5275 1375 375")
                 .split(u';')) {
            const QRectF rect = r.value(pair.section(u'=', 0, 0));
            QCOMPARE(QString("%1=%2 %3 %4 %5")
                         .arg(pair.section(u'=', 0, 0))
                         .arg(rect.left())
                         .arg(rect.top())
                         .arg(rect.width())
                         .arg(rect.height()),
                     pair);
        }
    }

    void invariants_data() {
        QTest::addColumn<double>("W");
        QTest::addColumn<double>("H");
        QTest::addColumn<double>("S");
        QTest::newRow("default") << 6500.0 << 6500.0 << 315.0;
        QTest::newRow("design") << 17415.0 << 12120.0 << 300.0;
        QTest::newRow("odd") << 12345.0 << 9876.0 << 333.0;
        QTest::newRow("wide") << 30000.0 << 7000.0 << 300.0;
    }
    void invariants() {
        QFETCH(double, W);
        QFETCH(double, H);
        QFETCH(double, S);
        const auto r = layout(W, H, S);
        for (const char* frame : {"Frame5", "Frame11", "Frame8", "Frame9", "Frame7"})
            QCOMPARE(r[frame].right(), W);
        for (const char* frame : {"Frame1", "Frame6", "Frame2", "Frame7"})
            QCOMPARE(r[frame].bottom(), H - S);
        QCOMPARE(r["Frame9"].height(), r["Frame8"].height() + 200);
        QCOMPARE(r["Frame3"].height() + r["Frame7"].height(), r["Frame6"].height());
        QCOMPARE(r["Frame6"].width(), r["Frame2"].width());
        QCOMPARE(r["Frame4"].right(), r["Frame5"].left());
        QCOMPARE(r["Text16"], r["Text14"]); // actors and summary share one place
    }

    // A size that would turn negative keeps the control's previous size; its place still
    // follows the window.
    void tooSmallKeepsPreviousSize() {
        const auto before = layout(9000, 6000, 300);
        const auto tiny = layout(900, 600, 300, 225, before);
        QCOMPARE(tiny["Frame6"], QRectF(300, 550, 200, before["Frame6"].height()));
        QCOMPARE(tiny["Frame1"], QRectF(0, 0, 300, 300));
        QCOMPARE(tiny["List1"].size(), QSizeF(50, before["List1"].height()));
    }
};

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
