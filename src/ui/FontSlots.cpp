// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontSlots.h"

#include "browse/MainControls.h"

#include <QFontDatabase>

const std::vector<FontSlotUse>& FontSlotUses() {
    static const std::vector<FontSlotUse> uses = [] {
        std::vector<FontSlotUse> v;
        for (const MainControls::Control& c : MainControls::all())
            if (c.fontSlot >= 0)
                v.push_back({c.fontSlot, QString::fromLatin1(c.name), c.colour});
        return v;
    }();
    return uses;
}

QFont FaceFont(const QString& face, int pointSize) {
    static const QString black = QStringLiteral(" Black");
    QFont font(face, pointSize);
    font.setStyleHint(QFont::SansSerif);
    if (face.endsWith(black) && !QFontDatabase::hasFamily(face)) {
        font.setFamily(face.chopped(black.size()));
        font.setWeight(QFont::Black);
    }
    return font;
}
