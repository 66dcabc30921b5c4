// SPDX-License-Identifier: GPL-3.0-or-later
// The windows as drawn: readable on a dark desktop, nothing cut without a sign, About's links.
#include "settings/ReadableColour.h"
#include "support/CatalogueFolder.h"
#include "support/ViewerSession.h"
#include "ui/ElidedLabel.h"
#include "ui/frmAbout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>

namespace {

// The contrast a widget draws its own text with: its most distinct pixel against the commonest.
double drawnContrast(QWidget* w, const QRect& area) {
    QPixmap pixmap(area.size());
    w->render(&pixmap, QPoint(), QRegion(area), QWidget::DrawWindowBackground);
    const QImage image = pixmap.toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        most = std::max(most, ContrastRatio(QColor(it.key()), QColor(ground)));
    return most;
}

// Every text of a window with the contrast it is drawn with, by objectName.
QMap<QString, double> textContrasts(QWidget* window) {
    QMap<QString, double> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        QWidget* drawn = w;
        QRect area = w->rect();
        if (auto* label = qobject_cast<QLabel*>(w); label && label->text().isEmpty())
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->text().isEmpty())
            continue;
        auto* box = qobject_cast<QAbstractScrollArea*>(w);
        if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QAbstractItemView*>(w))
            area = (drawn = box->viewport())->rect(); // where the text is
        else if (box)
            continue; // a frame's scrolling lines, drawn by the labels in them
        else if (auto* frame = qobject_cast<QGroupBox*>(w))
            area.setHeight(frame->fontMetrics().height()); // its caption
        else if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w) &&
                 !qobject_cast<QLineEdit*>(w) && !qobject_cast<QMenuBar*>(w) &&
                 !qobject_cast<QStatusBar*>(w))
            continue;
        found.insert(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(),
                     drawnContrast(drawn, area));
    }
    return found;
}

} // namespace

class TestRendering : public QObject {
    Q_OBJECT

    CatalogueFolder db_;
    QPalette light_;

private Q_SLOTS:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        light_ = QApplication::palette();
        WriteSampleCatalogue(db_);
    }
    void cleanup() { QApplication::setPalette(light_); }

    // Dark under the running window, every text stands out by 4.5:1 or more; light again, the
    // stored colours return. About's links share one face and size, each address whole.
    void darkDesktop() {
        StartedSession s(db_.dbPath());
        s.window->resize(1000, 700);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        s.select(0);
        QCOMPARE(s.caption("Label11"), "IMDB: Alien (1979)");
        // Typed text: the empty box's hint is drawn in the desktop's own half-tone.
        s.control<QLineEdit>("FindBox")->setText("Alien");

        QPalette dark(QColor(0x35, 0x35, 0x35)); // Fusion's dark scheme, as a dark desktop has it
        dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
        dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
        QApplication::setPalette(dark);
        QCoreApplication::sendPostedEvents(); // the windows hear of it
        frmAbout about(s.desktop);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QMap<QString, double> main = textContrasts(s.window.get()),
                                    dialog = textContrasts(&about);
        for (const char* name : {"Label1", "Label11", "Label12", "Label13", "Label35", "Text17",
                                 "Frame5", "List1", "Command1", "StatusBar1", "QMenuBar"})
            QVERIFY2(main.contains(name), name);
        QVERIFY(dialog.contains("URL") && dialog.contains("cmdExit"));
        const QFont font = about.findChild<QLabel*>("URL")->font();
        QCOMPARE(font.family() + u' ' + QString::number(font.pointSize()), "Arial 12");
        for (const char* name : {"URL", "MailTo", "RKLink", "Label6"}) {
            auto* link = about.findChild<QLabel*>(name);
            QCOMPARE(link->font(), font);
            QVERIFY2(link->fontMetrics().horizontalAdvance(link->text()) <=
                             link->contentsRect().width() &&
                         about.rect().contains(link->geometry()),
                     name);
        }
        for (const auto& [window, drawn] : {std::pair{"main", main}, {"About", dialog}})
            for (auto it = drawn.cbegin(); it != drawn.cend(); ++it)
                QVERIFY2(it.value() >= 4.5,
                         qPrintable(QString("%1 %2: %3").arg(window, it.key()).arg(it.value())));

        QApplication::setPalette(light_);
        QCoreApplication::sendPostedEvents();
        QStringList colours;
        for (const char* name : {"Label1", "Label11", "Text17", "Label35"})
            colours << s.control(name)->palette().color(QPalette::Text).name();
        QCOMPARE(colours.join(u' '), "#ff0000 #000080 #000000 #000000");
        QCOMPARE(s.control("Label35")->palette().color(QPalette::Window), QColor(0, 255, 0));
    }

    // At 800 x 560 a caption too wide ends in "…" and facts below a frame's edge scroll into view.
    void textThatDoesNotFit() {
        const QString title = "Alien " + QString(200, u'x');
        CatalogueFolder wide;
        wide.writeLines("reelkeep.dat", {"~ " + title + "| S| x| x| x| x| x| x| x| x| x| 1| x ~"});
        wide.writeLines("History.dat", {"~ " + title + "| 2006-03-14| x| y ~"});
        StartedSession s(wide.dbPath(), "Font0=___11 Arial;Font1=___11 Arial");
        s.window->resize(800, 560);
        s.select(0);
        QTRY_COMPARE(s.window->size(), QSize(800, 560));
        auto* label = s.control<ElidedLabel>("Label1");
        QCOMPARE(label->text(), title);
        QCOMPARE(label->toolTip(), title);
        QVERIFY(label->shownText().startsWith("Alien xx") && label->shownText().endsWith(u'…'));
        QLabel drawn(label->shownText()); // the label draws what a plain one would
        drawn.setFont(label->font());
        drawn.setPalette(label->palette());
        drawn.setAlignment(label->alignment());
        drawn.resize(label->size());
        QCOMPARE(label->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 drawn.grab().toImage().convertToFormat(QImage::Format_RGB32));
        auto* lines = s.control<QScrollArea>("Frame6Lines");
        QVERIFY(lines->verticalScrollBar()->isVisible());
        QWidget* entered = s.control("Label17");
        lines->ensureWidgetVisible(entered);
        QVERIFY(lines->viewport()->rect().contains(
            QRect(entered->mapTo(lines->viewport(), QPoint()), entered->size())));
        QCOMPARE(s.caption("Label17"), "Entered: 14 Mar 2006");
    }
};

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
