// SPDX-License-Identifier: GPL-3.0-or-later
// The collection's figures on the sample catalogue, counted by hand from its files, and the
// filter's chart-bar criterion keeping exactly the titles a bar counted.
#include "browse/FilterRun.h"
#include "catalogue/CatalogueIndex.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/TitleListReader.h"
#include "stats/CollectionStats.h"
#include "stats/FigureTimeline.h"
#include "support/CatalogueFolder.h"
#include "support/ScriptedPrompts.h"

#include <QTest>
#include <future>

namespace {

QString samples() {
    return qEnvironmentVariable("RKV_SOURCE_DIR") + QStringLiteral("/samples/");
}

class Recording final : public Progress {
public:
    void start(int count) override { seen << QStringLiteral("start %1").arg(count); }
    void step(int index) override { seen << QStringLiteral("step %1").arg(index); }
    void finish() override { seen << QStringLiteral("finish"); }
    QStringList seen;
};

} // namespace

class TestStats : public QObject {
    Q_OBJECT

    CatalogueIndex index_;
    TitleKeys titles_;

private Q_SLOTS:
    void initTestCase() {
        titles_ = ReadTitleList(samples(), &index_).titles;
        QCOMPARE(titles_.size(), 25);
    }

    // A value's count and its place in its dimension's list (-1: the last).
    void figures_data() {
        QTest::addColumn<QString>("genreSource");
        QTest::addColumn<QString>("dimension");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("place");
        const auto row = [](const char* source, const char* dimension, const char* value, int count,
                            int place) {
            QTest::addRow("%s %s %s", source, dimension, value)
                << QString(source) << QString(dimension) << QString::fromUtf8(value) << count
                << place;
        };
        row("IMDB", "year", "1927", 1, 0);
        row("IMDB", "year", "1998", 2, 13);
        row("IMDB", "year", "", 3, -1); // two without an IMDB record, one "NULL"
        row("IMDB", "decade", "1990s", 5, 6);
        row("IMDB", "decade", "", 3, -1);
        // Alien is Horror, Sci-Fi and Thriller; Das Boot's "drama" is a genre of its own.
        row("IMDB", "genre", "Drama", 13, 0);
        row("IMDB", "genre", "Thriller", 6, 5);
        row("IMDB", "genre", "drama", 1, 16);
        row("IMDB", "genre", "", 2, -1);
        row("RK", "genre", "Drama", 9, 0);
        row("RK", "genre", "Thriller", 2, 8);
        row("RK", "genre", "", 1, -1); // "NULL"
        // Merged: the catalogue's genres and the IMDB ones it lacks; no IMDB record, none.
        row("COMBINE", "genre", "Drama", 14, 0);
        row("COMBINE", "genre", "", 2, -1);
        row("IMDB", "location", "Shelf A-", 4, 1);
        row("IMDB", "location", "Attic box", 1, 6);
        row("IMDB", "location", "vcd-Box", 1, 9);
        row("IMDB", "medium", "DVD", 11, 0);
        row("IMDB", "medium", "VHS", 1, 6);
        row("IMDB", "rating", "2–3", 1, 0);
        row("IMDB", "rating", "8–9", 15, 4);
        row("IMDB", "rating", "", 3, -1); // "Null" and two without a record
        row("IMDB", "status", "Present", 21, 0);
        row("IMDB", "status", "Wishlist", 1, 3);
        row("IMDB", "entered", "2003-02", 2, 0);
        row("IMDB", "entered", "2004-01", 2, 3); // one with a time of day
        row("IMDB", "entered", "", 3, -1);
    }
    void figures() {
        QFETCH(QString, genreSource);
        QFETCH(QString, dimension);
        QFETCH(QString, value);
        QFETCH(int, place);
        const CollectionFigures figures =
            CollectionStats(index_, samples(), genreSource).compute(titles_);
        QCOMPARE(figures.titles, 25);
        QCOMPARE(figures.failures, QStringList());
        const QList<FigureCount>& rows = figures.of(*FigureDimensionNamed(dimension));
        const qsizetype at = place < 0 ? rows.size() - 1 : place;
        QVERIFY(at < rows.size());
        QCOMPARE(rows[at].value, value);
        QTEST(rows[at].count, "count");
    }

    // For every value of every dimension the filter keeps exactly the titles the figure counted:
    // as many, and each title under one value only but for genres.
    void filterKeepsTheCounted_data() {
        QTest::addColumn<QString>("genreSource");
        QTest::newRow("IMDB") << "IMDB";
        QTest::newRow("COMBINE") << "COMBINE";
    }
    void filterKeepsTheCounted() {
        QFETCH(QString, genreSource);
        // Counted on a thread of its own, as the Statistics window counts.
        const CollectionStats stats(index_, samples(), genreSource);
        const CollectionFigures figures =
            std::async(std::launch::async, [&] { return stats.compute(titles_); }).get();
        CatalogueReader reader(samples(), samples() + "Covers/", &index_);
        reader.skipCovers();
        ScriptedPrompts prompts;
        const std::array<JoveRule, 6> rules{};
        for (const FigureDimension dimension : kFigureDimensions) {
            QStringList keptAll;
            for (const FigureCount& figure : figures.of(dimension)) {
                FilterSettings filter;
                filter.FilterFigure = FigureCriterion{dimension, figure.value};
                CurrentTitle current;
                QStringList kept;
                FilterRun(reader, filter, rules, genreSource, prompts)
                    .run(titles_, current, [&kept](const QString& title) { kept << title; });
                QVERIFY2(kept.size() == figure.count,
                         qPrintable(FigureDimensionName(dimension) + ' ' + figure.value));
                keptAll += kept;
            }
            if (dimension != FigureDimension::Genre) {
                keptAll.sort();
                QStringList all = titles_.toStringList();
                all.sort();
                QCOMPARE(keptAll, all);
            }
        }
        QCOMPARE(prompts.messages.size(), 0);
    }

    // Progress is told the walk's length and end; a cancelled walk says so; a missing history
    // file is one failure, however many titles meet it.
    void walk() {
        CatalogueFolder db;
        db.writeLines("reelkeep.dat", {"~ A| S| Shelf 1| x| Present| DVD| 1| x| y| x| x| 1| x ~",
                                       "~ B| S| Shelf 2| x| Present| DVD| 1| x| y| x| x| 2| x ~"});
        CatalogueIndex index;
        const TitleKeys titles = ReadTitleList(db.dbPath(), &index).titles;
        const CollectionStats stats(index, db.dbPath(), "IMDB");
        Recording progress;
        const CollectionFigures figures = stats.compute(titles, &progress);
        QCOMPARE(progress.seen, QStringList({"start 2", "step 0", "finish"}));
        QCOMPARE(figures.of(FigureDimension::Location), QList<FigureCount>({{"Shelf", 2}}));
        QCOMPARE(figures.failures, QStringList({"Critical Error: Error 53 (File not found) \n"
                                                "when reading history.dat"}));
        const std::atomic<bool> cancel{true};
        const CollectionFigures cancelled = stats.compute(titles, nullptr, &cancel);
        QVERIFY(cancelled.cancelled);
        QCOMPARE(cancelled.titles, 0);
    }

    void csv_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("row");
        QTest::newRow("plain") << "Drama" << QByteArray("Drama,3\n");
        QTest::newRow("empty") << "" << QByteArray(",3\n");
        QTest::newRow("comma") << "Shelf A, top" << QByteArray("\"Shelf A, top\",3\n");
        QTest::newRow("quote") << "12\" rack" << QByteArray("\"12\"\" rack\",3\n");
        QTest::newRow("line break") << "a\r\nb" << QByteArray("\"a\r\nb\",3\n");
        QTest::newRow("UTF-8") << QString::fromUtf8("Côte") << QByteArray("C\xc3\xb4te,3\n");
    }
    void csv() {
        QFETCH(QString, value);
        QFETCH(QByteArray, row);
        QCOMPARE(FiguresCsv({{value, 3}}), "value,count\n" + row);
    }

    // A chart's axis over the years, decades, months or ratings no title has in between.
    void timeline_data() {
        QTest::addColumn<FigureDimension>("dimension");
        QTest::addColumn<QStringList>("rows"); // value=count
        QTest::addColumn<QStringList>("timeline");
        QTest::newRow("years") << FigureDimension::Year << QStringList{"1998=2", "2001=1", "=4"}
                               << QStringList{"1998=2", "1999=0", "2000=0", "2001=1", "=4"};
        QTest::newRow("decades") << FigureDimension::Decade << QStringList{"1950s=1", "1980s=2"}
                                 << QStringList{"1950s=1", "1960s=0", "1970s=0", "1980s=2"};
        QTest::newRow("months over a year's end")
            << FigureDimension::Entered << QStringList{"2004-11=1", "2005-02=3"}
            << QStringList{"2004-11=1", "2004-12=0", "2005-01=0", "2005-02=3"};
        QTest::newRow("the whole rating scale")
            << FigureDimension::Rating << QStringList{"7–8=5", "=1"}
            << QStringList{"0–1=0", "1–2=0", "2–3=0", "3–4=0",  "4–5=0", "5–6=0",
                           "6–7=0", "7–8=5", "8–9=0", "9–10=0", "=1"};
        QTest::newRow("by count: as they are")
            << FigureDimension::Genre << QStringList{"Drama=3", "War=1"}
            << QStringList{"Drama=3", "War=1"};
    }
    void timeline() {
        QFETCH(FigureDimension, dimension);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, timeline);
        QList<FigureCount> figures;
        for (const QString& row : rows)
            figures.append({row.section(u'=', 0, 0), row.section(u'=', 1).toInt()});
        QStringList shown;
        for (const FigureCount& row : FigureTimeline(dimension, figures))
            shown << row.value + u'=' + QString::number(row.count);
        QCOMPARE(shown, timeline);
    }
};

QTEST_GUILESS_MAIN(TestStats)
#include "tst_stats.moc"
