// The preferences read once at start-up, with the defaults of the key table for absent keys
// and for hand-edited values that cannot be read.
#pragma once

#include "FontPref.h"
#include "JoveRule.h"

#include <QString>
#include <array>
#include <optional>

class SettingsStore;

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
// A colour: blue * 65536 + green * 256 + red in decimal; nullopt for anything else.
std::optional<int> ReadColourNumber(const QString& text);
// A window edge or size in twips; nullopt for a text that is no number.
std::optional<double> ReadNumber(const QString& text);
// The window state: 0 normal, 1 minimised, 2 maximised; nullopt for anything else.
std::optional<int> ReadWindowState(const QString& text);

// How a stored text is read when its key's reading does not know it ("read as IMDB"); nullopt
// when it is read as it stands, and for a key the program does not know.
std::optional<QString> HowUnknownTextIsRead(const QString& application, const QString& key,
                                            const QString& text);
