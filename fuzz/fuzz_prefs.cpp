// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-edited settings: font specs, boolean texts and the whole start-up read over a store
// filled from the input. Whatever the store holds, every font must end up described and every
// unreadable value must fall back to its default.
//
// Input: values separated by LF, one per key of the key table in its order; a value that is the
// single byte 0x01 leaves its key absent, as do keys beyond the last value.
#include "FuzzSupport.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "support/MemorySettingsStore.h"

#include <QHash>
#include <QPair>

namespace {

void checkFont(const QString& spec) {
    FontPref font;
    font.Name = QStringLiteral("unchanged");
    font.Size = 77;
    font.Italic = true;
    font.Description = QStringLiteral("unchanged 77 points Italic ");
    font.Spec = spec;
    const FontPref before = font;
    if (!DescribeFont(font)) {
        fuzz::Check(font == before, "a failed font read changed the font", spec);
        return;
    }
    fuzz::Check(font.Spec == spec, "the spec changed", spec);
    fuzz::Check(font.Size >= 1, "a described font without a size", spec);
    fuzz::Check(spec.endsWith(font.Name), "the face name is not the end of the spec", spec);
    fuzz::Check(font.Description ==
                    FontDescription(font.Name, font.Size, font.Bold, font.Italic, font.Underline),
                "the description does not match the parts", spec);
}

void checkBoolean(const QString& text) {
    const std::optional<bool> value = ReadBooleanText(text);
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        fuzz::Check(value == true, "\"True\" not read as true", text);
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        fuzz::Check(value == false, "\"False\" not read as false", text);
    fuzz::Check(ReadExactTrue(text) == (text == QLatin1String("True")), "exact True", text);
}

void checkPreferences(const QList<QByteArray>& pieces, bool utf8) {
    MemorySettingsStore store;
    const auto& keys = SettingsKeys::all();
    for (qsizetype i = 0; i < pieces.size() && i < qsizetype(keys.size()); ++i) {
        if (pieces[i] == "\x01")
            continue;
        store.write(keys[i].application, keys[i].key,
                    utf8 ? QString::fromUtf8(pieces[i]) : QString::fromLatin1(pieces[i]));
    }
    const Preferences p = ReadPreferences(store);
    const QString& viewer = SettingsKeys::kViewer;
    auto stored = [&](const char* key) {
        return store.read(viewer, QString::fromLatin1(key),
                          SettingsKeys::fallbackOf(viewer, QString::fromLatin1(key)));
    };
    fuzz::Check(p.DBPath == stored("DBPath"), "DBPath");
    fuzz::Check(p.CoverPath == stored("CoverPath"), "CoverPath");
    for (int i = 0; i < 6; ++i) {
        const FontPref& font = p.Fonts[i];
        const QByteArray key = "Font" + QByteArray::number(i);
        fuzz::Check(font.Size >= 1 && !font.Description.isEmpty(), "a font left undescribed",
                    font.Spec);
        FontPref given;
        given.Spec = stored(key.constData());
        const bool readable = DescribeFont(given);
        fuzz::Check(font.Spec == (readable
                                      ? given.Spec
                                      : SettingsKeys::fallbackOf(viewer, QString::fromLatin1(key))),
                    "a font spec neither the stored one nor the default", font.Spec);
        fuzz::Check(font.Color == stored(("FColor" + QByteArray::number(i)).constData()),
                    "a font colour");
    }
    for (int k = 1; k <= 5; ++k) {
        const QByteArray n = QByteArray::number(k);
        const QString use = stored(("JBEU" + n).constData());
        if (const auto value = ReadBooleanText(use))
            fuzz::Check(p.JoveRules[k].Use == *value, "a rule's use ignores a readable value", use);
        fuzz::Check(p.JoveRules[k].Field == stored(("JBEF" + n).constData()), "a rule's field");
        fuzz::Check(p.JoveRules[k].Prefix == stored(("JBES" + n).constData()), "a rule's prefix");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> pieces =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\n');
    for (const QByteArray& piece : pieces) {
        for (const QString& text : {QString::fromUtf8(piece), QString::fromLatin1(piece)}) {
            checkFont(text);
            checkBoolean(text);
        }
    }
    checkPreferences(pieces, true);
    checkPreferences(pieces, false);
    return 0;
}
