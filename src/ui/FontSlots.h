// SPDX-License-Identifier: GPL-3.0-or-later
// Which controls take which of the six font preferences, and whether they take its colour.
#pragma once

#include <QFont>
#include <QString>
#include <vector>

struct FontSlotUse {
    int slot;
    QString control;
    bool colour; // the slot's colour too, not only its face
};

// From the main window's table of controls, in its order.
const std::vector<FontSlotUse>& FontSlotUses();

// A font by face name. Faces the system lacks are matched by fontconfig; a missing "... Black"
// face becomes its family at black weight, which keeps headings heavy where Arial Black is absent.
QFont FaceFont(const QString& face, int pointSize);
