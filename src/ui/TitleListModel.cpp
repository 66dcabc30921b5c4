// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleListModel.h"

#include "browse/TitleDisplay.h"

void TitleListModel::setTitles(const TitleKeys& titles) {
    beginResetModel();
    titles_ = titles;
    endResetModel();
}

int TitleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(titles_.size());
}

QVariant TitleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= titles_.size())
        return {};
    if (role == Qt::DisplayRole) // every visible row is laid out on each repaint
        return ShownText(titles_.at(index.row()));
    if (role == Qt::EditRole)
        return titles_.at(index.row()).toString();
    return {};
}
