#include "Preferences.h"

#include "SettingsKeys.h"
#include "SettingsStore.h"

namespace {

using SettingsKeys::kRkv;
using SettingsKeys::kViewer;

QString read(const SettingsStore& store, const QString& application, const QString& key) {
    return store.read(application, key, SettingsKeys::fallbackOf(application, key));
}

QString numbered(const char* stem, int n) {
    return QString::fromLatin1(stem) + QString::number(n);
}

} // namespace

bool ReadExactTrue(const QString& text) {
    return text == QLatin1String("True");
}

std::optional<bool> ReadBooleanText(const QString& text) {
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool number = false;
    const double value = text.trimmed().toDouble(&number);
    if (number)
        return value != 0;
    return std::nullopt;
}

Preferences ReadPreferences(const SettingsStore& store) {
    Preferences p;
    p.DBPath = read(store, kViewer, QStringLiteral("DBPath"));
    p.CoverPath = read(store, kViewer, QStringLiteral("CoverPath"));

    for (const int i : {1, 2, 3, 4, 5, 0}) {
        FontPref& font = p.Fonts[i];
        font.Spec = read(store, kViewer, numbered("Font", i));
        font.Color = read(store, kViewer, numbered("FColor", i));
    }
    for (int i = 0; i < 6; ++i) {
        FontPref& font = p.Fonts[i];
        if (!DescribeFont(font)) {
            // A hand-edited spec that cannot be read counts as absent.
            font.Spec = SettingsKeys::fallbackOf(kViewer, numbered("Font", i));
            DescribeFont(font);
        }
    }

    p.CpFolderImage = ReadExactTrue(read(store, kViewer, QStringLiteral("CpFolderImage")));
    p.CpFolderOverwrite = ReadExactTrue(read(store, kViewer, QStringLiteral("CpFolderOverwrite")));

    for (int k = 1; k <= 5; ++k) {
        const QString key = numbered("JBEU", k);
        p.JoveRules[k].Use =
            ReadBooleanText(read(store, kViewer, key))
                .value_or(*ReadBooleanText(SettingsKeys::fallbackOf(kViewer, key)));
    }
    for (int k = 1; k <= 5; ++k)
        p.JoveRules[k].Field = read(store, kViewer, numbered("JBEF", k));
    for (int k = 1; k <= 5; ++k)
        p.JoveRules[k].Prefix = read(store, kViewer, numbered("JBES", k));

    p.GenreSource = read(store, kRkv, QStringLiteral("Genre"));
    return p;
}
