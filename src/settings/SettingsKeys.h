// SPDX-License-Identifier: GPL-3.0-or-later
// Every key of the settings store with its application and its default, in one table.
#pragma once

#include <QString>
#include <optional>
#include <vector>

class SettingsStore;

namespace SettingsKeys {

inline const QString kViewer = QStringLiteral("ReelkeepViewer");
inline const QString kRkv = QStringLiteral("RKV");

// How a stored text is read; HowUnknownTextIsRead says what becomes of one it does not know.
enum class Reading {
    Text,        // as it stands
    FontSpec,    // "B__10 Arial"
    Colour,      // blue * 65536 + green * 256 + red
    ExactTrue,   // true only for "True"
    BooleanText, // "True"/"False" in any case, or a number
    RuleField,   // "Location", "Medium" or "User Index"
    Number,      // twips
    WindowState, // 0, 1 or 2
    GenreChoice, // "IMDB", "RK" or "COMBINE"
    FindScope,   // "Title" or "Everything"
    View,        // "List" or "Wall"
    TileSize,    // a cover's width on the wall, 80 to 300 pixels
};

struct Key {
    QString application;
    QString key;
    std::optional<QString> fallback; // nullopt: read without a default (the window state)
    Reading reading = Reading::Text;
};

// In the order of the key table; folder defaults are the platform's (see DefaultFolder).
const std::vector<Key>& all();
// The table entry, or nullptr for a key the program does not know.
const Key* find(const QString& application, const QString& key);
// The default of a known key; empty for one without.
QString fallbackOf(const QString& application, const QString& key);

// "C:\" on Windows; elsewhere the user's home folder with a closing "/".
QString DefaultFolder();

// The keys that come in sets: "Font" and 3 make "Font3".
QString numbered(const char* stem, int n);

// The stored text of a key of the table, or the table's default when it is absent.
QString readOrDefault(const SettingsStore& store, const QString& application, const QString& key);

} // namespace SettingsKeys
