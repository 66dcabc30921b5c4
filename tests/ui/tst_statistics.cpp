// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics window over the main window's list: its figures, narrowing the list by a bar or
// a row, and saving a figure.
#include "support/CatalogueFolder.h"
#include "support/ViewerSession.h"
#include "ui/frmStatistics.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestStatistics : public QObject {
    Q_OBJECT

    std::optional<CatalogueFolder> db_;
    std::optional<StartedSession> s_;

    frmStatistics* open(FigureDimension dimension) {
        s_->trigger("Statistics");
        auto* window = s_->control<frmStatistics>("frmStatistics");
        window->setDimension(dimension);
        return window;
    }
    // "value=count" for each row of the window's table, in its order.
    static QStringList table(const frmStatistics* window) {
        const auto* table = window->findChild<QTableWidget*>("Table");
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows << table->item(row, 0)->text() + '=' + table->item(row, 1)->text();
        return rows;
    }
    static QBarSet* bars(const frmStatistics* window) {
        const QChart* chart = window->findChild<QChartView*>("Chart")->chart();
        return static_cast<QAbstractBarSeries*>(chart->series().first())->barSets().first();
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() {
        WriteSampleCatalogue(db_.emplace());
        s_.emplace(db_->dbPath());
    }
    void cleanup() { s_.reset(); }

    void figures_data() {
        QTest::addColumn<FigureDimension>("dimension");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("decade") << FigureDimension::Decade
                                << QStringList{"1940s=1", "1970s=1", "(none)=2"};
        QTest::newRow("status") << FigureDimension::Status
                                << QStringList{"Present=2", "Lent=1", "(none)=1"};
        QTest::newRow("location") << FigureDimension::Location
                                  << QStringList{"A=2", "Shelf=1", "VCD-=1"};
    }
    void figures() {
        QFETCH(FigureDimension, dimension);
        QFETCH(QStringList, rows);
        const frmStatistics* window = open(dimension);
        QVERIFY(window->isVisible());
        QCOMPARE(table(window), rows);
        QCOMPARE(window->findChild<QLabel*>("Summary")->text(), "4 titles");
        QCOMPARE(bars(window)->count(), dimension == FigureDimension::Decade ? 5 : rows.size());
        QTest::keyClick(window->findChild<QTableWidget*>("Table"), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // A bar narrows the list to the titles it counts, and the window then counts the narrowed
    // list; Enter on a table row does the same; Reload brings all back.
    void narrowing() {
        frmStatistics* window = open(FigureDimension::Decade);
        Q_EMIT bars(window)->clicked(3); // 1940s, 1950s, 1960s, 1970s
        QCOMPARE(s_->window->titles(), QStringList{"Alien"});
        QCOMPARE(s_->status(), "Found: 1 entries.");
        QTRY_COMPARE(window->findChild<QLabel*>("Summary")->text(), "1 title");
        QCOMPARE(table(window), QStringList{"1970s=1"});

        s_->trigger("Reload");
        QTRY_COMPARE(window->findChild<QLabel*>("Summary")->text(), "4 titles");
        window->setDimension(FigureDimension::Status);
        auto* table = window->findChild<QTableWidget*>("Table");
        table->setCurrentCell(1, 0); // Lent
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(s_->window->titles(), QStringList{"Casablanca"});
    }

    void saving_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("csv") << "SaveCsv"
                             << "decade.csv";
        QTest::newRow("png") << "SavePng"
                             << "decade.png";
    }
    void saving() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        frmStatistics* window = open(FigureDimension::Decade);
        const QString path = db_->dbPath() + name;
        s_->prompts.answerFile(path);
        s_->prompts.answerFile(db_->dbPath() + "missing/" + name);
        window->findChild<QPushButton*>(button)->click();
        QCOMPARE(s_->prompts.asked.last().openFile.fileName, name);
        if (name.endsWith(".csv")) {
            QCOMPARE(Contents(path), QByteArray("value,count\n1940s,1\n1970s,1\n,2\n"));
        } else {
            const QImage picture(path);
            QCOMPARE(picture.size(), window->findChild<QChartView*>("Chart")->size());
        }
        QVERIFY(s_->prompts.messages.isEmpty());
        window->findChild<QPushButton*>(button)->click();
        QCOMPARE(s_->prompts.messages.size(), 1);
        QCOMPARE(s_->prompts.messages.first().text, "The figures could not be saved.");
    }

    // A dark desktop gets a dark chart.
    void darkTheme() {
        frmStatistics* window = open(FigureDimension::Year);
        QPalette dark = window->palette();
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        window->setPalette(dark);
        const QChart* chart = window->findChild<QChartView*>("Chart")->chart();
        QCOMPARE(chart->backgroundBrush().color(), QColor(30, 30, 30));
        QCOMPARE(chart->titleBrush().color(), QColor(230, 230, 230));
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
