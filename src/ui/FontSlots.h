// Which controls take which of the six font preferences, and whether they take its colour.
#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

struct FontSlotUse {
    int slot;
    QString control;
    bool colour; // the slot's colour too, not only its face
};

// In the order the layout applies them.
const std::vector<FontSlotUse>& FontSlotUses();

// A colour preference (blue*65536 + green*256 + red, as decimal text); nullopt when the text is
// no number, which leaves the control's colour as it was.
std::optional<QColor> ColourFromPreference(const QString& text);
