// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs whose controls are placed in twips (Filter, Settings, Media Info) place them
// through this one helper, so that they follow one rule when a caption is wider than its twips.
#pragma once

#include "platform/Twips.h"

#include <QLabel>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <type_traits>
#include <vector>

class QDialog;
class QWidget;

class TwipsForm {
public:
    // Gives `dialog` its fixed size of `twips`.
    TwipsForm(QDialog& dialog, QSizeF twips);

    // Names the control and puts it at `twips` in its parent. Labels show their text as it is.
    template <class W> W* place(W* widget, const QString& name, const QRectF& twips) {
        widget->setObjectName(name);
        if constexpr (std::is_base_of_v<QLabel, W>)
            widget->setTextFormat(Qt::PlainText);
        placed_.push_back({widget, twips});
        setPlace(widget, twips, 1);
        return widget;
    }

    // Call once every caption is set. The twips suit the smaller font of the system the dialogs
    // were first drawn for; rather than cut a caption short, the whole dialog widens until each
    // fits, since a control widening on its own would cover its neighbour. A caption taller than
    // its line grows about the line's middle.
    void fitCaptions();

private:
    struct Placed {
        QWidget* widget;
        QRectF twips;
    };
    void setPlace(QWidget* widget, const QRectF& twips, double widen) const;

    QDialog& dialog_;
    QSizeF size_;
    double dpi_;
    std::vector<Placed> placed_;
};
