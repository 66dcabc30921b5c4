// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one tile of the cover wall: the cover, or a placeholder with the title and year, and
// the title beneath, cut with "…" where it does not fit; the whole title is its tooltip.
#pragma once

#include <QStyledItemDelegate>

class CoverWall;

class CoverTileDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CoverTileDelegate(CoverWall* wall);

    // Margin around a tile's content, in pixels.
    static constexpr int kMargin = 6;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // A tile's size for covers `coverWidth` pixels wide, with a line of `font` beneath.
    static QSize tileSize(int coverWidth, const QFont& font);

private:
    CoverWall* wall_;
};
