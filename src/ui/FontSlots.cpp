#include "FontSlots.h"

#include "MainLayout.h"

#include <QFontDatabase>

const std::vector<FontSlotUse>& FontSlotUses() {
    static const std::vector<FontSlotUse> uses = [] {
        std::vector<FontSlotUse> v;
        v.push_back({0, QStringLiteral("List1"), false});
        for (const char* text : {"Text14", "Text16", "Text17"})
            v.push_back({0, QString::fromLatin1(text), true});
        for (const char* frame : {"Frame6", "Frame2", "Frame3"})
            for (const QString& label : MainLayout::stackedLabels(QString::fromLatin1(frame)))
                v.push_back({0, label, true});
        v.push_back({1, QStringLiteral("Label1"), true});
        v.push_back({2, QStringLiteral("Label11"), true});
        v.push_back({3, QStringLiteral("Label2"), true});
        v.push_back({4, QStringLiteral("Label12"), true});
        v.push_back({4, QStringLiteral("Label35"), true});
        for (const char* label : {"Label13", "Label15", "Label31"})
            v.push_back({5, QString::fromLatin1(label), true});
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
