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

#include <QDir>
#include <QTest>

namespace {

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// Three titles whose documents are 1.mmd to 3.mmd, the first with a cover. The walk calls `at`
// as it reaches each; while `full` is set, writes stop halfway and report a full disk.
struct Export final : Progress, FileWriter {
    CatalogueFolder db, out;
    const CatalogueReader reader{db.dbPath(), db.coverPath()};
    Preferences prefs;
    ScriptedPrompts prompts;
    std::function<void(int)> at = [](int) {};
    bool full = false;

    Export() {
        db.writeLines("reelkeep.dat", {"~ A| SINGLE| VCD-1| x| x| x| x| x| x| x| x| 1| x ~",
                                       "~ B| SINGLE| VCD-2| x| x| x| x| x| x| x| x| 2| x ~",
                                       "~ C| SINGLE| VCD-3| x| x| x| x| x| x| x| x| 3| x ~"});
        db.writeLines("History.dat", {"~ A| 2001-01-01| x| y ~"});
        db.write("Covers/1.jpg", QByteArray(5000, 'j'));
        prefs.JoveRules[1] = {true, QStringLiteral("Location"), QStringLiteral("VCD-")};
        prefs.CpFolderImage = prefs.CpFolderOverwrite = true;
    }
    int batch(const QString& folder) {
        CurrentTitle current;
        return BatchExport(reader, prefs, prompts, this, *this)
            .run({"A", "B", "C"}, folder, current)
            .written;
    }
    void start(int) override {}
    void step(int index) override { at(index); }
    void finish() override {}
    bool writeBytes(QIODevice& file, const QByteArray& bytes) override {
        if (!full)
            return FileWriter::writeBytes(file, bytes);
        file.write(bytes.left(bytes.size() / 2));
        return false;
    }
};

} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void diskFillsDuringBatch() {
        Export e;
        const QString folder = e.out.dbPath();
        e.out.write("2.mmd", "the old document");
        e.prompts.answerMessage(Prompts::Answer::Retry);
        e.prompts.onAsk = [&](const ScriptedPrompts::Asked&) {
            QCOMPARE(filesIn(folder), QStringList({"1.mmd", "2.mmd"})); // nothing partial
            QCOMPARE(Contents(folder + "2.mmd"), "the old document");
            e.full = false;
        };
        e.at = [&](int index) { e.full = index == 1; };
        QCOMPARE(e.batch(folder), 3);
        QCOMPARE(e.prompts.messages().size(), 1);
        QVERIFY(e.prompts.messages().first().text.startsWith("Error 57 (Device I/O error) occ"));
        CurrentTitle b;
        e.reader.ReadTitleRecord("B", b);
        QCOMPARE(Contents(folder + "2.mmd"), MmdFileBytes(BuildMmd(b, {})));
        QCOMPARE(filesIn(folder), QStringList({"1.mmd", "2.mmd", "3.mmd"}));
    }

    void folderVanishesDuringBatch() {
        Export e;
        const QString folder = e.out.dbPath() + "export/";
        QDir().mkpath(folder);
        e.prompts.answerMessage(Prompts::Answer::Retry);
        e.prompts.onAsk = [&](const ScriptedPrompts::Asked&) { QDir().mkpath(folder); };
        e.at = [&](int index) {
            if (index == 2)
                QDir(folder).removeRecursively();
        };
        QCOMPARE(e.batch(folder), 3);
        QVERIFY(e.prompts.messages().first().text.startsWith("Error 76 (Path not found) oc"));
        QCOMPARE(filesIn(folder), QStringList{"3.mmd"}); // the earlier ones went with the folder
    }

    void diskFillsDuringSingleExport() {
        Export e;
        e.out.write("folder.jpg", "the old picture");
        CurrentTitle title;
        e.reader.ReadTitleRecord("A", title);
        e.full = true;
        e.prompts.answerMessage(Prompts::Answer::Ignore); // the document of part 1
        SingleTitleExport(e.prompts, e.prefs, e).writeParts(title, {e.out.dbPath() + "a.avi"});
        QCOMPARE(filesIn(e.out.dbPath()), QStringList{"folder.jpg"});
        QCOMPARE(Contents(e.out.dbPath() + "folder.jpg"), "the old picture");
        QCOMPARE(e.prompts.messages()[1],
                 (Message{Message::Icon::Question, "Copy failed", "Failed to copy picture?"}));
    }
};

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
