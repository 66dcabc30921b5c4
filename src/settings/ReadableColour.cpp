// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadableColour.h"

#include "FontPref.h"
#include "SettingsKeys.h"

#include <cmath>

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableColour(const QColor& colour, const TextGround& ground) {
    if (!ground.dark())
        return colour;
    if (colour.toRgb() == QColor(Qt::black))
        return ground.text;
    const auto readable = [&](const QColor& c) {
        return ContrastRatio(c, ground.background) >= kReadableContrast;
    };
    if (readable(colour))
        return colour;
    // Lightness alone changes; each channel grows with it, so the first readable step is found
    // by halving.
    const float hue = colour.hslHueF();
    const float saturation = colour.hslSaturationF();
    // In the 8 bits a channel is drawn with, which may lose a little contrast.
    const auto at = [&](float lightness) {
        return QColor(QColor::fromHslF(hue, saturation, lightness).rgb());
    };
    float dim = colour.lightnessF();
    float bright = 1.0f;
    for (int step = 0; step < 16; ++step) {
        const float middle = (dim + bright) / 2;
        if (readable(at(middle)))
            bright = middle;
        else
            dim = middle;
    }
    return at(bright);
}

std::optional<QColor> FontColour(int slot, const QString& stored, const TextGround& ground) {
    const std::optional<QColor> colour = ColourFromPreference(stored);
    if (!colour)
        return std::nullopt;
    const QString key = SettingsKeys::numbered("FColor", slot);
    if (stored != SettingsKeys::fallbackOf(SettingsKeys::kViewer, key))
        return colour;
    return ReadableColour(*colour, ground);
}
