// Start-up preferences: defaults, the three ways booleans are read, font specs and their
// descriptions, fall-backs for hand-edited values, and the real QSettings store.
#include "FilterSettings.h"
#include "FixedClock.h"
#include "MemorySettingsStore.h"
#include "Preferences.h"
#include "QtSettingsStore.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kViewer = QStringLiteral("ReelkeepViewer");
}

class TestPreferences : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartDefaults() {
        const MemorySettingsStore empty;
        const Preferences p = ReadPreferences(empty);
        const QString home = QDir::homePath() + u'/';
        QCOMPARE(p.DBPath, home);
        QCOMPARE(p.CoverPath, home);
        QCOMPARE(p.CpFolderImage, true);
        QCOMPARE(p.CpFolderOverwrite, false);
        QCOMPARE(p.GenreSource, QStringLiteral("IMDB"));

        const QStringList descriptions = {
            "Arial 9 points ",        "Arial Black 12 points ", "Arial Black 12 points Underlined",
            "Arial Black 12 points ", "Arial 12 points Bold ",  "Arial 10 points Bold "};
        const QStringList colours = {"0", "255", "8388608", "0", "0", "255"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(p.Fonts[i].Description, descriptions[i]);
            QCOMPARE(p.Fonts[i].Color, colours[i]);
        }

        const JoveRule rules[] = {{},
                                  {true, "Location", "VCD-"},
                                  {true, "Location", "DVDR-"},
                                  {true, "Location", "CD-"},
                                  {false, "Medium", "SVCD"},
                                  {false, "User Index", "DVD-"}};
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(p.JoveRules[k], rules[k]);
    }

    void booleans_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("exact True") << "CpFolderImage"
                                    << "True" << true;
        QTest::newRow("lower-case true is false") << "CpFolderImage"
                                                  << "true" << false;
        QTest::newRow("False stays false") << "CpFolderImage"
                                           << "False" << false;
        QTest::newRow("overwrite True") << "CpFolderOverwrite"
                                        << "True" << true;
        QTest::newRow("overwrite -1 is false") << "CpFolderOverwrite"
                                               << "-1" << false;
        QTest::newRow("rule lower-case true") << "JBEU4"
                                              << "true" << true;
        QTest::newRow("rule FALSE") << "JBEU1"
                                    << "FALSE" << false;
        QTest::newRow("rule minus one") << "JBEU4"
                                        << "-1" << true;
        QTest::newRow("rule zero") << "JBEU1"
                                   << "0" << false;
        QTest::newRow("rule 2.5") << "JBEU5"
                                  << "2.5" << true;
        QTest::newRow("rule unreadable falls back (on)") << "JBEU1"
                                                         << "yes" << true;
        QTest::newRow("rule unreadable falls back (off)") << "JBEU4"
                                                          << "" << false;
    }
    void booleans() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(bool, expected);
        MemorySettingsStore store;
        store.write(kViewer, key, stored);
        const Preferences p = ReadPreferences(store);
        bool actual = false;
        if (key == QLatin1String("CpFolderImage"))
            actual = p.CpFolderImage;
        else if (key == QLatin1String("CpFolderOverwrite"))
            actual = p.CpFolderOverwrite;
        else
            actual = p.JoveRules[key.right(1).toInt()].Use;
        QCOMPARE(actual, expected);
    }

    void fontSpecs_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("flags"); // B, I, U present when set
        QTest::addColumn<QString>("description");
        QTest::newRow("face with blanks") << "___12 Arial Black"
                                          << "Arial Black" << 12 << ""
                                          << "Arial Black 12 points ";
        QTest::newRow("bold") << "B__12 Arial"
                              << "Arial" << 12 << "B"
                              << "Arial 12 points Bold ";
        QTest::newRow("all three") << "BIU9 Arial"
                                   << "Arial" << 9 << "BIU"
                                   << "Arial 9 points Bold Italic Underlined";
        QTest::newRow("lower-case flags are plain") << "biu9 Arial"
                                                    << "Arial" << 9 << ""
                                                    << "Arial 9 points ";
        QTest::newRow("half rounds down to even") << "_I_10.5 Times New Roman"
                                                  << "Times New Roman" << 10 << "I"
                                                  << "Times New Roman 10 points Italic ";
        QTest::newRow("half rounds up to even") << "__U11.5 Arial"
                                                << "Arial" << 12 << "U"
                                                << "Arial 12 points Underlined";
        QTest::newRow("no blank falls back") << "___12Arial"
                                             << "Arial Black" << 12 << ""
                                             << "Arial Black 12 points ";
        QTest::newRow("size no number falls back") << "___big Arial"
                                                   << "Arial Black" << 12 << ""
                                                   << "Arial Black 12 points ";
        QTest::newRow("size zero falls back") << "___0 Arial"
                                              << "Arial Black" << 12 << ""
                                              << "Arial Black 12 points ";
        QTest::newRow("size too large falls back") << "___99999 Arial"
                                                   << "Arial Black" << 12 << ""
                                                   << "Arial Black 12 points ";
    }
    void fontSpecs() {
        QFETCH(QString, spec);
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(QString, flags);
        QFETCH(QString, description);
        MemorySettingsStore store;
        store.write(kViewer, QStringLiteral("Font1"), spec); // default "___12 Arial Black"
        const FontPref font = ReadPreferences(store).Fonts[1];
        QCOMPARE(font.Name, name);
        QCOMPARE(int(font.Size), size);
        QCOMPARE(font.Bold, flags.contains(u'B'));
        QCOMPARE(font.Italic, flags.contains(u'I'));
        QCOMPARE(font.Underline, flags.contains(u'U'));
        QCOMPARE(font.Description, description);
    }

    void storedValuesAreUsed() {
        MemorySettingsStore store;
        store.write(kViewer, QStringLiteral("DBPath"), QStringLiteral("/films/"));
        store.write(kViewer, QStringLiteral("JBES2"), QString());
        store.write(kViewer, QStringLiteral("JBEF3"), QStringLiteral("Nowhere"));
        store.write(QStringLiteral("RKV"), QStringLiteral("Genre"), QStringLiteral("COMBINE"));
        const Preferences p = ReadPreferences(store);
        QCOMPARE(p.DBPath, QStringLiteral("/films/"));
        QCOMPARE(p.JoveRules[2].Prefix, QString()); // an empty prefix is a value
        QCOMPARE(p.JoveRules[3].Field, QStringLiteral("Nowhere"));
        QCOMPARE(p.GenreSource, QStringLiteral("COMBINE"));
    }

    void filterStartValues() {
        const FixedClock clock(QDateTime(QDate(2006, 3, 4), QTime(23, 59)));
        const FilterSettings f = FilterSettings::startValues(clock);
        QCOMPARE(f.FilterYearText, QStringLiteral("2006"));
        QCOMPARE(f.FilterEnteredText, QStringLiteral("2006-03-04"));
        QVERIFY(!f.anyOn());
        QVERIFY(f.FilterPresent);
    }

    // The real store: values survive a new store object, absent keys give the defaults, and
    // awkward texts come back exactly.
    void qsettingsRoundTrip() {
        QTemporaryDir dir;
        const QStringList texts = {"True", "C:\\Films\\", "a, b", "@odd", "", "  x  ", "é’"};
        {
            QtSettingsStore store(dir.path());
            for (int i = 0; i < texts.size(); ++i)
                store.write(kViewer, QStringLiteral("JBES%1").arg(i + 1), texts[i]);
        }
        QtSettingsStore store(dir.path());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(store.read(kViewer, QStringLiteral("JBES%1").arg(i + 1), "absent"), texts[i]);
        QCOMPARE(store.value(QStringLiteral("RKV"), QStringLiteral("State")), std::nullopt);
        QCOMPARE(ReadPreferences(store).Fonts[0].Spec, QStringLiteral("___9 Arial"));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
