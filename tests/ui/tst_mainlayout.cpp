// The layout pass as numbers: the worked example, the invariants at many sizes, and what
// happens when a window is too small for a control.
#include "MainLayout.h"

#include <QTest>

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

class TestMainLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
