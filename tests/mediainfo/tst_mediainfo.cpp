// The media information window with the real MediaInfo on a clip ffmpeg makes; failing tools too.
#include "mediainfo/Disk_Utils.h"
#include "mediainfo/frmMediaInfo.h"
#include "support/CatalogueFolder.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <memory>

using Answer = Prompts::Answer;

namespace {

const QString kHeading = QStringLiteral("Reelkeep: Heat\n");

std::optional<QString> orCancel(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

QString script(const QString& path, const QString& body, bool executable = true) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(("#!/bin/sh\n" + body + u'\n').toUtf8());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                        (executable ? QFile::ExeOwner : QFile::Permissions()));
    return path;
}

struct Session {
    MemorySettingsStore store;
    ScriptedPrompts prompts;
    std::unique_ptr<frmMediaInfo> form;

    explicit Session(const QString& stored = {}, const QString& dbPath = {}) {
        if (!stored.isEmpty())
            store.write(SettingsKeys::kViewer, "MediaInfo", stored);
        form = std::make_unique<frmMediaInfo>(store, prompts, dbPath);
    }
    template <class T = QLineEdit> T* get(const char* name) const {
        return form->findChild<T*>(name);
    }
    QString report() const { return get<QPlainTextEdit>("Text3")->toPlainText(); }
    std::optional<QString> key() const { return store.value(SettingsKeys::kViewer, "MediaInfo"); }
    void getInfo(const QString& media, const QString& tool) {
        form->prepare(QStringLiteral("Heat"));
        get("Text1")->setText(media);
        get("Text2")->setText(tool);
        form->Command2_Click();
    }
};

} // namespace

class TestMediaInfo : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString dir_, clip_, mediainfo_, ownReport_; // ownReport_: mediainfo's, without empty lines

private Q_SLOTS:
    void initTestCase() {
        mediainfo_ = QStandardPaths::findExecutable(QStringLiteral("mediainfo"));
        const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        if (mediainfo_.isEmpty() || ffmpeg.isEmpty())
            QSKIP("needs mediainfo and ffmpeg");
        dir_ = tmp_.path() + QStringLiteral("/dir with space");
        clip_ = dir_ + QStringLiteral("/clip one.mkv");
        QVERIFY(QDir().mkpath(dir_) && QDir().mkpath(tmp_.path() + "/bin"));
        QProcess run;
        run.start(ffmpeg, {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=1:size=64x48",
                           "-f", "lavfi", "-i", "sine=duration=1", "-shortest", clip_});
        QVERIFY(run.waitForFinished(60000) && run.exitCode() == 0);
        run.start(mediainfo_, {clip_});
        QVERIFY(run.waitForFinished(30000));
        for (const QString& line : QString::fromUtf8(run.readAllStandardOutput()).split(u'\n'))
            ownReport_ += line.isEmpty() ? QString() : line + u'\n';
        QVERIFY(ownReport_.contains(QStringLiteral("clip one.mkv")));
        QVERIFY(QFile::link(mediainfo_, dir_ + "/media info"));
        QVERIFY(QFile::link("/bin/true", tmp_.path() + "/bin/mediainfo"));
        for (const char* name : {"/--x.avi", "/-f.jpg"})
            QVERIFY(QFile::link(clip_, dir_ + name));
    }

    // What the report box shows, and the error choice (its text up to ")") a failure raises.
    void getInfo_data() {
        QTest::addColumn<QString>("media");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("limitMs");
        const auto row = [](const char* name, const QString& media, const QString& tool,
                            const QString& shown, const QString& error = {},
                            Answer answer = Answer::Abort, int limitMs = 30000) {
            QTest::newRow(name) << media << tool << shown << error << int(answer) << limitMs;
        };
        int scripts = 0;
        const auto sh = [&](const char* body, bool executable = true) {
            return script(dir_ + "/tool" + QString::number(++scripts), body, executable);
        };
        const QString exit1 =
            "Error: 57 (Device I/O error: MediaInfo ended with exit code 1 and no report";
        row("tool path with spaces", clip_, dir_ + "/media info", ownReport_);
        row("CR LF, blank kept", clip_, sh("printf 'A\\r\\n\\r\\n \\r\\nB'"), "A\n \nB\n");
        row("report despite exit 3", clip_, sh("echo part; exit 3"), "part\n");
        row("fails silently", clip_, sh("exit 1"), kHeading, exit1, Answer::Ignore);
        row("retry after a fix", clip_, sh("exit 1"), "fixed\n", exit1, Answer::Retry);
        row("hangs past the limit", clip_, sh("exec sleep 30"), kHeading,
            "Error: 286 (Timeout: MediaInfo did not end within 1.5 seconds and was stopped",
            Answer::Abort, 1500);
        row("not executable", clip_, sh("echo never", false), kHeading,
            "Error: 75 (Path/File access error: MediaInfo could not be started");
        row("media missing", dir_ + "/gone.mkv", sh("echo ran"), kHeading);
        row("tool missing", clip_, dir_ + "/gone", kHeading);
        // Typed without a folder: MediaInfo is handed the whole path, never an option.
        // (MediaInfo adds a line on the extension, which does not fit the content.)
        const QString invalid = "FileExtension_Invalid                    : mkv mk3d mka mks\n";
        for (const char* name : {"--x.avi", "-f.jpg"})
            row(name, name, mediainfo_,
                QString(ownReport_)
                    .replace(clip_, dir_ + u'/' + name)
                    .replace("\nVideo\n", "\n" + invalid + "Video\n"));
    }
    void getInfo() {
        QFETCH(QString, media);
        QFETCH(QString, tool);
        QFETCH(QString, error);
        QFETCH(int, answer);
        QFETCH(int, limitMs);
        Session s;
        s.form->setTimeLimit(std::chrono::milliseconds(limitMs));
        s.prompts.answerMessage(Answer(answer));
        s.prompts.onAsk = [&](const ScriptedPrompts::Asked&) { script(tool, "echo fixed"); };
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir_); // where a name typed without a folder is
        s.getInfo(media, tool);
        QDir::setCurrent(before);
        QList<Message> expected;
        if (!error.isEmpty())
            expected << Message{{}, "An error occured", error + ")\r\n\r\nWhat do you want to do?"};
        QCOMPARE(s.prompts.messages, expected);
        for (const ScriptedPrompts::Asked& asked : s.prompts.asked)
            QCOMPARE(asked.buttons, Prompts::Buttons::AbortRetryIgnore);
        QTEST(s.report(), "shown");
        QVERIFY(s.get<QPushButton>("Command2")->isEnabled());
        QCOMPARE(s.key(), std::nullopt);
    }

    void selectDialogs_data() {
        QTest::addColumn<bool>("tool");
        QTest::addColumn<QString>("chosen"); // empty: cancelled
        QTest::newRow("media") << false << dir_ + "/other.avi";
        QTest::newRow("tool") << true << mediainfo_;
        QTest::newRow("tool cancelled") << true << QString();
    }
    void selectDialogs() {
        QFETCH(bool, tool);
        QFETCH(QString, chosen);
        Session s({}, QStringLiteral("/db/"));
        s.prompts.answerFile(orCancel(chosen));
        QLineEdit* box = s.get(tool ? "Text2" : "Text1");
        const QString before = box->text();
        s.form->show(); // Enter in a box presses nothing: the window has no default button
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(s.prompts.asked.isEmpty());
        auto* select = s.get<QPushButton>(tool ? "Command12" : "Command1"); // Enter on it does
        select->setFocus();
        QTest::keyClick(select, Qt::Key_Return);
        const OpenFileRequest& asked = s.prompts.asked.first().openFile;
        QCOMPARE(asked.title + u'|' + asked.initialFolder,
                 tool ? "Find MediaInfo Executable (mediainfo.exe)|/db/"
                      : "Find Media (avi mpeg ogm a.s.o.)|");
        QCOMPARE(box->text(), chosen.isEmpty() ? before : chosen);
        QCOMPARE(s.key(), tool ? orCancel(chosen) : std::nullopt);
    }

    // The tool box on opening: the stored key, mediainfo on the search path, or "Not found". A
    // drive button puts its drive into the media box in root form.
    void opening_data() {
        QTest::addColumn<QString>("stored"); // empty: key absent
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        const QString stored = "/opt/mi/mediainfo", bin = "/bin";
        QTest::newRow("stored key") << stored << bin << stored;
        QTest::newRow("on the search path") << QString() << bin << tmp_.path() + bin + "/mediainfo";
        QTest::newRow("nowhere") << QString() << QString() << QString("Not found");
    }
    void opening() {
        QFETCH(QString, stored);
        QFETCH(QString, path);
        const QByteArray saved = qgetenv("PATH");
        qputenv("PATH", (tmp_.path() + path).toUtf8());
        const Session s(stored);
        qputenv("PATH", saved);
        QTEST(s.get("Text2")->text(), "shown");
        QCOMPARE(s.key(), orCancel(stored)); // offered, not saved
        // The drive caption shows whole, and the first drive button comes after it.
        const auto* label = s.get<QLabel>("Label1");
        QVERIFY(label->width() >= label->sizeHint().width());
        auto* drive = s.get<QPushButton>("cmddrive0");
        QVERIFY(drive->x() > label->geometry().right());
        drive->setText("e:");
        drive->click();
        QCOMPARE(s.get("Text1")->text(), QStringLiteral("e:\\"));
    }

    // Tag: a volume's device, file system and "removable" if it is; optical drives get buttons.
    void driveTypeNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("/dev/sr0 auto removable") << "CD-ROM";
        QTest::newRow("/dev/cdrom") << "CD-ROM";
        QTest::newRow("/dev/loop0 iso9660") << "CD-ROM";
        QTest::newRow("/dev/sdb1 vfat removable") << "Removable Drive";
        QTest::newRow("/dev/nvme0n1p2 ext4") << "Fixed Drive";
        QTest::newRow("host:/export nfs4") << "Remote Drive";
        QTest::newRow("tmpfs tmpfs") << "RAM Disk";
    }
    void driveTypeNames() {
        const QStringList mount = QString(QTest::currentDataTag()).split(u' ');
        QTEST(DriveTypeFromMount(mount[0], mount.value(1), mount.size() > 2), "name");
    }

    // The mounts table unescapes its paths; a drive is named in root form, a mount point stays.
    void mountsAndRoots() {
        QCOMPARE(
            ParseMounts("/dev/sr0 /media/My\\040Disc udf ro 0 0\nproc /proc proc rw 0 0\n\n"),
            QList<MountEntry>({{"/dev/sr0", "/media/My Disc", "udf"}, {"proc", "/proc", "proc"}}));
        QCOMPARE(DriveRoot("D"), QStringLiteral("D:\\"));
        QCOMPARE(DriveRoot("/media/cdrom"), QStringLiteral("/media/cdrom"));
    }

    void saveReport_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("written");
        QTest::newRow("saved") << dir_ + "/report one.txt" << true;
        QTest::newRow("folder is a file") << clip_ + "/report.txt" << false;
    }
    void saveReport() {
        QFETCH(QString, target);
        QFETCH(bool, written);
        Session s;
        s.getInfo(clip_, "Not found"); // the report box holds the heading
        s.prompts.answerFile(target);
        s.get<QPushButton>("Command13")->click();
        QCOMPARE(s.prompts.asked.first().openFile.fileName, "clip one.txt");
        QCOMPARE(s.prompts.messages.size(), int(!written));
        QCOMPARE(Contents(target), written ? kHeading.toUtf8() : QByteArray("<missing>"));
    }
};

QTEST_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
