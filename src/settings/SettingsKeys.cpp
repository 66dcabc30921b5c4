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
        auto v = [](const char* key, const char* fallback) {
            return Key{kViewer, QString::fromLatin1(key), QString::fromLatin1(fallback)};
        };
        auto r = [](const char* key, const char* fallback) {
            return Key{kRkv, QString::fromLatin1(key), QString::fromLatin1(fallback)};
        };
        return std::vector<Key>{
            Key{kViewer, QStringLiteral("DBPath"), folder},
            Key{kViewer, QStringLiteral("CoverPath"), folder},
            v("Font0", "___9 Arial"),
            v("FColor0", "0"),
            v("Font1", "___12 Arial Black"),
            v("FColor1", "255"),
            v("Font2", "__U12 Arial Black"),
            v("FColor2", "8388608"),
            v("Font3", "___12 Arial Black"),
            v("FColor3", "0"),
            v("Font4", "B__12 Arial"),
            v("FColor4", "0"),
            v("Font5", "B__10 Arial"),
            v("FColor5", "255"),
            v("CpFolderImage", "True"),
            v("CpFolderOverwrite", "False"),
            v("JBEU1", "True"),
            v("JBEU2", "True"),
            v("JBEU3", "True"),
            v("JBEU4", "False"),
            v("JBEU5", "False"),
            v("JBEF1", "Location"),
            v("JBEF2", "Location"),
            v("JBEF3", "Location"),
            v("JBEF4", "Medium"),
            v("JBEF5", "User Index"),
            v("JBES1", "VCD-"),
            v("JBES2", "DVDR-"),
            v("JBES3", "CD-"),
            v("JBES4", "SVCD"),
            v("JBES5", "DVD-"),
            v("MediaInfo", "Not found"),
            r("MainLeft", "1000"),
            r("MainTop", "1000"),
            r("MainWidth", "6500"),
            r("MainHeight", "6500"),
            Key{kRkv, QStringLiteral("State"), std::nullopt},
            Key{kRkv, QStringLiteral("SavePath"), folder},
            r("Genre", "IMDB"),
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
