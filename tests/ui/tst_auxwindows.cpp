// The About, Help and Wait windows: links handed to the desktop, closing keys, and the progress
// a list walk shows.
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

#include <memory>

namespace {

std::unique_ptr<QDialog> openWindow(const QString& caption, Desktop& desktop) {
    return caption == QLatin1String("Help") ? std::make_unique<frmHelp>()
                                            : std::unique_ptr<QDialog>(new frmAbout(desktop));
}

} // namespace

class TestAuxWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Tag: the window's caption and Esc, Enter or the button clicked, whose caption is given.
    void closing_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("About Esc") << QString();
        QTest::newRow("About Enter") << QString();
        QTest::newRow("About cmdExit") << "E&xit";
        QTest::newRow("Help Esc") << QString();
        QTest::newRow("Help Command1") << "Close";
    }
    void closing() {
        QFETCH(QString, button);
        const QStringList tag = QString(QTest::currentDataTag()).split(u' ');
        RecordingDesktop desktop;
        const auto window = openWindow(tag[0], desktop);
        QCOMPARE(window->windowTitle(), tag[0]);
        auto* clicked = window->findChild<QPushButton*>(tag[1]);
        QCOMPARE(clicked ? clicked->text() : QString(), button);
        QTimer::singleShot(0, window.get(), [&] {
            clicked
                ? QTest::mouseClick(clicked, Qt::LeftButton)
                : QTest::keyClick(window.get(), tag[1] == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
        });
        QTimer::singleShot(5000, window.get(), [&] { window->done(-1); }); // stayed open
        QCOMPARE(window->exec(), int(QDialog::Rejected));
        QVERIFY(!window->isVisible() && desktop.opened.isEmpty());
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
