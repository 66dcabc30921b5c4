// SPDX-License-Identifier: GPL-3.0-or-later
// Stored settings as start-up reads them and as they are written back, and the colours shown.
#include "settings/Preferences.h"
#include "settings/ReadableColour.h"
#include "support/MemorySettingsStore.h"

#include <QDir>
#include <QTest>

using SettingsKeys::kRkv, SettingsKeys::kViewer;

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A stored text as start-up reads it, and the word `settings set` adds on one read otherwise.
    void storedText_data() {
        QTest::addColumn<QString>("application");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // as written back, or "Font<n>: " and its description
        QTest::addColumn<QString>("how");  // empty: read as it stands
        const auto row = [](const QString& application, const char* key, const char* text,
                            const QString& read, const char* how = "") {
            QTest::addRow("%s=%s", key, text)
                << application << QString(key) << QString(text) << read << QString(how);
        };
        row(kViewer, "CoverPath", "", "DBPath=" + QDir::homePath() + '/'); // the other: default
        // Flags by position and letter case, sizes rounded half to even.
        row(kViewer, "Font0", "BIU9 Arial", "Font0: Arial 9 points Bold Italic Underlined");
        row(kViewer, "Font1", "biu9 Arial", "Font1: Arial 9 points ");
        row(kViewer, "Font2", "_I_10.5 Times", "Font2: Times 10 points Italic ");
        row(kViewer, "Font3", "__U11.5 Arial", "Font3: Arial 12 points Underlined");
        row(kViewer, "Font4", "___12Arial", "Font4=B__12 Arial", "it is read as B__12 Arial");
        row(kViewer, "Font5", "___99999 Arial", "Font5=B__10 Arial", "it is read as B__10 Arial");
        row(kViewer, "FColor1", "red", "FColor1=red",
            "it is no colour number: the desktop's colour is used");
        row(kViewer, "CpFolderImage", "true", "CpFolderImage=False",
            "it is read as False (only True is true)");
        row(kViewer, "JBEU1", "yes", "JBEU1=True", "it is read as True");
        row(kViewer, "JBEU2", "FALSE", "JBEU2=False");
        row(kViewer, "JBEU4", "2.5", "JBEU4=True");
        row(kViewer, "JBEF3", "Nowhere", "JBEF3=Nowhere",
            "the rule selects no title (the fields are Location, Medium and User Index)");
        row(kViewer, "JBES2", "", "JBES2=");
        row(kRkv, "Genre", "COMBINE", "RKV/Genre=COMBINE");
        row(kRkv, "State", "3", "", "it is read as no state (the values are 0, 1 and 2)");
        row(kRkv, "FindScope", "everything", "",
            "it is read as Title (the values are Title and Everything)");
        row(kRkv, "View", "wall", "", "it is read as List (the values are List and Wall)");
        row(kRkv, "TileSize", "301", "", "it is read as 160 (a width in pixels from 80 to 300)");
        row(kRkv, "TileSize", " 80", "");
    }
    void storedText() {
        QFETCH(QString, application);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, read);
        MemorySettingsStore store, written;
        store.write(application, key, text);
        const Preferences prefs = ReadPreferences(store);
        WriteClosingState(written, prefs, std::nullopt);
        WritePreferences(written, prefs, {});
        for (int i = 0; i < 6; ++i)
            written.writes << QString("Font%1: %2").arg(i).arg(prefs.Fonts[i].Description);
        QVERIFY2(read.isEmpty() || written.writes.contains(read),
                 qPrintable(written.writes.join(';')));
        QTEST(HowUnknownTextIsRead(application, key, text).value_or(QString()), "how");
    }

    // On a dark ground a default colour is made readable (black as the desktop's text, others
    // lightened in their hue just past 4.5:1); a light ground or a colour picked keeps it.
    void fontColour_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");      // the desktop's text colour on that background
        QTest::addColumn<QString>("expected"); // a colour, "lightened" or "none"
        const QColor light(0xf0, 0xf0, 0xf0), dark(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a);
        QTest::newRow("light: red") << 1 << "255" << light << QColor(Qt::black) << "#ff0000";
        QTest::newRow("dark: black in a box")
            << 0 << "0" << base << QColor(0xee, 0xee, 0xee) << "#eeeeee";
        QTest::newRow("dark: navy") << 2 << "8388608" << dark << QColor(Qt::white) << "lightened";
        QTest::newRow("dark: picked black") << 1 << "0" << dark << QColor(Qt::white) << "#000000";
        QTest::newRow("dark: no number") << 3 << "blue" << dark << QColor(Qt::white) << "none";
    }
    void fontColour() {
        QFETCH(int, slot);
        QFETCH(QString, stored);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QFETCH(QString, expected);
        const std::optional<QColor> shown = FontColour(slot, stored, {background, text});
        QCOMPARE(shown.has_value(), expected != "none");
        if (!shown)
            return;
        if (expected != "lightened") {
            QCOMPARE(shown->name(), expected);
            return;
        }
        const QColor was = *ColourFromPreference(stored);
        QCOMPARE(shown->hslHue(), was.hslHue());
        QCOMPARE_GT(shown->lightness(), was.lightness());
        const double contrast = ContrastRatio(QColor(shown->rgb()), background); // as drawn
        QVERIFY2(contrast >= 4.5 && contrast < 4.6, qPrintable(QString::number(contrast)));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
