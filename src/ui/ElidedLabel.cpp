// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

QString ElidedLabel::shownText() const {
    const int width = contentsRect().width() - 2 * margin() - 2 * std::max(indent(), 0);
    QStringList lines = text().split(u'\n');
    for (QString& line : lines)
        line = fontMetrics().elidedText(line, Qt::ElideRight, std::max(width, 0));
    return lines.join(u'\n');
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    if (shown == text() || !pixmap().isNull())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && shownText() != text()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}
