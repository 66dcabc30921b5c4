// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontPref.h"

#include <cmath>
#include <limits>

namespace {

// A decimal number: digits with an optional fraction after a full stop.
bool parseSize(const QString& text, double& size) {
    if (text.isEmpty())
        return false;
    bool point = false;
    bool digit = false;
    for (const QChar c : text) {
        if (c == u'.' && !point)
            point = true;
        else if (c >= u'0' && c <= u'9')
            digit = true;
        else
            return false;
    }
    if (!digit)
        return false;
    size = text.toDouble();
    return true;
}

} // namespace

QString FontSizeText(double size) {
    return QString::number(size, 'g', 15);
}

QString FontDescription(const QString& name, int size, bool bold, bool italic, bool underline) {
    return FontDescription(name, double(size), bold, italic, underline);
}

QString FontDescription(const QString& name, double size, bool bold, bool italic, bool underline) {
    QString text = name + u' ' + FontSizeText(size) + QStringLiteral(" points ");
    if (bold)
        text += QStringLiteral("Bold ");
    if (italic)
        text += QStringLiteral("Italic ");
    if (underline)
        text += QStringLiteral("Underlined");
    return text;
}

bool DescribeFont(FontPref& font) {
    const QString& spec = font.Spec;
    const QString rest = spec.mid(3);
    const qsizetype blank = rest.indexOf(u' ');
    if (blank < 0)
        return false;
    double size = 0;
    if (!parseSize(rest.left(blank), size))
        return false;
    // Halves go to the even neighbour, as the font dialog's fractional sizes expect.
    const double rounded = std::nearbyint(size);
    if (rounded < 1 || rounded > std::numeric_limits<std::int16_t>::max())
        return false;

    font.Bold = spec.size() > 0 && spec.at(0) == u'B';
    font.Italic = spec.size() > 1 && spec.at(1) == u'I';
    font.Underline = spec.size() > 2 && spec.at(2) == u'U';
    font.Size = static_cast<std::int16_t>(rounded);
    font.Name = rest.mid(blank + 1);
    font.Description =
        FontDescription(font.Name, font.Size, font.Bold, font.Italic, font.Underline);
    return true;
}

QString FontSpec(const QString& name, double size, bool bold, bool italic, bool underline) {
    return QString(bold ? u'B' : u'_') + (italic ? u'I' : u'_') + (underline ? u'U' : u'_') +
           FontSizeText(size) + u' ' + name;
}

std::optional<QColor> ColourFromPreference(const QString& text) {
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok || n < 0 || n > 0xFFFFFF)
        return std::nullopt;
    return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

QString ColourPreference(const QColor& colour) {
    return QString::number(colour.blue() * 65536 + colour.green() * 256 + colour.red());
}
