// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "platform/Desktop.h"
#include "platform/Twips.h"
#include "settings/ReadableColour.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace {

const QString kProduct = QStringLiteral("Reelkeep Viewer");
const char* const kLegalNotice =
    QT_TRANSLATE_NOOP("frmAbout", "Copyright (C) 2026 the Reelkeep Viewer developers");
// The licence by its SPDX name, which packagers and software centres look for.
const char* const kTerms = QT_TRANSLATE_NOOP(
    "frmAbout", "Free software under the GPL-3.0-or-later licence; no warranty of any kind.");

const QString kHomePage = QStringLiteral("https://reelkeep-viewer.example/");
const QString kMailAddress = QStringLiteral("developers@reelkeep-viewer.example");
const QString kCatalogueSite = QStringLiteral("https://reelkeep.example/");
const QString kPlayerSite = QStringLiteral("https://jove-player.example/");

constexpr int kLinkPointSize = 12;

} // namespace

frmAbout::frmAbout(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      desktop_(desktop) {
    setWindowTitle(tr("About"));
    const double dpi = logicalDpiX();
    setFixedSize(Twips::toPixels(6870, dpi), Twips::toPixels(4725, dpi));

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignVCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    addLabel("Label1", tr("Homepage for this program is at:"), QRectF(120, 120, 3495, 375), right);
    addLink("URL", kHomePage, kHomePage, tr("Click to open"), QRectF(3840, 120, 2295, 270), left);
    addLabel("Label3", tr("Reach me by mail at:"), QRectF(120, 600, 3495, 375), right);
    addLink("MailTo", kMailAddress, QStringLiteral("mailto:") + kMailAddress,
            tr("Click to mail me"), QRectF(3840, 600, 2895, 375), left);
    addLabel("Label4", QString(), QRectF(120, 1080, 6495, 735), centre);
    addLink("RKLink", kCatalogueSite, kCatalogueSite, tr("click to open"),
            QRectF(0, 1920, 6825, 345), centre);
    addLabel("Label5", QString(), QRectF(0, 2280, 6855, 735), centre);
    addLink("Label6", kPlayerSite, kPlayerSite, tr("Click to open"), QRectF(0, 3120, 6855, 375),
            centre);
    addLabel("Label2", QString(), QRectF(0, 3720, 5055, 855), centre);

    auto* cmdExit = new QPushButton(tr("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(Twips::toPixels(QRectF(5160, 3840, 1575, 735), dpi));
    // Default button for Enter; Esc needs nothing, as a dialog rejects on Esc by itself.
    cmdExit->setDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &frmAbout::cmdExit_Click);
    fitLinks(Twips::toPixels(6735, dpi)); // where MailTo's box ends
    colourLinks();

    // Placed here rather than left to Qt, which would centre the window over an owner.
    if (const QScreen* onScreen = screen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(onScreen->availableGeometry().center());
        move(frame.topLeft());
    }

    Form_Load();
}

QLabel* frmAbout::addLabel(const char* name, const QString& caption, const QRectF& twips,
                           Qt::Alignment alignment) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setWordWrap(alignment.testFlag(Qt::AlignHCenter));
    label->setGeometry(Twips::toPixels(twips, logicalDpiX()));
    return label;
}

void frmAbout::addLink(const char* name, const QString& caption, const QString& address,
                       const QString& toolTip, const QRectF& twips, Qt::Alignment alignment) {
    QLabel* link = addLabel(name, caption, twips, alignment);
    link->setWordWrap(false);
    link->setToolTip(toolTip);
    link->setCursor(Qt::PointingHandCursor);

    QFont font(QStringLiteral("Arial"), kLinkPointSize);
    font.setUnderline(true);
    link->setFont(font);

    links_.append(link);
    addresses_.insert(link, address);
    link->installEventFilter(this);
}

void frmAbout::fitLinks(int rightmost) {
    // Every address whole at full size: a box too small for its link grows, and when that takes
    // it past `rightmost` the window widens, the rows across it and the Exit button with it.
    int extra = 0;
    for (QLabel* link : links_) {
        const QSize needed = link->sizeHint();
        link->resize(qMax(link->width(), needed.width()), qMax(link->height(), needed.height()));
        extra = qMax(extra, link->geometry().right() + 1 - rightmost);
    }
    if (extra == 0)
        return;
    setFixedSize(width() + extra, height());
    for (const char* name : {"Label4", "RKLink", "Label5", "Label6", "Label2"}) {
        auto* row = findChild<QLabel*>(QLatin1String(name));
        row->resize(row->width() + extra, row->height());
    }
    auto* exit = findChild<QPushButton*>(QStringLiteral("cmdExit"));
    exit->move(exit->x() + extra, exit->y());
}

void frmAbout::colourLinks() {
    // Link blue, lightened on a dark desktop where it would not stand out from the window.
    const QColor blue = ReadableColour(
        Qt::blue, {palette().color(QPalette::Window), palette().color(QPalette::WindowText)});
    for (QLabel* link : links_) {
        QPalette linkPalette = link->palette();
        linkPalette.setColor(QPalette::WindowText, blue);
        link->setPalette(linkPalette);
    }
}

void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourLinks();
}

void frmAbout::Form_Load() {
    findChild<QLabel*>(QStringLiteral("Label2"))
        ->setText(kProduct + QStringLiteral(" v") + QStringLiteral(RKV_VERSION) +
                  QStringLiteral("\r\n") + tr(kLegalNotice) + QStringLiteral("\r\n") + tr(kTerms));
    findChild<QLabel*>(QStringLiteral("Label4"))
        ->setText(
            tr("Many thanks to the author of Reelkeep, the movie catalogue whose database this "
               "program reads. Reelkeep has its home on the web at:"));
    findChild<QLabel*>(QStringLiteral("Label5"))
        ->setText(tr("Thanks also to the makers of Jove Player, the media centre that the exported "
                     "documents are written for. You will find them at:"));
}

void frmAbout::cmdExit_Click() {
    reject();
}

void frmAbout::OpenURL(const QString& URI) {
    // An address that no handler takes opens nothing, and that is not worth a message.
    static_cast<void>(desktop_.openAddress(URI));
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    const auto found = addresses_.constFind(watched);
    if (found != addresses_.cend() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* link = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            link->rect().contains(mouse->position().toPoint())) {
            OpenURL(found.value());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
