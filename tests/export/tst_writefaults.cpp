// Faults at the write layer in the middle of an export: a disk that fills up, a folder that
// vanishes. Neither may leave part of a file behind, and Retry once the fault is gone must
// write the right bytes.
#include "BatchExport.h"
#include "CatalogueFolder.h"
#include "FileWriter.h"
#include "MmdDocument.h"
#include "Progress.h"
#include "ScriptedPrompts.h"
#include "SingleTitleExport.h"
#include "WriteIt.h"

#include <QDir>
#include <QTest>

namespace {

// Writes half of what it is given, then reports a full disk, while `full` is set.
class FillingDisk final : public FileWriter {
public:
    bool full = false;

protected:
    bool writeBytes(QIODevice& file, const QByteArray& bytes) override {
        if (!full)
            return FileWriter::writeBytes(file, bytes);
        file.write(bytes.left(bytes.size() / 2));
        return false;
    }
};

// Calls `at` when the walk reaches an entry.
class Steps final : public Progress {
public:
    std::function<void(int)> at;
    void start(int) override {}
    void step(int index) override { at(index); }
    void finish() override {}
};

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeCatalogue(const CatalogueFolder& db) {
    db.writeLines("reelkeep.dat", {"~ A| SINGLE| VCD-1| x| x| x| x| x| x| x| x| 1| x ~",
                                   "~ B| SINGLE| VCD-2| x| x| x| x| x| x| x| x| 2| x ~",
                                   "~ C| SINGLE| VCD-3| x| x| x| x| x| x| x| x| 3| x ~"});
    db.writeLines("History.dat", {"~ A| 2001-01-01| x| y ~"});
    db.write("Covers/1.jpg", QByteArray(5000, 'j'));
}

Preferences defaults() {
    Preferences p;
    p.JoveRules[1] = {true, QStringLiteral("Location"), QStringLiteral("VCD-")};
    p.CpFolderImage = true;
    p.CpFolderOverwrite = true;
    return p;
}

} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void diskFillsDuringBatch() {
        CatalogueFolder db, out;
        writeCatalogue(db);
        out.write("2.mmd", "the old document");
        FillingDisk disk;
        ScriptedPrompts prompts;
        prompts.answerMessage(Prompts::Answer::Retry);
        prompts.onAsk = [&](const ScriptedPrompts::Asked&) {
            QCOMPARE(filesIn(out.dbPath()), QStringList({"1.mmd", "2.mmd"})); // nothing partial
            QCOMPARE(contents(out.dbPath() + "2.mmd"), QByteArray("the old document"));
            disk.full = false;
        };
        Steps steps;
        steps.at = [&](int index) { disk.full = index == 1; };
        const CatalogueReader reader(db.dbPath(), db.coverPath());
        const Preferences prefs = defaults();
        CurrentTitle current;
        const auto result = BatchExport(reader, prefs, prompts, &steps, disk)
                                .run({"A", "B", "C"}, out.dbPath(), current);
        QCOMPARE(result.written, 3);
        QCOMPARE(prompts.messages().size(), 1);
        QCOMPARE(prompts.messages().first().text.left(31),
                 QStringLiteral("Error 57 (Device I/O error) occ"));
        CurrentTitle b;
        reader.ReadTitleRecord("B", b);
        QCOMPARE(contents(out.dbPath() + "2.mmd"), MmdFileBytes(BuildMmd(b, {})));
        QCOMPARE(filesIn(out.dbPath()), QStringList({"1.mmd", "2.mmd", "3.mmd"}));
    }

    void folderVanishesDuringBatch() {
        CatalogueFolder db, out;
        writeCatalogue(db);
        const QString folder = out.dbPath() + "export/";
        QDir().mkpath(folder);
        ScriptedPrompts prompts;
        prompts.answerMessage(Prompts::Answer::Retry);
        prompts.onAsk = [&](const ScriptedPrompts::Asked&) { QDir().mkpath(folder); };
        Steps steps;
        steps.at = [&](int index) {
            if (index == 2)
                QDir(folder).removeRecursively();
        };
        const CatalogueReader reader(db.dbPath(), db.coverPath());
        CurrentTitle current;
        const auto result =
            BatchExport(reader, defaults(), prompts, &steps).run({"A", "B", "C"}, folder, current);
        QCOMPARE(prompts.messages().first().text.left(28),
                 QStringLiteral("Error 76 (Path not found) oc"));
        QCOMPARE(result.written, 3);
        QCOMPARE(filesIn(folder), QStringList{"3.mmd"}); // the earlier ones went with the folder
    }

    void diskFillsDuringSingleExport() {
        CatalogueFolder db, media;
        writeCatalogue(db);
        media.write("folder.jpg", "the old picture");
        const CatalogueReader reader(db.dbPath(), db.coverPath());
        CurrentTitle title;
        reader.ReadTitleRecord("A", title);
        FillingDisk disk;
        disk.full = true;
        ScriptedPrompts prompts;
        prompts.answerMessage(Prompts::Answer::Ignore); // the document of part 1
        const Preferences prefs = defaults();
        SingleTitleExport(prompts, prefs, disk).writeParts(title, {media.dbPath() + "a.avi"});
        QCOMPARE(filesIn(media.dbPath()), QStringList{"folder.jpg"});
        QCOMPARE(contents(media.dbPath() + "folder.jpg"), QByteArray("the old picture"));
        QCOMPARE(prompts.messages()[1].title, QStringLiteral("Copy failed"));
    }
};

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
