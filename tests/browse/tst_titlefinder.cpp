// The find box's search through the title list.
#include "TitleFinder.h"

#include <QElapsedTimer>
#include <QTest>

class TestTitleFinder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void find_data() {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("from");
        QTest::addColumn<qsizetype>("expected");
        const QStringList titles{"Alien", "Aliens", "Blade Runner", "The ALIEN Factor"};
        QTest::newRow("at from") << titles << "alien" << qsizetype(0) << qsizetype(0);
        QTest::newRow("after from") << titles << "alien" << qsizetype(2) << qsizetype(3);
        QTest::newRow("letter case ignored") << titles << "aLiEn" << qsizetype(3) << qsizetype(3);
        QTest::newRow("inside a title") << titles << "runn" << qsizetype(0) << qsizetype(2);
        QTest::newRow("wraps round") << titles << "blade" << qsizetype(3) << qsizetype(2);
        QTest::newRow("none") << titles << "Predator" << qsizetype(1) << qsizetype(-1);
        QTest::newRow("empty text") << titles << "" << qsizetype(0) << qsizetype(-1);
        QTest::newRow("from below range") << titles << "alien" << qsizetype(-1) << qsizetype(0);
        QTest::newRow("from past the end") << titles << "aliens" << qsizetype(4) << qsizetype(1);
        QTest::newRow("empty list") << QStringList{} << "a" << qsizetype(0) << qsizetype(-1);
        QTest::newRow("non-ASCII case")
            << QStringList{"x", "Amélie"} << "AMÉLIE" << qsizetype(0) << qsizetype(1);
    }
    void find() {
        QFETCH(QStringList, titles);
        QFETCH(QString, text);
        QFETCH(qsizetype, from);
        QTEST(FindTitle(titles, text, from), "expected");
    }

    // The box searches on every key typed, so a full pass must not stall the window.
    void fullPassIsFast() {
        QStringList titles;
        for (int i = 0; i < 100'000; ++i)
            titles << QStringLiteral("Some Movie Title Number %1").arg(i);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(FindTitle(titles, "number 49999", 50'000), qsizetype(49'999));
        QCOMPARE(FindTitle(titles, "not there", 0), qsizetype(-1));
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestTitleFinder)
#include "tst_titlefinder.moc"
