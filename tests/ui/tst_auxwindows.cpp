// The About, Help and Wait windows: links handed to the desktop, the closing buttons, and the
// progress a list walk shows.
#include "RecordingDesktop.h"
#include "Wait.h"
#include "frmAbout.h"
#include "frmHelp.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestAuxWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each window's own button closes it without opening anything (Esc is the dialog's own).
    void closeButtons() {
        RecordingDesktop desktop;
        frmAbout about(desktop);
        frmHelp help;
        for (QDialog* window : std::initializer_list<QDialog*>{&about, &help}) {
            window->show();
            QTest::mouseClick(
                window->findChild<QPushButton*>(window == &help ? "Command1" : "cmdExit"),
                Qt::LeftButton);
            QVERIFY(!window->isVisible());
            QCOMPARE(window->result(), int(QDialog::Rejected));
        }
        QVERIFY(desktop.opened.isEmpty());
    }

    // Tag: the link's label; the mail link shows its address without "mailto:".
    void aboutLinks_data() {
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("address");
        QTest::newRow("URL") << QString("Click to open") << "https://reelkeep-viewer.example/";
        QTest::newRow("MailTo") << QString("Click to mail me")
                                << "mailto:developers@reelkeep-viewer.example";
    }
    void aboutLinks() {
        QFETCH(QString, toolTip);
        QFETCH(QString, address);
        RecordingDesktop desktop;
        desktop.accept = false; // a refused address changes nothing in the window
        frmAbout about(desktop);
        about.show();
        auto* link = about.findChild<QLabel*>(QTest::currentDataTag());
        QCOMPARE(link->text(), QString(address).remove(QStringLiteral("mailto:")));
        QCOMPARE(link->toolTip(), toolTip);
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(desktop.opened, QStringList{address});
        QVERIFY(about.isVisible());
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
        QVERIFY(!wait.isVisible());
        wait.start(count);
        QVERIFY(bar->isVisible());
        QCOMPARE(QPair(bar->minimum(), bar->maximum()), QPair(0, maximum));
        QCOMPARE(QApplication::activeModalWidget(), &wait); // the owner takes no input meanwhile
        bool pendingRan = false;
        QTimer::singleShot(0, &wait, [&pendingRan] { pendingRan = true; });
        if (index >= 0) {
            wait.step(index);
            QVERIFY(bar->value() == index && pendingRan); // stepping lets pending events run
        }
        wait.finish();
        QVERIFY(!wait.isVisible() && !QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
