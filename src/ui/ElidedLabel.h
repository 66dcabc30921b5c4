// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line fact label that shows "…" where its text does not fit, rather than cutting it
// without a sign. text() keeps the whole text; a label without a tooltip of its own shows the
// whole text as its tooltip while it is cut.
#pragma once

#include <QLabel>

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // What the label draws: each line of its text, cut with "…" where wider than the label.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
