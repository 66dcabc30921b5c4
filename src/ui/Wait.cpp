// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wait.h"

#include "platform/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

Wait::Wait(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("Wait"));
    // The owner takes no input while a walk runs, yet keeps repainting through the walk's steps.
    setWindowModality(Qt::WindowModal);
    // Nor any command: a tool window leaves its owner's shortcuts working, and a command run
    // from inside the walk's event processing could replace the list being walked.
    if (owner) {
        for (QAction* action : owner->findChildren<QAction*>())
            if (action->isEnabled()) {
                action->setEnabled(false);
                heldActions_.append(action);
            }
        for (QShortcut* shortcut : owner->findChildren<QShortcut*>())
            if (shortcut->isEnabled()) {
                shortcut->setEnabled(false);
                heldShortcuts_.append(shortcut);
            }
    }
    const double dpi = logicalDpiX();
    setFixedSize(Twips::toPixels(6330, dpi), Twips::toPixels(1260, dpi));

    auto* Label1 = new QLabel(tr("Please Wait..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(QFont(QStringLiteral("Arial Black"), 12));
    Label1->setGeometry(Twips::toPixels(QRectF(120, 120, 6075, 405), dpi));

    PB1_ = new QProgressBar(this);
    PB1_->setObjectName(QStringLiteral("PB1"));
    PB1_->setGeometry(Twips::toPixels(QRectF(120, 600, 6015, 495), dpi));
    PB1_->hide();
}

Wait::~Wait() {
    for (QAction* action : std::as_const(heldActions_))
        if (action)
            action->setEnabled(true);
    for (QShortcut* shortcut : std::as_const(heldShortcuts_))
        if (shortcut)
            shortcut->setEnabled(true);
}

void Wait::start(int count) {
    PB1_->setRange(0, std::max(count - 1, 0));
    PB1_->setValue(0);
    PB1_->show();
    sinceEvents_.invalidate();

    // Centred at each walk, since the owner may have moved since this window was made.
    QRect area;
    if (const QWidget* owner = parentWidget())
        area = owner->window()->frameGeometry();
    else if (const QScreen* onScreen = screen())
        area = onScreen->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
    show();
}

void Wait::step(int index) {
    // A frame's worth of time between repaints: often enough to look smooth, rare enough that
    // a walk over 100,000 titles spends its time on the titles.
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < 16)
        return;
    PB1_->setValue(index);
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void Wait::finish() {
    hide();
}

void Wait::closeEvent(QCloseEvent* event) {
    // Only the walk ends this window: closed by the user, the walk would go on without showing
    // its progress.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}
