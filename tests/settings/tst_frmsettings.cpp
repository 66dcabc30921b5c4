// The settings dialog: what it shows on opening, what "&Ok" stores and in which order, font
// choices with their colours, the export path chooser, and "&Cancel".
#include "MemorySettingsStore.h"
#include "PendingWork.h"
#include "Preferences.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "frmSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(FontChoice)

namespace {

const QString kViewer = QStringLiteral("ReelkeepViewer");
const QString kRkv = QStringLiteral("RKV");

// Keeps the writes in order as "key=text", naming the application only when it is "RKV".
class RecordingStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString& application, const QString& key) const override {
        return memory.value(application, key);
    }
    void write(const QString& application, const QString& key, const QString& text) override {
        writes << (application == kRkv ? kRkv + u'/' : QString()) + key + u'=' + text;
        memory.write(application, key, text);
    }
    MemorySettingsStore memory;
    QStringList writes;
};

// Start-up reads the store, then the dialog opens on what it read.
struct Session {
    RecordingStore store;
    Preferences prefs;
    PendingWork pending;
    ScriptedPrompts prompts;
    std::unique_ptr<frmSettings> dialog;

    void open() {
        prefs = ReadPreferences(store);
        store.writes.clear();
        dialog = std::make_unique<frmSettings>(prefs, pending, store, prompts);
    }
    template <class W> W* get(const QString& name) const { return dialog->findChild<W*>(name); }
    void click(const QString& name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    QString stored(const QString& key) const { return store.read(kViewer, key, "absent"); }
};

} // namespace

class TestFrmSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void okAtOnceStoresEveryKeyInOrder() {
        Session s;
        s.open();
        const QComboBox* combo = s.get<QComboBox>("Combo5");
        QCOMPARE(combo->count(), 3);
        QCOMPARE((QStringList{combo->itemText(0), combo->itemText(1), combo->itemText(2)}),
                 (QStringList{"Location", "Medium", "User Index"}));

        s.click("Command1");
        const QStringList expected =
            QStringLiteral(
                "Font1=___12 Arial Black;FColor1=255;Font2=__U12 Arial Black;FColor2=8388608;"
                "Font3=___12 Arial Black;FColor3=0;Font4=B__12 Arial;FColor4=0;"
                "Font5=B__10 Arial;FColor5=255;Font0=___9 Arial;FColor0=0;"
                "CpFolderImage=True;CpFolderOverwrite=False;RKV/SavePath=%1;RKV/Genre=IMDB;"
                "JBEU1=True;JBEU2=True;JBEU3=True;JBEU4=False;JBEU5=False;"
                "JBEF1=Location;JBEF2=Location;JBEF3=Location;JBEF4=Medium;JBEF5=User Index;"
                "JBES1=VCD-;JBES2=DVDR-;JBES3=CD-;JBES4=SVCD;JBES5=DVD-")
                .arg(SettingsKeys::DefaultFolder())
                .split(u';');
        QCOMPARE(s.store.writes, expected);
        QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
        QVERIFY(s.pending.relayout);
    }

    void rowsShowFonts_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("setting"); // "key=text" stored before opening; empty: none
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("description");
        QTest::newRow("title") << 1 << "" << QColor(Qt::red) << "Arial Black 12 points ";
        QTest::newRow("text green")
            << 6 << "FColor0=65280" << QColor(Qt::green) << "Arial 9 points ";
        QTest::newRow("no number is black")
            << 3 << "FColor3=blue" << QColor(Qt::black) << "Arial Black 12 points ";
        QTest::newRow("fractional size")
            << 5 << "Font5=B__10.5 Arial" << QColor(Qt::red) << "Arial 10 points Bold ";
    }
    void rowsShowFonts() {
        QFETCH(int, row);
        QFETCH(QString, setting);
        QFETCH(QColor, colour);
        QFETCH(QString, description);
        Session s;
        if (!setting.isEmpty())
            s.store.write(kViewer, setting.section(u'=', 0, 0), setting.section(u'=', 1));
        s.open();
        QCOMPARE(s.get<QLineEdit>(QString("Text%1").arg(row))->text(), description);
        QCOMPARE(s.get<QFrame>(QString("Shape%1").arg(row))->palette().color(QPalette::Window),
                 colour);
    }

    void genreChoice_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("option"); // 0: none selected
        QTest::newRow("IMDB") << "IMDB" << 1;
        QTest::newRow("RK") << "RK" << 2;
        QTest::newRow("COMBINE") << "COMBINE" << 3;
        QTest::newRow("unknown stays") << "combine" << 0;
    }
    void genreChoice() {
        QFETCH(QString, stored);
        QFETCH(int, option);
        Session s;
        s.store.write(kRkv, "Genre", stored);
        s.open();
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(s.get<QRadioButton>(QString("Option%1").arg(n))->isChecked(), n == option);
        s.click("Command1");
        QCOMPARE(s.store.read(kRkv, "Genre", "absent"), stored);
    }

    void fontChoice_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("idx");
        QTest::addColumn<FontChoice>("chosen");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("spec");
        QTest::addColumn<int>("colour");
        QTest::newRow("10.5 rounds down")
            << "Command3" << 2 << FontChoice{"Arial", 10.5, true, false, true, QColor(0, 0, 128)}
            << "Arial 10.5 points Bold Underlined" << 10 << "B_U10.5 Arial" << 8388608;
        QTest::newRow("11.5 rounds up")
            << "Command10" << 5
            << FontChoice{"Times New Roman", 11.5, false, true, false, QColor(0, 128, 0)}
            << "Times New Roman 11.5 points Italic " << 12 << "_I_11.5 Times New Roman" << 32768;
        QTest::newRow("body text, all flags")
            << "Command6" << 0 << FontChoice{"Courier New", 8, true, true, true, QColor(1, 2, 3)}
            << "Courier New 8 points Bold Italic Underlined" << 8 << "BIU8 Courier New" << 197121;
    }
    void fontChoice() {
        QFETCH(QString, button);
        QFETCH(int, idx);
        QFETCH(FontChoice, chosen);
        QFETCH(QString, description);
        QFETCH(int, size);
        QFETCH(QString, spec);
        QFETCH(int, colour);
        Session s;
        s.open();
        s.prompts.answerFont(chosen);
        s.click(button);
        const int row = idx == 0 ? 6 : idx;
        QCOMPARE(s.get<QLineEdit>(QString("Text%1").arg(row))->text(), description);
        QCOMPARE(s.get<QFrame>(QString("Shape%1").arg(row))->palette().color(QPalette::Window),
                 chosen.colour);
        QCOMPARE(int(s.prefs.Fonts[idx].Size), size);
        s.click("Command1");
        QCOMPARE(s.stored(QString("Font%1").arg(idx)), spec);
        QCOMPARE(s.stored(QString("FColor%1").arg(idx)), QString::number(colour));
    }

    // A cancelled font dialog changes nothing, not even a fractional size; "&Cancel" stores
    // nothing, yet fonts chosen before it stay in memory.
    void cancel() {
        Session s;
        s.store.write(kViewer, "Font3", "_I_10.5 Arial");
        s.store.write(kViewer, "FColor3", "blue");
        s.open();
        const FontPref before = s.prefs.Fonts[3];
        s.prompts.answerFont(std::nullopt);
        s.click("Command4");
        QVERIFY(
            (s.prompts.asked[0].font == FontChoice{"Arial", 10, false, true, false, Qt::black}));
        QVERIFY(s.prefs.Fonts[3] == before);
        QCOMPARE(s.get<QLineEdit>("Text3")->text(), QStringLiteral("Arial 10 points Italic "));

        s.prompts.answerFont(FontChoice{"Arial", 14, false, false, false, Qt::blue});
        s.click("Command2");
        s.get<QCheckBox>("Check1")->setChecked(false);
        s.click("f");
        QCOMPARE(s.store.writes, QStringList());
        QCOMPARE(s.dialog->result(), int(QDialog::Rejected));
        QVERIFY(!s.pending.relayout);
        QCOMPARE(s.prefs.Fonts[1].Spec, QStringLiteral("___14 Arial"));
        QVERIFY(s.prefs.CpFolderImage);
    }

    void noUseStoresFalse() {
        Session s;
        s.open();
        for (int k = 3; k <= 7; ++k)
            s.get<QCheckBox>(QString("Check%1").arg(k))->setChecked(false);
        s.click("Command1");
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(s.stored(QString("JBEU%1").arg(k)), QStringLiteral("False"));
    }

    void fieldAsTyped_data() {
        QTest::addColumn<QString>("stored"); // null: the default, "Location"
        QTest::addColumn<QString>("typed");  // null: nothing typed
        QTest::newRow("stored name not an item") << "Shelf" << QString();
        QTest::newRow("typed name") << QString() << "Box";
        QTest::newRow("typed start of an item is not completed") << QString() << "Med";
    }
    void fieldAsTyped() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        Session s;
        if (!stored.isNull())
            s.store.write(kViewer, "JBEF2", stored);
        s.open();
        QComboBox* combo = s.get<QComboBox>("Combo2");
        QCOMPARE(combo->currentText(), stored.isNull() ? "Location" : stored);
        if (!typed.isNull()) {
            // Completion only runs in a focused box, as when the user types.
            s.dialog->show();
            s.get<QTabWidget>("SSTab1")->setCurrentIndex(1);
            combo->setFocus();
            QVERIFY(QTest::qWaitForWindowActive(s.dialog.get()));
            combo->clearEditText();
            QTest::keyClicks(combo, typed);
        }
        s.click("Command1");
        QCOMPARE(s.stored("JBEF2"), typed.isNull() ? stored : typed);
    }

    void exportPath_data() {
        QTest::addColumn<QString>("chosen"); // null: the chooser is cancelled
        QTest::addColumn<QString>("shown");
        QTest::newRow("separator added") << QStringLiteral("/films/out") << "/films/out/";
        QTest::newRow("root keeps one") << QStringLiteral("/") << "/";
        QTest::newRow("cancel keeps the text") << QString() << "/old";
    }
    void exportPath() {
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        Session s;
        s.store.write(kRkv, "SavePath", "/old");
        s.open();
        s.prompts.answerFolder(chosen.isNull() ? std::nullopt : std::optional<QString>(chosen));
        s.click("Command7");
        QCOMPARE(s.prompts.asked[0].title, QStringLiteral("Export path"));
        QCOMPARE(s.prompts.asked[0].proposed, QStringLiteral("/old"));
        QCOMPARE(s.get<QLineEdit>("Text7")->text(), shown);
        s.click("Command1");
        QCOMPARE(s.store.read(kRkv, "SavePath", "absent"), shown);
    }
};

QTEST_MAIN(TestFrmSettings)
#include "tst_frmsettings.moc"
