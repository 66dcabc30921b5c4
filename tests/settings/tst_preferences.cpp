// Start-up preferences: defaults, the three ways booleans are read, stored fonts and their
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

// The preferences as "name=value": Font<n> is font n's description, Color<n> its colour, and
// Rule<n> batch rule n as "on|off field prefix".
QStringList described(const Preferences& p) {
    const auto onOff = [](bool on) { return QString(on ? "on" : "off"); };
    QStringList out{"DBPath=" + p.DBPath, "CoverPath=" + p.CoverPath, "Genre=" + p.GenreSource,
                    "CpFolderImage=" + onOff(p.CpFolderImage),
                    "CpFolderOverwrite=" + onOff(p.CpFolderOverwrite)};
    for (int i = 0; i < 6; ++i)
        out << QString("Font%1=%2").arg(i).arg(p.Fonts[i].Description)
            << QString("Color%1=%2").arg(i).arg(p.Fonts[i].Color);
    for (int k = 1; k <= 5; ++k)
        out << QString("Rule%1=%2 %3 %4")
                   .arg(k)
                   .arg(onOff(p.JoveRules[k].Use), p.JoveRules[k].Field, p.JoveRules[k].Prefix);
    return out;
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void read_data() {
        QTest::addColumn<QString>("stored"); // "key=text;...", "RKV/" naming the other application
        QTest::addColumn<QString>(
            "expected"); // "name=value;..." as described(); ~ is the home folder
        const auto row = [](const char* tag, const char* stored, const char* expected) {
            QTest::newRow(tag) << QString(stored) << QString(expected);
        };
        row("first start", "",
            "DBPath=~/;CoverPath=~/;CpFolderImage=on;CpFolderOverwrite=off;Genre=IMDB;"
            "Font0=Arial 9 points ;Color0=0;Font1=Arial Black 12 points ;Color1=255;"
            "Font2=Arial Black 12 points Underlined;Color2=8388608;"
            "Font3=Arial Black 12 points ;Color3=0;Font4=Arial 12 points Bold ;Color4=0;"
            "Font5=Arial 10 points Bold ;Color5=255;Rule1=on Location VCD-;"
            "Rule2=on Location DVDR-;Rule3=on Location CD-;Rule4=off Medium SVCD;"
            "Rule5=off User Index DVD-");
        row("stored values", "DBPath=/films/;JBES2=;JBEF3=Nowhere;RKV/Genre=COMBINE",
            "DBPath=/films/;Rule2=on Location ;Rule3=on Nowhere CD-;Genre=COMBINE");
        // The export switches are on for the exact text "True" only.
        row("exact True", "CpFolderImage=true;CpFolderOverwrite=True",
            "CpFolderImage=off;CpFolderOverwrite=on");
        // The rules read True or False in any case, or a number; anything else is the default.
        row("rules", "JBEU1=yes;JBEU2=FALSE;JBEU3=0;JBEU4=true;JBEU5=2.5",
            "Rule1=on Location VCD-;Rule2=off Location DVDR-;Rule3=off Location CD-;"
            "Rule4=on Medium SVCD;Rule5=on User Index DVD-");
        row("stored fonts",
            "Font0=___12 Arial Black;Font1=B__12 Arial;Font2=BIU9 Arial;Font3=biu9 Arial;"
            "Font4=_I_10.5 Times New Roman;Font5=__U11.5 Arial",
            "Font0=Arial Black 12 points ;Font1=Arial 12 points Bold ;"
            "Font2=Arial 9 points Bold Italic Underlined;Font3=Arial 9 points ;"
            "Font4=Times New Roman 10 points Italic ;Font5=Arial 12 points Underlined");
        // A stored font that cannot be read leaves the slot's default.
        row("font fall-backs",
            "Font1=___12Arial;Font2=___big Arial;Font3=___0 Arial;Font4=___99999 Arial",
            "Font1=Arial Black 12 points ;Font2=Arial Black 12 points Underlined;"
            "Font3=Arial Black 12 points ;Font4=Arial 12 points Bold ");
    }
    void read() {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        MemorySettingsStore store;
        WriteSettings(store, stored);
        const QStringList got = described(ReadPreferences(store));
        for (const QString& pair : expected.replace("~/", QDir::homePath() + u'/').split(u';'))
            QVERIFY2(got.contains(pair), qPrintable(pair + " not in " + got.join(u';')));
    }

    void filterStartValues() {
        const FixedClock clock(QDateTime(QDate(2006, 3, 4), QTime(23, 59)));
        const FilterSettings f = FilterSettings::startValues(clock);
        QCOMPARE(f.FilterYearText, QStringLiteral("2006"));
        QCOMPARE(f.FilterEnteredText, QStringLiteral("2006-03-04"));
        QVERIFY(!f.anyOn());
        QVERIFY(f.FilterPresent);
    }

    // The real store: values survive a new store object, an absent key reads as absent, and
    // awkward texts come back exactly.
    void qsettingsRoundTrip() {
        QTemporaryDir dir;
        const QStringList texts = {"True", "C:\\Films\\", "a, b", "@odd", "", "  x  ", "é’"};
        for (int i = 0; i < texts.size(); ++i)
            QtSettingsStore(dir.path())
                .write(SettingsKeys::kViewer, QString("JBES%1").arg(i + 1), texts[i]);
        const QtSettingsStore store(dir.path());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(store.read(SettingsKeys::kViewer, QString("JBES%1").arg(i + 1), "absent"),
                     texts[i]);
        QCOMPARE(store.value(QStringLiteral("RKV"), QStringLiteral("State")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
