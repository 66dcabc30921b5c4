// SPDX-License-Identifier: GPL-3.0-or-later
// Text colours on light and dark desktops. The colour defaults were picked for dark text on a
// light window; on a dark desktop they would be dark on dark, so there a default is made readable
// while a colour the user picked is shown as picked.
#pragma once

#include <QColor>
#include <QString>
#include <optional>

// The lowest contrast at which normal-sized text counts as readable (WCAG 2, level AA).
inline constexpr double kReadableContrast = 4.5;

// WCAG 2 relative luminance: 0 for black, 1 for white.
double RelativeLuminance(const QColor& colour);
// WCAG 2 contrast ratio of two colours, in either order: 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// What a text is drawn on: the colour under it and the desktop's own text colour there.
struct TextGround {
    QColor background;
    QColor text;

    bool dark() const { return RelativeLuminance(background) < RelativeLuminance(text); }
};

// A colour meant for a light desktop, as shown on `ground`: unchanged on a light ground; on a
// dark one black becomes the ground's text colour and any other colour keeps its hue and is
// lightened just enough to reach kReadableContrast (white when even that falls short).
QColor ReadableColour(const QColor& colour, const TextGround& ground);

// The colour of font preference `slot` (0 to 5) as stored, as shown on `ground`: its key's
// default made readable there, any other colour as the user picked it; nullopt for a text that
// is no colour number.
std::optional<QColor> FontColour(int slot, const QString& stored, const TextGround& ground);
