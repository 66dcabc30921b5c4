// The catalogue belongs to another program: a whole session of the viewer leaves every byte and
// every modification time of its folder as it was, and a change made on disk by the catalogue
// program is announced and then shown.
#include "CatalogueFolder.h"
#include "ViewerSession.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QPushButton>
#include <QTest>

namespace {

// Every file below the folder with its bytes and modification time.
QMap<QString, QPair<QByteArray, QDateTime>> snapshot(const QString& folder) {
    QMap<QString, QPair<QByteArray, QDateTime>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.insert(it.filePath(), {file.readAll(), it.fileInfo().lastModified()});
    }
    return files;
}

} // namespace

class TestReadOnly : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sessionChangesNothing() {
        const QString samples = qEnvironmentVariable("RKV_SOURCE_DIR") + "/samples/";
        CatalogueFolder copy, out, media;
        for (const QString& name : QDir(samples).entryList(QDir::Files))
            QFile::copy(samples + name, copy.dbPath() + name);
        QDir().mkpath(copy.dbPath() + "Covers");
        for (const QString& name : QDir(samples + "Covers").entryList(QDir::Files))
            QFile::copy(samples + "Covers/" + name, copy.dbPath() + "Covers/" + name);
        const auto before = snapshot(copy.dbPath());
        QVERIFY(before.size() > 20);

        Session s(copy.dbPath());
        s.store.write(kRkv, "SavePath", out.dbPath());
        frmMain& w = s.start();
        for (int row = 0; row < w.titles().size(); ++row)
            s.select(row);
        s.select(0);
        s.prompts.answerFile(media.dbPath() + "film.cd1.avi"); // Alien comes on two discs
        s.prompts.answerFile(media.dbPath() + "film.cd2.avi");
        s.trigger("JoveExport");
        s.prompts.answerMessage(Prompts::Answer::Yes);
        s.trigger("JoveBatch");
        s.state.filter.FilterStatusOn = true;
        s.state.pending.filter = true;
        QTRY_VERIFY(!s.state.pending.filter);
        s.trigger("Reload");
        s.prompts.answerFile(copy.dbPath() + "reelkeep.dat");
        s.trigger("OpenAnother");
        s.trigger("CloseSave");

        QVERIFY(QFile::exists(media.dbPath() + "film.cd2.mmd"));
        QVERIFY(!QDir(out.dbPath()).entryList({"*.mmd"}).isEmpty());
        QCOMPARE(snapshot(copy.dbPath()), before);
    }

    void changeOnDiskIsAnnouncedAndShown() {
        CatalogueFolder db;
        db.writeLines("reelkeep.dat", {"~ A| SINGLE| Shelf| x| x| x| x| x| x| x| x| 1| x ~"});
        db.writeLines("History.dat", {"~ A| 2001-01-01| x| y ~"});
        StartedSession s(db.dbPath());
        s.select(0);
        QCOMPARE(s.caption("Label6"), QStringLiteral("Location: Shelf"));
        // The catalogue program saves by writing a new file and renaming it over the old one.
        db.writeLines("reelkeep.new", {"~ A| SINGLE| Attic box| x| x| x| x| x| x| x| x| 1| x ~"});
        QFile::remove(db.dbPath() + "reelkeep.dat");
        QFile::rename(db.dbPath() + "reelkeep.new", db.dbPath() + "reelkeep.dat");
        QTRY_COMPARE_WITH_TIMEOUT(
            s.status(), QStringLiteral("Catalogue changed on disk - press Ctrl+R to reload."),
            5000);
        s.trigger("Previous"); // no move; select again to read again
        s.select(0);
        s.window->List1_Click();
        QCOMPARE(s.caption("Label6"), QStringLiteral("Location: Attic box"));
    }
};

QTEST_MAIN(TestReadOnly)
#include "tst_readonly.moc"
