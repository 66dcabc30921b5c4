// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaledCover.h"

#include "platform/RegularFile.h"

#include <QBuffer>
#include <QImageReader>

using namespace ScaledCoverLimits;

QImage ScaledCover(const QString& path, const QSize& box) {
    if (box.isEmpty())
        return {};
    RegularFile file(path);
    if (file.status() != RegularFile::Status::Open || file.size() > kMaxFileBytes)
        return {};
    std::optional<QByteArray> bytes = file.readAll(0);
    if (!bytes)
        return {};
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    // The catalogue names every cover ".jpg", whatever it holds.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize full = reader.size(); // from the header alone
    if (!full.isValid() || full.isEmpty() || full.width() > kMaxSide || full.height() > kMaxSide ||
        qint64(full.width()) * full.height() > kMaxPixels)
        return {};
    // JPEG decodes straight at a fraction of its size: most of the saving on a wall.
    reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    reader.setQuality(75); // smooth scaling of what the decoder left
    QImage image = reader.read();
    if (image.isNull())
        return {};
    // The formats the raster painter draws fastest.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}
