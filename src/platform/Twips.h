// SPDX-License-Identifier: GPL-3.0-or-later
// Window geometry is kept in twips (1/1440 inch), as the stored settings and the layout
// formulas have it; Qt works in device-independent pixels at the screen's logical DPI.
#pragma once

#include <QRect>
#include <QRectF>
#include <cmath>

namespace Twips {

constexpr double kPerInch = 1440.0;

inline int toPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / kPerInch));
}
inline double fromPixels(double pixels, double dpi) {
    return pixels * kPerInch / dpi;
}

// Rounds the edges, not the sizes, so that neighbours that touch in twips touch in pixels.
inline QRect toPixels(const QRectF& twips, double dpi) {
    const int left = toPixels(twips.left(), dpi);
    const int top = toPixels(twips.top(), dpi);
    const int right = toPixels(twips.left() + twips.width(), dpi);
    const int bottom = toPixels(twips.top() + twips.height(), dpi);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace Twips
