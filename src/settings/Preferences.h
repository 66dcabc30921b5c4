// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences read once at start-up, with the defaults of the key table for absent keys
// and for hand-edited values that cannot be read; how each key is read and written. A key's
// name and default live in SettingsKeys, its format here and in FontPref.
#pragma once

#include "FontPref.h"
#include "JoveRules.h"
#include "platform/SettingsStore.h"

#include <QString>
#include <array>
#include <optional>

struct Preferences {
    QString DBPath;
    QString CoverPath;
    std::array<FontPref, 6>
        Fonts; // 0 body text, 1 title, 2 IMDB link, 3 AKA, 4 genre, 5 sub titles
    bool CpFolderImage = true;
    bool CpFolderOverwrite = false;
    std::array<JoveRule, 6> JoveRules; // entries 1 to 5; entry 0 is unused
    QString GenreSource;

    friend bool operator==(const Preferences&, const Preferences&) = default;
};

// Reads every start-up preference from the store, in the order start-up reads them.
Preferences ReadPreferences(const SettingsStore& store);

// Booleans as the export switches are stored: true only for the exact text "True".
bool ReadExactTrue(const QString& text);
// Booleans of the batch rules: "True"/"False" in any letter case, or a number (0 is false).
// nullopt for anything else.
std::optional<bool> ReadBooleanText(const QString& text);
// A window edge or size in twips; nullopt for a text that is no number.
std::optional<double> ReadNumber(const QString& text);
// The window state: 0 normal, 1 minimised, 2 maximised; nullopt for anything else.
std::optional<int> ReadWindowState(const QString& text);

// The batch export's folder, read where it is used rather than at start-up.
QString ReadSavePath(const SettingsStore& store);

// The MediaInfo program the Media Info window offers: the one the user picked, else mediainfo
// on the search path, else the key's default. Only the user's own pick is ever stored.
QString ReadMediaInfoTool(const SettingsStore& store);
SettingsSaved WriteMediaInfoTool(SettingsStore& store, const QString& tool);

// What the find box looks in: the titles, or every fact of each title. Stored as "Title" or
// "Everything" as soon as the user picks it.
enum class FindScope { Title, Everything };
FindScope ReadFindScope(const SettingsStore& store);
SettingsSaved WriteFindScope(SettingsStore& store, FindScope scope);

// How the titles are shown: as the list, or as a wall of their covers. Stored as "List" or
// "Wall" as soon as the user switches.
enum class ViewMode { List, Wall };
ViewMode ReadViewMode(const SettingsStore& store);
SettingsSaved WriteViewMode(SettingsStore& store, ViewMode mode);

// A cover's width on the wall in pixels; a stored text that is no whole number in this range
// reads as the key's default.
constexpr int kTileSizeMin = 80;
constexpr int kTileSizeMax = 300;
int ReadTileSize(const SettingsStore& store);
// Null for a text that is no whole number from kTileSizeMin to kTileSizeMax.
std::optional<int> ReadTileSizeText(const QString& text);
SettingsSaved WriteTileSize(SettingsStore& store, int pixels);

// What the settings dialog's "&Ok" stores, in its order, in one save: the fonts and colours,
// the export switches, the export folder, the genre choice and the batch rules.
SettingsSaved WritePreferences(SettingsStore& store, const Preferences& prefs,
                               const QString& savePath);

// The main window's place in twips and its state, as "Close and Save" keeps them.
struct WindowPlace {
    std::optional<double> left, top, width, height; // nullopt: not stored, or no number
    std::optional<int> state;                       // 0 normal, 1 minimised, 2 maximised
    bool stored = false; // any of the four edges is stored; the rest are the key table's defaults
};
WindowPlace ReadWindowPlace(const SettingsStore& store);
// "Close and Save": the database and covers folders and, when given, the window's place, in
// one save.
SettingsSaved WriteClosingState(SettingsStore& store, const Preferences& prefs,
                                const std::optional<WindowPlace>& place);

// How a stored text is read when its key's reading does not know it ("read as IMDB"); nullopt
// when it is read as it stands, and for a key the program does not know.
std::optional<QString> HowUnknownTextIsRead(const QString& application, const QString& key,
                                            const QString& text);
