// SPDX-License-Identifier: GPL-3.0-or-later
// The media information window with the real MediaInfo on a clip ffmpeg makes, and failing tools.
#include "mediainfo/Disk_Utils.h"
#include "support/CatalogueFolder.h"
#include "support/MemorySettingsStore.h"
#include "support/ScriptedPrompts.h"
#include "ui/frmMediaInfo.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kHeading = QStringLiteral("Reelkeep: Heat\n");

struct Session {
    MemorySettingsStore store;
    ScriptedPrompts prompts;
    frmMediaInfo form{store, prompts, "/db/"};

    Session() { form.prepare(QStringLiteral("Heat")); }
    template <class T = QLineEdit> T* get(const char* name) { return form.findChild<T*>(name); }
    QString key() const { return store.value(SettingsKeys::kViewer, "MediaInfo").value_or(""); }
};

} // namespace

class TestMediaInfo : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_; // a name typed without a folder is looked for in dir_, beside the clip
    const QString dir_ = tmp_.path() + "/dir with space", clip_ = dir_ + "/clip one.mkv";
    QString mediainfo_, ownReport_; // ownReport_: mediainfo's, without empty lines

private Q_SLOTS:
    void initTestCase() {
        mediainfo_ = QStandardPaths::findExecutable("mediainfo");
        const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
        if (mediainfo_.isEmpty() || ffmpeg.isEmpty())
            QSKIP("needs mediainfo and ffmpeg");
        QVERIFY(QDir().mkpath(dir_) && QDir::setCurrent(dir_));
        QProcess run;
        run.start(ffmpeg, {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=1:size=64x48",
                           "-f", "lavfi", "-i", "sine=duration=1", "-shortest", clip_});
        QVERIFY(run.waitForFinished(60000) && run.exitCode() == 0);
        run.start(mediainfo_, {clip_});
        QVERIFY(run.waitForFinished(30000));
        for (const QString& line : QString::fromUtf8(run.readAllStandardOutput()).split(u'\n'))
            ownReport_ += line.isEmpty() ? QString() : line + u'\n';
        QVERIFY(QFile::link(mediainfo_, dir_ + "/media info"));
        QVERIFY(QFile::link(clip_, dir_ + "/--x.avi"));
    }

    void getInfo_data() {
        QTest::addColumn<QString>("media");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<Prompts::Answer>("answer");
        QTest::addColumn<QList<Message>>("asked"); // the error choice, naming the title
        const auto row = [](const char* name, const QString& media, const QString& tool,
                            const QString& shown, const QString& error = {},
                            Prompts::Answer answer = Prompts::Answer::Abort) {
            const Message ask{
                {}, "An error occured", error + ")\r\n\r\nWhat do you want to do?", "Title: Heat"};
            QTest::newRow(name) << media << tool << shown << answer
                                << (error.isEmpty() ? QList<Message>() : QList<Message>{ask});
        };
        int n = 0;
        const auto sh = [&](const char* body) { // a shell script as the tool
            QFile file(dir_ + u'/' + QString::number(++n));
            if (file.open(QIODevice::WriteOnly))
                file.write(QByteArray("#!/bin/sh\n") + body + '\n');
            file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            return file.fileName();
        };
        // Typed bare and named like an option, it reaches MediaInfo as a path.
        const QString invalid = "FileExtension_Invalid                    : mkv mk3d mka mks\n";
        row("--x.avi", "--x.avi", dir_ + "/media info",
            QString(ownReport_)
                .replace(clip_, dir_ + "/--x.avi")
                .replace("\nVideo\n", "\n" + invalid + "Video\n"));
        // Run again, the tool reports despite its exit code, in CR LF lines.
        row("retry", clip_,
            sh("[ -e ran ] && printf 'A\\r\\n\\r\\n \\r\\nB' && exit 3; touch ran; exit 1"),
            "A\n \nB\n",
            "Error: 57 (Device I/O error: MediaInfo ended with exit code 1 and no report",
            Prompts::Answer::Retry);
        row("hangs past the limit", clip_, sh("exec sleep 30"), kHeading,
            "Error: 286 (Timeout: MediaInfo did not end within 3 seconds and was stopped");
        row("crashes", clip_, sh("kill -SEGV $$"), kHeading,
            "Error: 51 (Internal error: MediaInfo crashed");
        row("not executable", clip_, clip_, kHeading,
            "Error: 75 (Path/File access error: MediaInfo could not be started");
        row("tool missing", clip_, dir_ + "/gone", kHeading);
        row("media missing", dir_ + "/gone", sh("echo ran"), kHeading);
    }
    void getInfo() {
        QFETCH(QString, tool);
        QFETCH(Prompts::Answer, answer);
        Session s;
        s.form.setTimeLimit(std::chrono::seconds(3));
        s.prompts.answerMessage(answer);
        QFETCH(QString, media);
        s.get("Text1")->setText(media);
        s.get("Text2")->setText(tool);
        s.form.Command2_Click();
        QTEST(s.prompts.messages, "asked");
        for (const ScriptedPrompts::Asked& asked : s.prompts.asked)
            QCOMPARE(asked.buttons, Prompts::Buttons::AbortRetryIgnore);
        QTEST(s.get<QPlainTextEdit>("Text3")->toPlainText(), "shown");
    }

    // The tool stored or on the path; Select, Enter on buttons not boxes, drives, saving a report.
    void window() {
        Session s;
        QCOMPARE(s.get("Text2")->text() + u'|' + s.key(), mediainfo_ + u'|');
        s.store.write(SettingsKeys::kViewer, "MediaInfo", "/opt/mediainfo");
        s.form.Form_Load();
        QCOMPARE(s.get("Text2")->text(), "/opt/mediainfo");
        s.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&s.form));
        s.prompts.answerFile(clip_);
        s.prompts.answerFile(mediainfo_); // and none for the next, which is cancelled
        for (const char* name : {"Text1", "Command1", "Command12", "Command12"}) {
            s.get<QWidget>(name)->setFocus();
            QTest::keyClick(s.get<QWidget>(name), Qt::Key_Return);
        }
        QCOMPARE(s.prompts.asked.size(), 3); // none for Enter in the box
        QCOMPARE(s.prompts.asked[1].openFile.initialFolder, "/db/");
        QCOMPARE(s.get("Text1")->text(), clip_);
        QCOMPARE(s.get("Text2")->text() + u'|' + s.key(), mediainfo_ + u'|' + mediainfo_);
        auto* drive = s.get<QPushButton>("cmddrive0");
        for (const auto& [caption, root] :
             {std::pair{"e:", "e:\\"}, {"D", "D:\\"}, {"/media/cd rom", "/media/cd rom"}}) {
            drive->setText(caption);
            drive->click();
            QCOMPARE(s.get("Text1")->text(), QString(root));
        }
        s.form.prepare(QStringLiteral("Heat")); // Form_Load emptied the report box
        for (const QString& target : {dir_ + "/report one.txt", clip_ + "/report.txt"}) {
            s.prompts.answerFile(target);
            s.get<QPushButton>("Command13")->click();
        }
        QCOMPARE(s.prompts.asked[3].openFile.fileName, "cd rom.txt");
        QCOMPARE(Contents(dir_ + "/report one.txt"), kHeading.toUtf8());
        QCOMPARE(s.prompts.messages.size(), 1);
    }

    // A line of the mounts table, its paths unescaped, and the type of drive it names.
    void driveTypeFromMount_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<QString>("name");
        const std::tuple<const char*, const char*, bool, const char*> rows[] = {
            {"/dev/sr0 /media/My\\040Disc auto ro 0 0\n\n", "/media/My Disc", true, "CD-ROM"},
            {"/dev/loop0 /m iso9660", "/m", false, "CD-ROM"},
            {"/dev/sdb1 /m vfat", "/m", true, "Removable Drive"},
            {"/dev/nvme0n1p2 / ext4", "/", false, "Fixed Drive"},
            {"host:/export /m nfs4", "/m", false, "Remote Drive"},
            {"tmpfs /tmp tmpfs", "/tmp", false, "RAM Disk"},
            {"proc /proc proc", "/proc", false, ""}}; // no drive at all
        for (const auto& [line, mountPoint, removable, name] : rows)
            QTest::newRow(line) << QByteArray(line) << QString(mountPoint) << removable
                                << QString(name);
    }
    void driveTypeFromMount() {
        QFETCH(QByteArray, line);
        QFETCH(bool, removable);
        const MountEntry mount = ParseMounts(line).value(0);
        QTEST(mount.mountPoint, "mountPoint");
        QTEST(DriveTypeFromMount(mount.device, mount.fsType, removable), "name");
    }
};

QTEST_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
