// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a title list shown by a list view. Texts are made only for the rows the view
// asks for, so a list of 100,000 titles is shown as soon as it is read. A row shows its title
// as a window control shows a field (ShownText); titles() and title() are the whole keys.
#pragma once

#include "catalogue/TitleKeys.h"

#include <QAbstractListModel>

class TitleListModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    const TitleKeys& titles() const { return titles_; }
    void setTitles(const TitleKeys& titles);
    QString title(int row) const { return titles_.at(row).toString(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    TitleKeys titles_;
};
