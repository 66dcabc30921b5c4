// Preferences as start-up reads them, the real QSettings store, and the settings dialog.
#include "platform/QtSettingsStore.h"
#include "settings/PendingWork.h"
#include "settings/Preferences.h"
#include "support/CatalogueFolder.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompts.h"
#include "ui/frmSettings.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using SettingsKeys::kRkv, SettingsKeys::kViewer;

namespace {

// Start-up reads the store holding `settings` (as WriteSettings takes them); the dialog opens.
struct Session {
    explicit Session(const QString& settings = {}) {
        WriteSettings(store, settings);
        prefs = ReadPreferences(store);
        store.writes.clear();
        store.saves = 0;
        dialog = std::make_unique<frmSettings>(prefs, pending, store, prompts);
    }
    template <class T = QWidget> T* get(const QString& n) const { return dialog->findChild<T*>(n); }
    void click(const QString& name) { // near the left edge: a check box answers on its caption
        auto* button = get<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    QString swatch(const char* n) const { return get(n)->palette().color(QPalette::Window).name(); }

    MemorySettingsStore store;
    Preferences prefs;
    PendingWork pending;
    ScriptedPrompts prompts;
    std::unique_ptr<frmSettings> dialog;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Opened on stored settings, every caption whole however wide the font; edited, then closed.
    // "&Ok" stores every key, in order, in one step, so that a crash cannot leave half of them
    // saved; a store that cannot be written makes it say so, and the choices hold for the session.
    // "&Cancel" stores nothing, yet the font chosen holds.
    void close_data() {
        QTest::addColumn<QString>("genre");  // stored
        QTest::addColumn<QString>("shown");  // the choice that shows it, empty: none
        QTest::addColumn<QString>("button"); // that closes the dialog
        QTest::addColumn<bool>("refused");   // the store cannot be written
        const auto row = [](const char* tag, const char* genre, const char* shown,
                            const char* button, bool refused) {
            QTest::newRow(tag) << QString(genre) << QString(shown) << QString(button) << refused;
        };
        row("Ok", "COMBINE", "Option3", "Command1", false);
        row("Ok, store out of reach", "combine", "", "Command1", true);
        row("Cancel", "IMDB", "Option1", "f", false);
    }
    void close() {
        QFETCH(QString, genre);
        QFETCH(QString, shown);
        QFETCH(QString, button);
        QFETCH(bool, refused);
        Session s("RKV/Genre=" + genre +
                  ";Font3=_I_10.5 Arial;FColor0=65280;FColor3=blue;JBEF2=Shelf;RKV/SavePath=/old");
        for (const QWidget* w : s.dialog->findChildren<QWidget*>())
            if (w->inherits("QCheckBox") || w->inherits("QRadioButton") || w->inherits("QLabel") ||
                w->inherits("QComboBox"))
                QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
        for (const QString option : {"Option1", "Option2", "Option3"})
            QCOMPARE(s.get<QRadioButton>(option)->isChecked(), option == shown);
        s.store.refuseWrites = refused;
        s.prompts.answerFont(std::nullopt);
        s.prompts.answerFont(FontChoice{"Arial", 10.5, true, false, true, QColor(1, 2, 128)});
        for (const char* name : {"Command4", "Command3", "Check1", "Option2", "Check3", "Check7"})
            s.click(name);
        QVERIFY(
            (s.prompts.asked[0].font == FontChoice{"Arial", 10, false, true, false, Qt::black}));
        QCOMPARE(s.get<QLineEdit>("Text2")->text(), "Arial 10.5 points Bold Underlined");
        QCOMPARE(s.get<QLineEdit>("Text3")->text(), "Arial 10 points Italic ");
        QCOMPARE(s.swatch("Shape6") + s.swatch("Shape3") + s.swatch("Shape2"),
                 "#00ff00#000000#010280");   // as stored, "blue" as black, as chosen
        QCOMPARE(s.prefs.Fonts[2].Size, 10); // half to even
        s.dialog->show();
        s.get<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowActive(s.dialog.get()));
        auto* combo = s.get<QComboBox>("Combo3");
        combo->setFocus(); // completion only runs in a focused box, as when the user types
        combo->clearEditText();
        QTest::keyClicks(combo, "Med");
        const std::optional<QString> folders[] = {"/films/out", std::nullopt, "/"};
        for (const auto& folder : folders) {
            s.prompts.answerFolder(folder);
            s.click("Command7");
        }
        QCOMPARE(s.prompts.asked[2].proposed, "/old");
        QCOMPARE(s.prompts.asked[4].proposed, "/films/out/"); // a closing separator added
        s.click(button);
        const bool ok = button == "Command1";
        const QStringList every =
            QString("Font1=___12 Arial Black;FColor1=255;Font2=B_U10.5 Arial;FColor2=8389121;"
                    "Font3=_I_10.5 Arial;FColor3=blue;Font4=B__12 Arial;FColor4=0;"
                    "Font5=B__10 Arial;FColor5=255;Font0=___9 Arial;FColor0=65280;"
                    "CpFolderImage=False;CpFolderOverwrite=False;RKV/SavePath=/;RKV/Genre=RK;"
                    "JBEU1=False;JBEU2=True;JBEU3=True;JBEU4=False;JBEU5=True;JBEF1=Location;"
                    "JBEF2=Shelf;JBEF3=Med;JBEF4=Medium;JBEF5=User Index;JBES1=VCD-;JBES2=DVDR-;"
                    "JBES3=CD-;JBES4=SVCD;JBES5=DVD-")
                .split(u';');
        QCOMPARE(s.store.writes, ok && !refused ? every : QStringList());
        QCOMPARE(s.store.saves, int(ok));
        QCOMPARE(s.prompts.messages.value(0).details, refused ? "File: settings.ini" : "");
        QCOMPARE(s.prefs.Fonts[2].Spec, QStringLiteral("B_U10.5 Arial"));
        QCOMPARE(s.prefs.GenreSource, ok ? "RK" : genre);
        QCOMPARE(s.prefs.CpFolderImage, !ok);
        QCOMPARE(s.pending.relayout, ok);
    }

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

    // The real store: awkward texts survive a new store object exactly; an absent key is absent.
    void qsettingsRoundTrip() {
        QTemporaryDir dir;
        const QStringList texts = {"True", "C:\\Films\\", "a, b", "@odd", "", "  x  ", "é’"};
        for (int i = 0; i < texts.size(); ++i)
            QtSettingsStore(dir.path()).write(kViewer, QString("JBES%1").arg(i + 1), texts[i]);
        const QtSettingsStore store(dir.path());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(store.read(kViewer, QString("JBES%1").arg(i + 1), "absent"), texts[i]);
        QCOMPARE(store.value(kRkv, QStringLiteral("State")), std::nullopt);
    }

    // The real store on a settings file that would block or never end: read as empty, never
    // written over. One QSettings cannot parse is replaced by the save, which says so.
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
        const QString file = store.filePath(kRkv);
        QFile garbage(file);
        QVERIFY(kind >= 0 ? MakeSpecial(file, Special(kind))
                          : garbage.open(QIODevice::WriteOnly) && garbage.write("[Settings\n\x01"));
        garbage.close();
        QCOMPARE(ReadPreferences(store).GenreSource, QStringLiteral("IMDB"));
        const SettingsSaved outcome =
            store.save({{kRkv, "Genre", "COMBINE"}, {kRkv, "SavePath", "/films/"}});
        QCOMPARE(outcome.saved, saved);
        QCOMPARE(outcome.replaced, saved ? QStringList{file} : QStringList());
        QCOMPARE(outcome.messages().size(), 1);
        QCOMPARE(outcome.messages().first().details, "File: " + file);
        QCOMPARE(store.read(kRkv, "Genre", "absent"), saved ? "COMBINE" : "absent");
        QCOMPARE(QFileInfo(file).isFile(), saved); // a special file stays what it was
    }

    // Qt's own settings (the file dialog's history) go to the store's folder, not the user's.
    void qtSettingsStayInTheFolder() {
        QTemporaryDir dir;
        QtSettingsStore::keepQtSettingsIn(dir.path());
        QFileDialog(nullptr, {}, dir.path()); // it keeps its history as it goes
        QVERIFY(QFile::exists(dir.filePath("QtProject.conf")));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
