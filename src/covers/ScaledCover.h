// SPDX-License-Identifier: GPL-3.0-or-later
// A cover decoded at the size it is shown at. The file is read as any catalogue file is (a FIFO
// or a device is no cover), and its header is looked at before anything is decoded: a small
// file may claim a picture of 20000 by 20000 pixels, which would take gigabytes to decode.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace ScaledCoverLimits {
// Larger files are no cover worth reading for a thumbnail.
constexpr qint64 kMaxFileBytes = qint64(64) << 20;
// A scanned poster at 600 dpi stays within these.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = qint64(40) * 1000 * 1000;
} // namespace ScaledCoverLimits

// The picture in `path` scaled to fit `box`, its proportions kept; a null image when the path
// names no regular file, or one that holds no picture, or an absurdly large one. Safe on any
// thread.
QImage ScaledCover(const QString& path, const QSize& box);
