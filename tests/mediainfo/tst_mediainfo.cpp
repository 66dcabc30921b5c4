// The media information window with the real MediaInfo on a clip that ffmpeg makes at test time;
// tools that fail are small shell scripts.
#include "Disk_Utils.h"
#include "MemorySettingsStore.h"
#include "ScriptedPrompts.h"
#include "SettingsKeys.h"
#include "frmMediaInfo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using Answer = Prompts::Answer;
using Kind = ScriptedPrompts::Asked::Kind;

namespace {

const QString kKey = QStringLiteral("MediaInfo");
const QString kHeading = QStringLiteral("Reelkeep: Heat\n");

struct Session {
    MemorySettingsStore store;
    ScriptedPrompts prompts;
    std::unique_ptr<frmMediaInfo> form;

    frmMediaInfo& open(const QString& dbPath = QString()) {
        form = std::make_unique<frmMediaInfo>(store, prompts, dbPath);
        form->prepare(QStringLiteral("Heat"));
        return *form;
    }
    QLineEdit* text(const char* name) const { return form->findChild<QLineEdit*>(name); }
    QPushButton* button(const QString& name) const { return form->findChild<QPushButton*>(name); }
    QString report() const { return form->findChild<QPlainTextEdit*>("Text3")->toPlainText(); }
    void getInfo(const QString& media, const QString& tool) {
        text("Text1")->setText(media);
        text("Text2")->setText(tool);
        form->Command2_Click();
    }
};

std::optional<QString> answer(const QString& path) {
    return path.isEmpty() ? std::nullopt : std::optional(path);
}

} // namespace

class TestMediaInfo : public QObject {
    Q_OBJECT

    QTemporaryDir tmp_;
    QString dir_, clip_, mediainfo_;

    QString script(const QString& name, const QString& body, bool executable = true) const {
        QFile file(dir_ + u'/' + name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(("#!/bin/sh\n" + body + u'\n').toUtf8());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner |
                            (executable ? QFile::ExeOwner : QFile::Permissions()));
        return file.fileName();
    }

private Q_SLOTS:
    void initTestCase() {
        mediainfo_ = QStandardPaths::findExecutable(QStringLiteral("mediainfo"));
        const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        if (mediainfo_.isEmpty() || ffmpeg.isEmpty())
            QSKIP("needs mediainfo and ffmpeg");
        dir_ = tmp_.path() + QStringLiteral("/dir with space");
        clip_ = dir_ + QStringLiteral("/clip one.mkv");
        QVERIFY(QDir().mkpath(dir_));
        QProcess make;
        make.start(ffmpeg,
                   {"-v", "error", "-f", "lavfi", "-i", "testsrc=duration=1:size=64x48:rate=5",
                    "-f", "lavfi", "-i", "sine=duration=1", "-shortest", clip_});
        QVERIFY(make.waitForFinished(60000) && make.exitCode() == 0);
        QVERIFY(QFile::link(mediainfo_, dir_ + "/media info"));
        QVERIFY(QDir().mkpath(tmp_.path() + "/bin"));
        QVERIFY(QFile::link("/bin/true", tmp_.path() + "/bin/mediainfo"));
    }

    void reportIsMediaInfosOwnWithoutEmptyLines_data() {
        QTest::addColumn<QString>("tool");
        QTest::newRow("installed tool") << mediainfo_;
        QTest::newRow("tool path with spaces") << dir_ + QStringLiteral("/media info");
    }
    void reportIsMediaInfosOwnWithoutEmptyLines() {
        QFETCH(QString, tool);
        QProcess own;
        own.start(mediainfo_, {clip_});
        QVERIFY(own.waitForFinished(30000));
        QString expected;
        for (const QString& line : QString::fromUtf8(own.readAllStandardOutput()).split(u'\n'))
            if (!line.isEmpty())
                expected += line + u'\n';
        QVERIFY(expected.contains(QStringLiteral("clip one.mkv")));

        Session s;
        s.open().setTimeLimit(std::chrono::seconds(30));
        s.getInfo(clip_, tool);
        QCOMPARE(s.report(), expected);
        QVERIFY(s.prompts.asked.isEmpty());
        QVERIFY(!s.store.value(SettingsKeys::kViewer, kKey));
    }

    // Tool scripts: what the box shows, or the error choice they raise and its answer.
    void scriptedTool_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("error"); // the error choice's text up to ")"; empty: none
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* body, bool executable, int answer,
                            const QString& error, const QString& shown) {
            QTest::newRow(name) << QString::fromUtf8(body) << executable << answer << error
                                << shown;
        };
        const QString exit1 =
            "Error: 57 (Device I/O error: MediaInfo ended with exit code 1 and no report";
        const int none = -1, ignore = int(Answer::Ignore), abort = int(Answer::Abort);
        row("empty line dropped", "printf 'A\\n\\nB\\n'", true, none, "", "A\nB\n");
        row("CR LF, no last break", "printf 'A\\r\\n\\r\\nB'", true, none, "", "A\nB\n");
        row("blank line kept", "printf ' \\n'", true, none, "", " \n");
        row("report despite exit 3", "echo part; exit 3", true, none, "", "part\n");
        row("empty report", "exit 0", true, none, "", "");
        row("fails silently", "exit 1", true, ignore, exit1, kHeading);
        row("crashes", "kill -SEGV $$", true, abort, "Error: 51 (Internal error: MediaInfo crashed",
            kHeading);
        row("hangs past the limit", "exec sleep 30", true, ignore,
            "Error: 286 (Timeout: MediaInfo did not end within 1.5 seconds and was stopped",
            kHeading);
        row("not executable", "echo never", false, abort,
            "Error: 75 (Path/File access error: MediaInfo could not be started", kHeading);
        row("retry after a fix", "exit 1", true, int(Answer::Retry), exit1, "fixed\n");
    }
    void scriptedTool() {
        QFETCH(QString, body);
        QFETCH(bool, executable);
        QFETCH(int, answer);
        QFETCH(QString, error);
        QFETCH(QString, shown);
        Session s;
        s.open().setTimeLimit(std::chrono::milliseconds(1500));
        const QString tool = script("tool", body, executable);
        if (answer != -1)
            s.prompts.answerMessage(Answer(answer));
        s.prompts.onAsk = [&](const ScriptedPrompts::Asked&) {
            script("tool", "printf 'fixed\\n'");
        };
        s.getInfo(clip_, tool);
        QList<Message> expected;
        if (!error.isEmpty())
            expected << Message{Message::Icon::None, QStringLiteral("An error occured"),
                                error + QStringLiteral(")\r\n\r\nWhat do you want to do?")};
        QCOMPARE(s.prompts.messages(), expected);
        if (!expected.isEmpty())
            QCOMPARE(s.prompts.asked.first().buttons, Prompts::Buttons::AbortRetryIgnore);
        QCOMPARE(s.report(), shown);
        QVERIFY(s.button("Command2")->isEnabled());
    }

    void missingPathStartsNothing_data() {
        QTest::addColumn<QString>("media");
        QTest::addColumn<QString>("tool");
        const QString ran = script("ran", "echo ran"); // a run would replace the heading
        QTest::newRow("no media") << QString() << ran;
        QTest::newRow("media missing") << dir_ + "/gone.mkv" << ran;
        QTest::newRow("tool not found") << clip_ << "Not found";
        QTest::newRow("tool missing") << clip_ << dir_ + "/gone";
    }
    void missingPathStartsNothing() {
        QFETCH(QString, media);
        QFETCH(QString, tool);
        Session s;
        s.open();
        s.getInfo(media, tool);
        QVERIFY(s.prompts.asked.isEmpty());
        QCOMPARE(s.report(), kHeading);
    }

    void windowRespondsWhileToolRuns() {
        Session s;
        s.open();
        std::optional<bool> enabledDuringRun; // set by a timer: events run during the wait
        QTimer::singleShot(200, [&] { enabledDuringRun = s.button("Command2")->isEnabled(); });
        s.getInfo(clip_, script("slow", "sleep 1; echo done"));
        QCOMPARE(enabledDuringRun, std::optional(false));
        QVERIFY(s.button("Command2")->isEnabled());
        QCOMPARE(s.report(), QString("done\n"));
    }

    void closingStopsTheRun() {
        Session s;
        s.open();
        QTimer::singleShot(200, [&] { s.form->findChild<QPushButton*>("Command14")->click(); });
        QElapsedTimer clock;
        clock.start();
        s.getInfo(clip_, script("long", "exec sleep 20"));
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(s.prompts.asked.isEmpty());
        QCOMPARE(s.report(), kHeading);
    }

    void selectDialogs_data() {
        QTest::addColumn<bool>("tool");
        QTest::addColumn<QString>("chosen"); // empty: cancelled
        QTest::newRow("media") << false << clip_;
        QTest::newRow("media cancelled") << false << QString();
        QTest::newRow("tool") << true << mediainfo_;
        QTest::newRow("tool cancelled") << true << QString();
    }
    void selectDialogs() {
        QFETCH(bool, tool);
        QFETCH(QString, chosen);
        Session s;
        s.open(QStringLiteral("/db/"));
        s.prompts.answerFile(answer(chosen));
        QLineEdit* box = s.text(tool ? "Text2" : "Text1");
        const QString before = box->text();
        tool ? s.form->Command12_Click() : s.form->Command1_Click();
        const OpenFileRequest expected =
            tool ? OpenFileRequest{"Find MediaInfo Executable (mediainfo.exe)",
                                   "All Files (*.*)|*.*|EXE Files(*.exe)|*.exe", 2, "/db/",
                                   "mediainfo.exe"}
                 : OpenFileRequest{
                       "Find Media (avi mpeg ogm a.s.o.)",
                       "All Files (*.*)|*.*|Supported Media Files|*.MKV;*.MKA;*.MKS;*.OGG;"
                       "*.OGM;*.AVI;*.WAV;*.MPG;*.MPE;*.MPEG;*.VOB;*.MPV;*.MP2;*.MP3;"
                       "*.AC3,*.DTS;*.IFO;*.ASF;*.WMV;*.WMA;*.QT;*.MOV;*.RA;*.RM;*.RV;*.RMVB",
                       2, "", ""};
        QCOMPARE(s.prompts.asked.size(), 1);
        QVERIFY(s.prompts.asked.first().openFile == expected);
        QCOMPARE(box->text(), chosen.isEmpty() ? before : chosen);
        QCOMPARE(s.store.value(SettingsKeys::kViewer, kKey), tool ? answer(chosen) : std::nullopt);
    }

    void formLoadShowsTool_data() {
        QTest::addColumn<QString>("stored"); // empty: key absent
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stored key") << "/opt/mi/mediainfo" << true << "/opt/mi/mediainfo";
        QTest::newRow("on the search path") << "" << true << tmp_.path() + "/bin/mediainfo";
        QTest::newRow("nowhere") << "" << false << "Not found";
    }
    void formLoadShowsTool() {
        QFETCH(QString, stored);
        QFETCH(bool, onPath);
        QFETCH(QString, shown);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", (tmp_.path() + (onPath ? "/bin" : "")).toUtf8());
        Session s;
        if (!stored.isEmpty())
            s.store.write(SettingsKeys::kViewer, kKey, stored);
        s.form = std::make_unique<frmMediaInfo>(s.store, s.prompts, QString());
        qputenv("PATH", path);
        QCOMPARE(s.text("Text2")->text(), shown);
        QCOMPARE(s.report(), QString());
        QCOMPARE(s.store.value(SettingsKeys::kViewer, kKey), answer(stored)); // offered, not saved
    }

    void driveTypeNames_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("fsType");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* device, const char* fsType, bool removable,
                            const char* name) {
            QTest::newRow(device) << QString::fromUtf8(device) << QString::fromUtf8(fsType)
                                  << removable << QString::fromUtf8(name);
        };
        row("/dev/sr0", "auto", true, "CD-ROM");
        row("/dev/cdrom", "", false, "CD-ROM");
        row("/dev/loop0", "iso9660", false, "CD-ROM");
        row("/dev/sdc", "udf", true, "CD-ROM");
        row("/dev/sdb1", "vfat", true, "Removable Drive");
        row("/dev/nvme0n1p2", "ext4", false, "Fixed Drive");
        row("host:/export", "nfs4", false, "Remote Drive");
        row("me@host:", "fuse.sshfs", false, "Remote Drive");
        row("tmpfs", "tmpfs", false, "RAM Disk");
        row("proc", "proc", false, "");
        row("overlay", "overlay", false, "");
    }
    void driveTypeNames() {
        QFETCH(QString, device);
        QFETCH(QString, fsType);
        QFETCH(bool, removable);
        QFETCH(QString, name);
        QCOMPARE(DriveTypeFromMount(device, fsType, removable), name);
    }

    void driveTypeCodes() {
        const QStringList names = {
            "", "", "Removable Drive", "Fixed Drive", "Remote Drive", "CD-ROM", "RAM Disk", ""};
        for (int code = 0; code < names.size(); ++code)
            QCOMPARE(DriveTypeFromCode(code), names[code]);
    }

    void rootForms_data() {
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("root");
        const auto row = [](const char* drive, const char* root) {
            QTest::newRow(drive) << QString::fromUtf8(drive) << QString::fromUtf8(root);
        };
        row("D", "D:\\");
        row("e:", "e:\\");
        row("F:\\", "F:\\");
        row("DE", "DE");
        row("/media/cdrom", "/media/cdrom");
        row("/", "/");
    }
    void rootForms() {
        QFETCH(QString, drive);
        QFETCH(QString, root);
        DriveTypeName(drive);
        QCOMPARE(drive, root);
    }

    void mountTable() {
        const QList<MountEntry> mounts =
            ParseMounts("/dev/sr0 /media/My\\040Disc udf ro 0 0\nproc /proc proc rw 0 0\n\n");
        QCOMPARE(mounts, QList<MountEntry>(
                             {{"/dev/sr0", "/media/My Disc", "udf"}, {"proc", "/proc", "proc"}}));
    }

    void headingCaptionAndDriveButtons() {
        Session s;
        s.form = std::make_unique<frmMediaInfo>(s.store, s.prompts, QString());
        QCOMPARE(s.form->windowTitle(), "Media Info");
        s.form->prepare("Léon");
        QCOMPARE(s.form->windowTitle(), "Léon");
        QCOMPARE(s.report(), "Reelkeep: Léon\n");
        const QStringList drives = OpticalDrives();
        for (int i = 0; i < 11; ++i) {
            QPushButton* button = s.button(QString("cmddrive%1").arg(i));
            QCOMPARE(button->isVisibleTo(s.form.get()), i < drives.size());
            QCOMPARE(button->text(), i < drives.size() ? drives[i] : "D:");
        }
        s.button("cmddrive0")->setText("E:");
        s.button("cmddrive0")->click();
        QCOMPARE(s.text("Text1")->text(), "E:\\");
    }

    void saveReport_data() {
        QTest::addColumn<QString>("target"); // empty: cancelled
        QTest::addColumn<int>("messages");
        QTest::newRow("saved") << dir_ + "/report one.txt" << 0;
        QTest::newRow("cancelled") << QString() << 0;
        QTest::newRow("folder is a file") << clip_ + "/report.txt" << 1;
    }
    void saveReport() {
        QFETCH(QString, target);
        QFETCH(int, messages);
        Session s;
        s.open();
        s.getInfo(clip_, script("short", "printf 'General\\n\\nFormat : Matroska\\n'"));
        s.prompts.answerSaveFile(answer(target));
        s.form->Command13_Click();
        const ScriptedPrompts::Asked asked = s.prompts.asked.first();
        QCOMPARE(asked.kind, Kind::SaveFile);
        QVERIFY(asked.openFile == (OpenFileRequest{"Save MediaInfo Report",
                                                   "Text Files (*.txt)|*.txt|All Files (*.*)|*.*",
                                                   1, "", "clip one.txt"}));
        QCOMPARE(s.prompts.messages().size(), messages);
        QFile file(target);
        const bool written = !target.isEmpty() && messages == 0;
        QCOMPARE(file.exists(), written);
        if (written && file.open(QIODevice::ReadOnly))
            QCOMPARE(file.readAll(), QByteArray("General\nFormat : Matroska\n"));
    }
};

QTEST_MAIN(TestMediaInfo)
#include "tst_mediainfo.moc"
