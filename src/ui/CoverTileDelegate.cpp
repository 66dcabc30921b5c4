// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverTileDelegate.h"

#include "CoverWall.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>

CoverTileDelegate::CoverTileDelegate(CoverWall* wall) : QStyledItemDelegate(wall), wall_(wall) {}

QSize CoverTileDelegate::tileSize(int coverWidth, const QFont& font) {
    const int coverHeight = coverWidth * 3 / 2;
    return {coverWidth + 2 * kMargin, coverHeight + QFontMetrics(font).height() + 3 * kMargin};
}

QSize CoverTileDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return tileSize(wall_->tileWidth(), option.font);
}

void CoverTileDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QPalette& palette = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const QRect tile = option.rect;
    painter->save();
    if (selected)
        painter->fillRect(tile, palette.brush(QPalette::Highlight));

    const QSize coverSize = wall_->coverSize();
    const QRect coverArea(tile.left() + (tile.width() - coverSize.width()) / 2,
                          tile.top() + kMargin, coverSize.width(), coverSize.height());
    const QString title = index.data(Qt::DisplayRole).toString();
    const int row = index.row();
    const QImage cover = wall_->cover(row);
    if (!cover.isNull()) {
        // Kept in proportion, standing on the title line as covers on a shelf do.
        QSize shown = cover.deviceIndependentSize().toSize();
        shown.scale(coverArea.size(), Qt::KeepAspectRatio);
        const QRect at(coverArea.left() + (coverArea.width() - shown.width()) / 2,
                       coverArea.bottom() + 1 - shown.height(), shown.width(), shown.height());
        painter->drawImage(at, cover);
    } else {
        // A plain card with the title and year, so that a title without a cover is still found.
        painter->fillRect(coverArea, palette.brush(QPalette::Midlight));
        painter->setPen(palette.color(QPalette::Mid));
        painter->drawRect(coverArea.adjusted(0, 0, -1, -1));
        painter->setPen(palette.color(QPalette::ButtonText));
        const CoverFacts* facts = wall_->facts(row);
        const QString year = facts ? facts->year : QString();
        const QRect text = coverArea.adjusted(kMargin, kMargin, -kMargin, -kMargin);
        painter->setFont(option.font);
        painter->setClipRect(text);
        painter->drawText(text, Qt::AlignCenter | Qt::TextWordWrap,
                          year.isEmpty() ? title : title + QStringLiteral("\n\n") + year);
        painter->setClipping(false);
    }

    const QRect caption(tile.left() + kMargin, coverArea.bottom() + 1 + kMargin,
                        tile.width() - 2 * kMargin, option.fontMetrics.height());
    painter->setFont(option.font);
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(caption, Qt::AlignHCenter | Qt::AlignTop,
                      option.fontMetrics.elidedText(title, Qt::ElideRight, caption.width()));
    if (option.state & QStyle::State_HasFocus) {
        QPen pen(palette.color(selected ? QPalette::HighlightedText : QPalette::Highlight));
        pen.setStyle(Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(tile.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}

bool CoverTileDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    // The whole title, as plain text: one that opens like markup is no markup.
    const QString title = index.data(Qt::DisplayRole).toString();
    QToolTip::showText(event->globalPos(),
                       Qt::mightBeRichText(title) ? Qt::convertFromPlainText(title) : title, view,
                       option.rect);
    return true;
}
