// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsKeys.h"

#include "platform/SettingsStore.h"

#include <QDir>

namespace SettingsKeys {

QString DefaultFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    QString home = QDir::homePath();
    return home.endsWith(u'/') ? home : home + u'/';
#endif
}

const std::vector<Key>& all() {
    static const std::vector<Key> table = [] {
        const QString folder = DefaultFolder();
        auto v = [](const char* key, const char* fallback, Reading reading = Reading::Text) {
            return Key{kViewer, QString::fromLatin1(key), QString::fromLatin1(fallback), reading};
        };
        auto r = [](const char* key, const char* fallback, Reading reading) {
            return Key{kRkv, QString::fromLatin1(key), QString::fromLatin1(fallback), reading};
        };
        using R = Reading;
        return std::vector<Key>{
            Key{kViewer, QStringLiteral("DBPath"), folder},
            Key{kViewer, QStringLiteral("CoverPath"), folder},
            v("Font0", "___9 Arial", R::FontSpec),
            v("FColor0", "0", R::Colour),
            v("Font1", "___12 Arial Black", R::FontSpec),
            v("FColor1", "255", R::Colour),
            v("Font2", "__U12 Arial Black", R::FontSpec),
            v("FColor2", "8388608", R::Colour),
            v("Font3", "___12 Arial Black", R::FontSpec),
            v("FColor3", "0", R::Colour),
            v("Font4", "B__12 Arial", R::FontSpec),
            v("FColor4", "0", R::Colour),
            v("Font5", "B__10 Arial", R::FontSpec),
            v("FColor5", "255", R::Colour),
            v("CpFolderImage", "True", R::ExactTrue),
            v("CpFolderOverwrite", "False", R::ExactTrue),
            v("JBEU1", "True", R::BooleanText),
            v("JBEU2", "True", R::BooleanText),
            v("JBEU3", "True", R::BooleanText),
            v("JBEU4", "False", R::BooleanText),
            v("JBEU5", "False", R::BooleanText),
            v("JBEF1", "Location", R::RuleField),
            v("JBEF2", "Location", R::RuleField),
            v("JBEF3", "Location", R::RuleField),
            v("JBEF4", "Medium", R::RuleField),
            v("JBEF5", "User Index", R::RuleField),
            v("JBES1", "VCD-"),
            v("JBES2", "DVDR-"),
            v("JBES3", "CD-"),
            v("JBES4", "SVCD"),
            v("JBES5", "DVD-"),
            v("MediaInfo", "Not found"),
            r("MainLeft", "1000", R::Number),
            r("MainTop", "1000", R::Number),
            r("MainWidth", "6500", R::Number),
            r("MainHeight", "6500", R::Number),
            Key{kRkv, QStringLiteral("State"), std::nullopt, R::WindowState},
            Key{kRkv, QStringLiteral("SavePath"), folder},
            r("Genre", "IMDB", R::GenreChoice),
            // Ours, after the long-standing keys.
            r("FindScope", "Title", R::FindScope),
            r("View", "List", R::View),
            r("TileSize", "160", R::TileSize),
        };
    }();
    return table;
}

const Key* find(const QString& application, const QString& key) {
    for (const Key& k : all())
        if (k.application == application && k.key == key)
            return &k;
    return nullptr;
}

QString fallbackOf(const QString& application, const QString& key) {
    const Key* k = find(application, key);
    return k && k->fallback ? *k->fallback : QString();
}

QString numbered(const char* stem, int n) {
    return QString::fromLatin1(stem) + QString::number(n);
}

QString readOrDefault(const SettingsStore& store, const QString& application, const QString& key) {
    return store.read(application, key, fallbackOf(application, key));
}

} // namespace SettingsKeys
