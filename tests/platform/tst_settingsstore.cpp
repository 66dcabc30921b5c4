// SPDX-License-Identifier: GPL-3.0-or-later
// The real QSettings store: what it keeps, what it refuses to read or overwrite, and where.
#include "platform/QtSettingsStore.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "support/CatalogueFolder.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

using SettingsKeys::kRkv, SettingsKeys::kViewer;

class TestSettingsStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Awkward texts survive a new store object exactly; an absent key is absent.
    void qsettingsRoundTrip() {
        QTemporaryDir dir;
        const QStringList texts = {"True", "C:\\Films\\", "a, b", "@odd", "", "  x  ", "é’"};
        for (int i = 0; i < texts.size(); ++i)
            QtSettingsStore(dir.path()).write(kViewer, QString("JBES%1").arg(i + 1), texts[i]);
        const QtSettingsStore store(dir.path());
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(store.read(kViewer, QString("JBES%1").arg(i + 1), "absent"), texts[i]);
        QCOMPARE(store.value(kRkv, "State"), std::nullopt);
    }

    // A file that would block or never end reads as empty and stays; garbage is replaced, with a
    // word.
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
        QCOMPARE(ReadPreferences(store).GenreSource, "IMDB");
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

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
