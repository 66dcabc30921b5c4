// SPDX-License-Identifier: GPL-3.0-or-later
// A font preference: its stored spec ("B__10 Arial": three flag characters, the point size, a
// blank, the face name), its colour number and the parts parsed from the spec. Both formats are
// read and written here alone.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

struct FontPref {
    QString Name;
    std::int16_t Size = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    QString Color;       // decimal blue*65536 + green*256 + red, as stored
    QString Description; // "Arial 10 points Bold "
    QString Spec;

    friend bool operator==(const FontPref&, const FontPref&) = default;
};

// Parses font.Spec into Name, Size and the flags and rebuilds Description. False, leaving the
// font unchanged, when the spec has no blank after the size or the size is no usable number.
bool DescribeFont(FontPref& font);

// "Name Size points Bold Italic Underlined", each flag word present only when set.
QString FontDescription(const QString& name, int size, bool bold, bool italic, bool underline);
// The same for a size from the font dialog, which may be fractional ("Arial 10.5 points ").
QString FontDescription(const QString& name, double size, bool bold, bool italic, bool underline);

// A point size in its shortest decimal form: "12", "10.5".
QString FontSizeText(double size);

// The spec of a font as the settings dialog stores it: "B_U10.5 Arial".
QString FontSpec(const QString& name, double size, bool bold, bool italic, bool underline);

// A colour preference: blue * 65536 + green * 256 + red in decimal. nullopt for a text that is
// no such number.
std::optional<QColor> ColourFromPreference(const QString& text);
QString ColourPreference(const QColor& colour);
