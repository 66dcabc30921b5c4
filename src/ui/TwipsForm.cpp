// SPDX-License-Identifier: GPL-3.0-or-later
#include "TwipsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <algorithm>

namespace {

// The controls whose caption or entries must be read whole.
bool hasCaption(const QWidget* widget) {
    return qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget) ||
           qobject_cast<const QLabel*>(widget) || qobject_cast<const QComboBox*>(widget);
}

} // namespace

TwipsForm::TwipsForm(QDialog& dialog, QSizeF twips)
    : dialog_(dialog), size_(twips), dpi_(dialog.logicalDpiX()) {
    dialog_.setFixedSize(Twips::toPixels(size_.width(), dpi_),
                         Twips::toPixels(size_.height(), dpi_));
}

void TwipsForm::setPlace(QWidget* widget, const QRectF& twips, double widen) const {
    QRect pixels = Twips::toPixels(
        QRectF(twips.left() * widen, twips.top(), twips.width() * widen, twips.height()), dpi_);
    if (hasCaption(widget)) {
        const int tall = widget->sizeHint().height();
        if (tall > pixels.height())
            pixels.adjust(0, -(tall - pixels.height()) / 2, 0, (tall - pixels.height() + 1) / 2);
    }
    widget->setGeometry(pixels);
}

void TwipsForm::fitCaptions() {
    double widen = 1;
    for (const Placed& p : placed_) {
        const double width = p.twips.width() * dpi_ / Twips::kPerInch;
        const int wanted = p.widget->sizeHint().width();
        // A pixel to spare, as each edge is rounded on its own.
        if (hasCaption(p.widget) && width > 0 && wanted > width)
            widen = std::max(widen, (wanted + 1) / width);
    }
    for (const Placed& p : placed_)
        setPlace(p.widget, p.twips, widen);
    dialog_.setFixedSize(Twips::toPixels(size_.width() * widen, dpi_),
                         Twips::toPixels(size_.height(), dpi_));
}
