// Start-up preferences as read from the store (and the real QSettings store); the settings
// dialog: what it shows, what "&Ok" stores in which order, the choosers, and "&Cancel".
#include "platform/QtSettingsStore.h"
#include "settings/PendingWork.h"
#include "settings/Preferences.h"
#include "settings/frmSettings.h"
#include "support/CatalogueFolder.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Font dialog answers by name.
const QMap<QString, FontChoice> kFonts = {
    {"10.5", {"Arial", 10.5, true, false, true, QColor(0, 0, 128)}},
    {"11.5", {"Times New Roman", 11.5, false, true, false, QColor(0, 128, 0)}},
    {"8", {"Courier New", 8, true, true, true, QColor(1, 2, 3)}}};

// Start-up reads the store holding `settings` ("key=text;RKV/key=text"); the dialog opens on it.
struct Session {
    explicit Session(const QString& settings = {}) {
        WriteSettings(store, settings);
        prefs = ReadPreferences(store);
        store.writes.clear();
        dialog = std::make_unique<frmSettings>(prefs, pending, store, prompts);
    }
    void click(const QString& name) { // near the left edge: a check box answers on its caption
        auto* button = dialog->findChild<QAbstractButton*>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    // A control's text, tick or colour; "Size<n>": font n's size, "asked<n>": chooser n's question.
    QString shows(const QString& name) const {
        const QWidget* w = dialog->findChild<QWidget*>(name);
        if (name.startsWith("Size"))
            return QString::number(prefs.Fonts[name.mid(4).toInt()].Size);
        if (const auto& a = prompts.asked.value(name.mid(5).toInt()); name.startsWith("asked"))
            return a.title + u' ' + a.proposed;
        if (name.startsWith("Shape"))
            return w->palette().color(QPalette::Window).name();
        return w
            ->property(w->inherits("QComboBox")   ? "currentText"
                       : w->inherits("QLineEdit") ? "text"
                                                  : "checked")
            .toString();
    }

    MemorySettingsStore store;
    Preferences prefs;
    PendingWork pending;
    ScriptedPrompts prompts;
    std::unique_ptr<frmSettings> dialog;
};

// The preferences as "name=value"; Font<n>: font n described, Rule<n>: "on|off field prefix".
QStringList described(const Preferences& p) {
    const auto onOff = [](bool on) { return QString(on ? "on" : "off"); };
    QStringList out{"DBPath=" + p.DBPath, "CoverPath=" + p.CoverPath, "Genre=" + p.GenreSource,
                    "CpFolderImage=" + onOff(p.CpFolderImage),
                    "CpFolderOverwrite=" + onOff(p.CpFolderOverwrite)};
    for (int i = 0; i < 6; ++i)
        out << QString("Font%1=%2").arg(i).arg(p.Fonts[i].Description);
    for (int k = 1; k <= 5; ++k)
        out << QString("Rule%1=%2 %3 %4")
                   .arg(k)
                   .arg(onOff(p.JoveRules[k].Use), p.JoveRules[k].Field, p.JoveRules[k].Prefix);
    return out;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // "&Ok" at once stores every key, in order, in one step, so that a crash cannot leave half of
    // them saved. A store that cannot be written: "&Ok" says so, and the choices hold for the
    // session. However wide the system's font draws them, captions and field names show whole.
    void ok_data() {
        QTest::addColumn<bool>("refused");
        QTest::newRow("stored") << false;
        QTest::newRow("store out of reach") << true;
    }
    void ok() {
        QFETCH(bool, refused);
        Session s;
        for (const QWidget* w : s.dialog->findChildren<QWidget*>())
            if (w->inherits("QCheckBox") || w->inherits("QRadioButton") || w->inherits("QLabel") ||
                w->inherits("QComboBox"))
                QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
        s.store.refuseWrites = refused;
        if (refused)
            s.click("Option2");
        s.click("Command1");
        const QStringList every =
            QString("Font1=___12 Arial Black;FColor1=255;Font2=__U12 Arial Black;"
                    "FColor2=8388608;Font3=___12 Arial Black;FColor3=0;Font4=B__12 Arial;"
                    "FColor4=0;Font5=B__10 Arial;FColor5=255;Font0=___9 Arial;FColor0=0;"
                    "CpFolderImage=True;CpFolderOverwrite=False;RKV/SavePath=%1;"
                    "RKV/Genre=IMDB;JBEU1=True;JBEU2=True;JBEU3=True;JBEU4=False;JBEU5=False;"
                    "JBEF1=Location;JBEF2=Location;JBEF3=Location;JBEF4=Medium;"
                    "JBEF5=User Index;JBES1=VCD-;JBES2=DVDR-;JBES3=CD-;JBES4=SVCD;JBES5=DVD-")
                .arg(SettingsKeys::DefaultFolder())
                .split(u';');
        QCOMPARE(s.store.writes, refused ? QStringList() : every);
        QCOMPARE(s.store.saves, 1);
        QCOMPARE(s.prompts.messages,
                 refused ? QList<Message>({{Message::Icon::Critical, "Settings",
                                            "The settings could not be saved: their file cannot "
                                            "be written.",
                                            "File: settings.ini"}})
                         : QList<Message>());
        QCOMPARE(s.prefs.GenreSource, refused ? "RK" : "IMDB");
        QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
        QVERIFY(s.pending.relayout);
    }

    // Opened on stored settings, then the steps, then "&Ok". Steps: "font:" or "folder:" queue
    // the next chooser's answer ("cancel" cancels a folder), "Name:text" types into a box (a stored
    // field that is no item stays, a typed start of one is not completed), "Name" clicks.
    void session_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shows");  // "control=shown;..." before "&Ok"
        QTest::addColumn<QString>("stores"); // "key=text;..." among the writes of "&Ok"
        const auto row = [](const char* tag, const char* settings, const char* steps,
                            const char* shows, const char* stores) {
            QTest::newRow(tag) << QString(settings) << QString(steps) << QString(shows)
                               << QString(stores);
        };
        for (const auto& [genre, shown] : {std::pair{"IMDB", "true;Option2=false;Option3=false"},
                                           {"RK", "false;Option2=true;Option3=false"},
                                           {"COMBINE", "false;Option2=false;Option3=true"},
                                           {"combine", "false;Option2=false;Option3=false"}})
            QTest::newRow(genre) << QString("RKV/Genre=") + genre << QString()
                                 << QString("Option1=") + shown << QString("RKV/Genre=") + genre;
        // A colour text that is no number leaves the swatch as it was.
        row("stored colours", "FColor0=65280;FColor3=blue", "", "Shape6=#00ff00;Shape3=#000000",
            "");
        row("fonts chosen", "", "font:10.5;Command3;font:11.5;Command10;font:8;Command6",
            "Text2=Arial 10.5 points Bold Underlined;Shape2=#000080;Size2=10;"
            "Text5=Times New Roman 11.5 points Italic ;Shape5=#008000;Size5=12;"
            "Text6=Courier New 8 points Bold Italic Underlined;Shape6=#010203;Size0=8",
            "Font2=B_U10.5 Arial;FColor2=8388608;Font5=_I_11.5 Times New Roman;FColor5=32768;"
            "Font0=BIU8 Courier New;FColor0=197121");
        row("batch rules", "JBEU4=True;JBEU5=True;JBEF2=Shelf",
            "Check3;Check4;Check5;Check6;Check7;Combo3:Box;Combo4:Med", "Combo2=Shelf",
            "JBEU1=False;JBEU2=False;JBEU3=False;JBEU4=False;JBEU5=False;"
            "JBEF2=Shelf;JBEF3=Box;JBEF4=Med");
        // A chosen folder gains a closing separator, the root keeps its own.
        row("folders chosen and cancelled", "RKV/SavePath=/old",
            "folder:/films/out;Command7;folder:cancel;Command7;folder:/;Command7",
            "asked0=Export path /old;asked2=Export path /films/out/;Text7=/", "RKV/SavePath=/");
    }
    void session() {
        QFETCH(QString, settings);
        QFETCH(QString, steps);
        QFETCH(QString, shows);
        QFETCH(QString, stores);
        Session s(settings);
        for (const QString& step : steps.split(u';', Qt::SkipEmptyParts)) {
            const QString answer = step.section(u':', 1);
            if (step.startsWith("font:")) {
                s.prompts.answerFont(kFonts[answer]);
            } else if (step.startsWith("folder:")) {
                s.prompts.answerFolder(answer == "cancel" ? std::nullopt : std::optional(answer));
            } else if (step.contains(u':')) {
                // Completion only runs in a focused box, as when the user types.
                auto* combo = s.dialog->findChild<QComboBox*>(step.section(u':', 0, 0));
                s.dialog->show();
                s.dialog->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
                combo->setFocus();
                QVERIFY(QTest::qWaitForWindowActive(s.dialog.get()));
                combo->clearEditText();
                QTest::keyClicks(combo, answer);
            } else {
                s.click(step);
            }
        }
        for (const QString& pair : shows.split(u';', Qt::SkipEmptyParts)) {
            const QString name = pair.section(u'=', 0, 0);
            QCOMPARE(name + u'=' + s.shows(name), pair);
        }
        s.click("Command1");
        for (const QString& pair : stores.split(u';', Qt::SkipEmptyParts))
            QVERIFY2(s.store.writes.contains(pair), qPrintable(pair));
    }

    // A cancelled font dialog keeps a fractional size; "&Cancel" stores nothing, yet keeps fonts.
    void cancel() {
        Session s("Font3=_I_10.5 Arial;FColor3=blue");
        const FontPref before = s.prefs.Fonts[3];
        s.prompts.answerFont(std::nullopt);
        s.click("Command4");
        QVERIFY(
            (s.prompts.asked[0].font == FontChoice{"Arial", 10, false, true, false, Qt::black}));
        QVERIFY(s.prefs.Fonts[3] == before);
        QCOMPARE(s.shows("Text3"), QStringLiteral("Arial 10 points Italic "));
        s.prompts.answerFont(FontChoice{"Arial", 14, false, false, false, Qt::blue});
        s.click("Command2");
        s.dialog->findChild<QCheckBox*>("Check1")->setChecked(false);
        s.click("f");
        QCOMPARE(s.store.writes, QStringList());
        QCOMPARE(s.dialog->result(), int(QDialog::Rejected));
        QVERIFY(!s.pending.relayout);
        QCOMPARE(s.prefs.Fonts[1].Spec, QStringLiteral("___14 Arial"));
        QVERIFY(s.prefs.CpFolderImage);
    }

    void preferences_data() {
        QTest::addColumn<QString>("stored");   // "key=text;...", "RKV/" for the other application
        QTest::addColumn<QString>("expected"); // as described(); ~ is the home folder
        const auto row = [](const char* tag, const char* stored, const char* expected) {
            QTest::newRow(tag) << QString(stored) << QString(expected);
        };
        // The other defaults are what "&Ok" stores at once (ok).
        row("first start", "", "DBPath=~/;CoverPath=~/");
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
    void preferences() {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        const QStringList got = described(Session(stored).prefs);
        for (const QString& pair : expected.replace("~/", QDir::homePath() + u'/').split(u';'))
            QVERIFY2(got.contains(pair), qPrintable(pair + " not in " + got.join(u';')));
    }

    // The real store: awkward texts survive a new store object exactly; an absent key is absent.
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

    // The real store on a settings file that is not what it should be. One that would block
    // or never end reads as empty and is never written over; one QSettings cannot parse is
    // replaced by the save, which says so.
    void hostileSettingsFile_data() {
        QTest::addColumn<int>("kind"); // a Special, or -1 for a file of garbage
        QTest::newRow("FIFO") << int(Special::Fifo);
        QTest::newRow("link to /dev/zero") << int(Special::DevZero);
        QTest::newRow("folder") << int(Special::Folder);
        QTest::newRow("cannot be parsed") << -1;
    }
    void hostileSettingsFile() {
        QFETCH(int, kind);
        const bool saved = kind < 0;
        QTemporaryDir dir;
        QtSettingsStore store(dir.path());
        const QString file = store.filePath(SettingsKeys::kRkv);
        if (kind >= 0) {
            QVERIFY(MakeSpecial(file, Special(kind)));
        } else {
            QFile garbage(file);
            QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("[Settings\n\x01\x02"));
        }
        QCOMPARE(ReadPreferences(store).GenreSource, QStringLiteral("IMDB"));

        const SettingsSaved outcome = store.save({{SettingsKeys::kRkv, "Genre", "COMBINE"},
                                                  {SettingsKeys::kRkv, "SavePath", "/films/"}});
        QCOMPARE(outcome.saved, saved);
        QCOMPARE(outcome.messages().size(), 1);
        QCOMPARE(outcome.messages().first().text,
                 saved ? "The settings file could not be read, so it was replaced by a new one. "
                         "The settings just saved are kept; whatever else it held that could not "
                         "be read is lost."
                       : "The settings could not be saved: their file cannot be written.");
        QCOMPARE(outcome.messages().first().details, "File: " + file);
        QCOMPARE(store.read(SettingsKeys::kRkv, "Genre", "absent"), saved ? "COMBINE" : "absent");
        QCOMPARE(QFileInfo(file).isFile(), saved); // a special file stays what it was
    }

    // With a settings folder of its own, Qt's own settings (the file dialog's history) go there
    // too, rather than into the user's configuration folder.
    void qtSettingsStayInTheFolder() {
        QTemporaryDir dir;
        QtSettingsStore::keepQtSettingsIn(dir.path());
        { // the dialog keeps its history as it goes
            QFileDialog dialog;
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.setDirectory(dir.path());
        }
        QVERIFY(QFile::exists(dir.filePath("QtProject.conf")));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
