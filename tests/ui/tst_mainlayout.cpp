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

double right(const QRectF& r) {
    return r.left() + r.width();
}
double bottom(const QRectF& r) {
    return r.top() + r.height();
}

} // namespace

class TestMainLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workedExample_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRectF>("rect");
        QTest::newRow("Frame1") << "Frame1" << QRectF(0, 0, 3000, 5700);
        QTest::newRow("Frame4") << "Frame4" << QRectF(3000, 0, 1125, 1500);
        QTest::newRow("Frame5") << "Frame5" << QRectF(4125, 0, 4875, 1000);
        QTest::newRow("Frame11") << "Frame11" << QRectF(4125, 1000, 4875, 500);
        QTest::newRow("Frame8") << "Frame8" << QRectF(3000, 1500, 6000, 1000);
        QTest::newRow("Frame9") << "Frame9" << QRectF(3000, 2500, 6000, 1200);
        QTest::newRow("Frame6") << "Frame6" << QRectF(3000, 3700, 2000, 2000);
        QTest::newRow("Frame2") << "Frame2" << QRectF(5000, 3700, 2000, 2000);
        QTest::newRow("Frame3") << "Frame3" << QRectF(7000, 3700, 2000, 1000);
        QTest::newRow("Frame7") << "Frame7" << QRectF(7000, 4700, 2000, 1000);
        QTest::newRow("List1") << "List1" << QRectF(100, 200, 2750, 5075);
        QTest::newRow("Command1") << "Command1" << QRectF(100, 5275, 1375, 375);
        QTest::newRow("Command2") << "Command2" << QRectF(1475, 5275, 1375, 375);
        QTest::newRow("Image1") << "Image1" << QRectF(100, 200, 875, 1250);
        QTest::newRow("Label12 stacks without gap") << "Label12" << QRectF(100, 875, 4675, 225);
        QTest::newRow("Text17") << "Text17" << QRectF(100, 200, 4675, 200);
        QTest::newRow("Text14") << "Text14" << QRectF(100, 650, 5800, 250);
        QTest::newRow("Text16 as Text14") << "Text16" << QRectF(100, 650, 5800, 250);
        QTest::newRow("Label31") << "Label31" << QRectF(100, 900, 5800, 225);
        QTest::newRow("Label32 stacks with gap") << "Label32" << QRectF(100, 433, 1800, 225);
        QTest::newRow("Label17 last of misc") << "Label17" << QRectF(100, 2763, 1800, 225);
        QTest::newRow("Label35") << "Label35" << QRectF(100, 200, 1800, 300);
        QTest::newRow("ProgressBar1") << "ProgressBar1" << QRectF(100, 600, 1800, 300);
    }
    void workedExample() {
        QFETCH(QString, control);
        QFETCH(QRectF, rect);
        QCOMPARE(layout(9000, 6000, 300).value(control), rect);
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
            QCOMPARE(right(r[frame]), W);
        for (const char* frame : {"Frame1", "Frame6", "Frame2", "Frame7"})
            QCOMPARE(bottom(r[frame]), H - S);
        QCOMPARE(r["Frame9"].height(), r["Frame8"].height() + 200);
        QCOMPARE(r["Frame3"].height() + r["Frame7"].height(), r["Frame6"].height());
        QCOMPARE(r["Frame6"].width(), r["Frame2"].width());
        QCOMPARE(right(r["Frame4"]), r["Frame5"].left());
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
