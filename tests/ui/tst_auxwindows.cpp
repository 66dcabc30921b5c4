// The About, Help and Wait windows: texts, links handed to the desktop, closing keys, and the
// progress a list walk shows.
#include "RecordingDesktop.h"
#include "Twips.h"
#include "Wait.h"
#include "frmAbout.h"
#include "frmHelp.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QString textOf(const QWidget& window, const QString& name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no label ") + name + u'>';
}

QStringList labelTexts(const QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->objectName() + u'=' + label->text();
    return texts;
}

// Runs the dialog modally and, once it is up, sends Esc or Enter, or clicks the named button. A
// dialog that stays open is ended after a while with a result no button gives.
int execAndClose(QDialog& dialog, const QString& how) {
    QTimer::singleShot(0, &dialog, [&dialog, how] {
        if (how == QLatin1String("Esc"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (how == QLatin1String("Enter"))
            QTest::keyClick(&dialog, Qt::Key_Return);
        else if (auto* button = dialog.findChild<QPushButton*>(how))
            QTest::mouseClick(button, Qt::LeftButton);
    });
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.exec();
}

} // namespace

class TestAuxWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captionsAndSizes_data() {
        QTest::addColumn<QSizeF>("twips");
        QTest::newRow("About") << QSizeF(6870, 4725);
        QTest::newRow("Help") << QSizeF(7995, 6270);
        QTest::newRow("Wait") << QSizeF(6330, 1260);
    }
    void captionsAndSizes() {
        QFETCH(QSizeF, twips);
        const QString caption = QLatin1String(QTest::currentDataTag());
        RecordingDesktop desktop;
        std::unique_ptr<QWidget> w;
        if (caption == QLatin1String("About"))
            w = std::make_unique<frmAbout>(desktop);
        else if (caption == QLatin1String("Help"))
            w = std::make_unique<frmHelp>();
        else
            w = std::make_unique<Wait>(nullptr);
        const double dpi = w->logicalDpiX();
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(),
                 QSize(Twips::toPixels(twips.width(), dpi), Twips::toPixels(twips.height(), dpi)));
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    void aboutTexts() {
        RecordingDesktop desktop;
        const frmAbout about(desktop);
        const QStringList lines = textOf(about, "Label2").split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Reelkeep Viewer v0.1.0"));
        QVERIFY(lines[1].startsWith(QStringLiteral("Copyright")) && !lines[2].isEmpty());
        QCOMPARE(textOf(about, "Label1"), QStringLiteral("Homepage for this program is at:"));
        QCOMPARE(textOf(about, "Label3"), QStringLiteral("Reach me by mail at:"));
        QVERIFY(textOf(about, "Label4").contains(QStringLiteral("Reelkeep")));
        QVERIFY(textOf(about, "Label5").contains(QStringLiteral("Jove Player")));
    }

    void aboutLinks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("address");
        const auto row = [](const char* tag, const char* name, const char* tip, const char* to) {
            QTest::newRow(tag) << QString(name) << QString(tip) << QString(to);
        };
        row("home", "URL", "Click to open", "https://reelkeep-viewer.example/");
        row("mail", "MailTo", "Click to mail me", "mailto:developers@reelkeep-viewer.example");
        row("catalogue", "RKLink", "click to open", "https://reelkeep.example/");
        row("player", "Label6", "Click to open", "https://jove-player.example/");
    }
    void aboutLinks() {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, address);
        RecordingDesktop desktop;
        desktop.accept = false; // a refused address changes nothing in the window
        frmAbout about(desktop);
        about.show();
        auto* link = about.findChild<QLabel*>(name);
        QVERIFY(link);
        QCOMPARE(link->text(), QString(address).remove(QStringLiteral("mailto:")));
        QCOMPARE(link->toolTip(), toolTip);
        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(desktop.opened.isEmpty());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(desktop.opened, QStringList{address});
        QVERIFY(about.isVisible());
    }

    void aboutCloses_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("Exit button") << "cmdExit";
    }
    void aboutCloses() {
        QFETCH(QString, how);
        RecordingDesktop desktop;
        frmAbout about(desktop);
        QCOMPARE(about.findChild<QPushButton*>("cmdExit")->text(), QStringLiteral("E&xit"));
        QCOMPARE(execAndClose(about, how), int(QDialog::Rejected));
        QVERIFY(!about.isVisible());
        QVERIFY(desktop.opened.isEmpty());
    }

    void aboutOpenedTwiceReadsTheSame() {
        RecordingDesktop desktop;
        QStringList first;
        for (int opening = 0; opening < 2; ++opening) {
            frmAbout about(desktop);
            QCOMPARE(execAndClose(about, QStringLiteral("Esc")), int(QDialog::Rejected));
            if (opening == 0)
                first = labelTexts(about);
            else
                QCOMPARE(labelTexts(about), first);
        }
    }

    void helpTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("description")
            << "Label1"
            << "Reelkeep Viewer\r\n\r\nReelkeep Viewer (Hereafter refered to as RKV) is a program "
               "that can read the datafiles from a program named Reelkeep. Reelkeep is an "
               "excellent database program that keeps track of your movies, and also it makes it "
               "easy to maintain your movie database.\r\nRKV:s main purpose is to make it easy "
               "to browse the database, and to make it possible to export mmd-files from the "
               "database to Jove Player.\r\nJove Player is a very powerfull program that "
               "connects your computer to your home cinema, and makes it very easy to manage.";
        QTest::newRow("known bugs")
            << "Label2"
            << "Known Bugs\r\n\r\nRKV does have a problem if there are linefeeds in the "
               "datafiles, so please avoid to press enter in the textboxes of Reelkeep untill I "
               "solved this.";
    }
    void helpTexts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const frmHelp help;
        QCOMPARE(textOf(help, name), text);
    }

    void helpCloses_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("Close button") << "Command1";
    }
    void helpCloses() {
        QFETCH(QString, how);
        frmHelp help;
        QCOMPARE(help.findChild<QPushButton*>("Command1")->text(), QStringLiteral("Close"));
        QCOMPARE(execAndClose(help, how), int(QDialog::Rejected));
        QVERIFY(!help.isVisible());
    }

    void waitFollowsTheWalk_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index"); // -1: the walk has no entry to step to
        QTest::addColumn<int>("maximum");
        QTest::newRow("five entries") << 5 << 3 << 4;
        QTest::newRow("one entry") << 1 << 0 << 0;
        QTest::newRow("no entries") << 0 << -1 << 0;
    }
    void waitFollowsTheWalk() {
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(int, maximum);
        QWidget owner;
        owner.show();
        Wait wait(&owner);
        auto* bar = wait.findChild<QProgressBar*>("PB1");
        QVERIFY(bar);
        QCOMPARE(textOf(wait, "Label1"), QStringLiteral("Please Wait..."));
        QVERIFY(!wait.isVisible());

        wait.start(count);
        QVERIFY(wait.isVisible() && bar->isVisible());
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(QApplication::activeModalWidget(), &wait); // the owner takes no input meanwhile
        if (index >= 0) {
            bool pendingRan = false;
            QTimer::singleShot(0, &wait, [&pendingRan] { pendingRan = true; });
            wait.step(index);
            QCOMPARE(bar->value(), index);
            QVERIFY(pendingRan);
        }

        wait.finish();
        QVERIFY(!wait.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
