// SPDX-License-Identifier: GPL-3.0-or-later
#include "Preferences.h"

#include "SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace {

using SettingsKeys::kRkv;
using SettingsKeys::kViewer;

using SettingsKeys::numbered;

QString read(const SettingsStore& store, const QString& application, const QString& key) {
    return SettingsKeys::readOrDefault(store, application, key);
}

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

const QString kSavePath = QStringLiteral("SavePath");
const QString kMediaInfo = QStringLiteral("MediaInfo");
const QString kFindScope = QStringLiteral("FindScope");
const QString kView = QStringLiteral("View");
const QString kTileSize = QStringLiteral("TileSize");
const char* const kPlaceKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

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

std::optional<double> ReadNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> ReadWindowState(const QString& text) {
    bool whole = false;
    const int value = text.trimmed().toInt(&whole);
    if (!whole || value < 0 || value > 2)
        return std::nullopt;
    return value;
}

std::optional<QString> HowUnknownTextIsRead(const QString& application, const QString& key,
                                            const QString& text) {
    const SettingsKeys::Key* k = SettingsKeys::find(application, key);
    if (!k)
        return std::nullopt;
    const auto isOneOf = [&](std::initializer_list<const char*> known) {
        return std::any_of(known.begin(), known.end(),
                           [&](const char* value) { return text == QLatin1String(value); });
    };
    const QString asDefault =
        QStringLiteral("it is read as %1").arg(k->fallback.value_or(QString()));
    FontPref font;
    font.Spec = text;
    using R = SettingsKeys::Reading;
    switch (k->reading) {
    case R::Text:
        return std::nullopt;
    case R::FontSpec:
        return DescribeFont(font) ? std::nullopt : std::optional(asDefault);
    case R::Colour:
        if (ColourFromPreference(text))
            return std::nullopt;
        return QStringLiteral("it is no colour number: the desktop's colour is used");
    case R::ExactTrue:
        if (isOneOf({"True", "False"}))
            return std::nullopt;
        return QStringLiteral("it is read as False (only True is true)");
    case R::BooleanText:
        return ReadBooleanText(text) ? std::nullopt : std::optional(asDefault);
    case R::RuleField:
        if (isOneOf({"Location", "Medium", "User Index"}))
            return std::nullopt;
        return QStringLiteral("the rule selects no title (the fields are Location, Medium and "
                              "User Index)");
    case R::Number:
        if (ReadNumber(text))
            return std::nullopt;
        return QStringLiteral("it is not a number: the window keeps the place and size it opens "
                              "with");
    case R::WindowState:
        if (ReadWindowState(text))
            return std::nullopt;
        return QStringLiteral("it is read as no state (the values are 0, 1 and 2)");
    case R::GenreChoice:
        if (isOneOf({"IMDB", "RK", "COMBINE"}))
            return std::nullopt;
        return QStringLiteral("it is read as IMDB (the values are IMDB, RK and COMBINE)");
    case R::FindScope:
        if (isOneOf({"Title", "Everything"}))
            return std::nullopt;
        return QStringLiteral("it is read as Title (the values are Title and Everything)");
    case R::View:
        if (isOneOf({"List", "Wall"}))
            return std::nullopt;
        return QStringLiteral("it is read as List (the values are List and Wall)");
    case R::TileSize:
        if (ReadTileSizeText(text))
            return std::nullopt;
        return QStringLiteral("it is read as %1 (a width in pixels from %2 to %3)")
            .arg(k->fallback.value_or(QString()))
            .arg(kTileSizeMin)
            .arg(kTileSizeMax);
    }
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

QString ReadSavePath(const SettingsStore& store) {
    return read(store, kRkv, kSavePath);
}

QString ReadMediaInfoTool(const SettingsStore& store) {
    if (const std::optional<QString> stored = store.value(kViewer, kMediaInfo))
        return *stored;
    const QString found = QStandardPaths::findExecutable(QStringLiteral("mediainfo"));
    return found.isEmpty() ? SettingsKeys::fallbackOf(kViewer, kMediaInfo)
                           : QDir::toNativeSeparators(found);
}

SettingsSaved WriteMediaInfoTool(SettingsStore& store, const QString& tool) {
    return store.write(kViewer, kMediaInfo, tool);
}

FindScope ReadFindScope(const SettingsStore& store) {
    return read(store, kRkv, kFindScope) == QLatin1String("Everything") ? FindScope::Everything
                                                                        : FindScope::Title;
}

SettingsSaved WriteFindScope(SettingsStore& store, FindScope scope) {
    return store.write(kRkv, kFindScope,
                       scope == FindScope::Everything ? QStringLiteral("Everything")
                                                      : QStringLiteral("Title"));
}

ViewMode ReadViewMode(const SettingsStore& store) {
    return read(store, kRkv, kView) == QLatin1String("Wall") ? ViewMode::Wall : ViewMode::List;
}

SettingsSaved WriteViewMode(SettingsStore& store, ViewMode mode) {
    return store.write(kRkv, kView,
                       mode == ViewMode::Wall ? QStringLiteral("Wall") : QStringLiteral("List"));
}

std::optional<int> ReadTileSizeText(const QString& text) {
    bool whole = false;
    const int value = text.trimmed().toInt(&whole);
    if (!whole || value < kTileSizeMin || value > kTileSizeMax)
        return std::nullopt;
    return value;
}

int ReadTileSize(const SettingsStore& store) {
    return ReadTileSizeText(read(store, kRkv, kTileSize))
        .value_or(SettingsKeys::fallbackOf(kRkv, kTileSize).toInt());
}

SettingsSaved WriteTileSize(SettingsStore& store, int pixels) {
    return store.write(kRkv, kTileSize, QString::number(pixels));
}

SettingsSaved WritePreferences(SettingsStore& store, const Preferences& p,
                               const QString& savePath) {
    QList<SettingsEntry> entries;
    for (const int n : {1, 2, 3, 4, 5, 0}) {
        entries.append({kViewer, numbered("Font", n), p.Fonts[n].Spec});
        entries.append({kViewer, numbered("FColor", n), p.Fonts[n].Color});
    }
    entries.append({kViewer, QStringLiteral("CpFolderImage"), boolText(p.CpFolderImage)});
    entries.append({kViewer, QStringLiteral("CpFolderOverwrite"), boolText(p.CpFolderOverwrite)});
    entries.append({kRkv, kSavePath, savePath});
    entries.append({kRkv, QStringLiteral("Genre"), p.GenreSource});
    for (int k = 1; k <= 5; ++k)
        entries.append({kViewer, numbered("JBEU", k), boolText(p.JoveRules[k].Use)});
    for (int k = 1; k <= 5; ++k)
        entries.append({kViewer, numbered("JBEF", k), p.JoveRules[k].Field});
    for (int k = 1; k <= 5; ++k)
        entries.append({kViewer, numbered("JBES", k), p.JoveRules[k].Prefix});
    return store.save(entries);
}

WindowPlace ReadWindowPlace(const SettingsStore& store) {
    WindowPlace place;
    std::optional<double>* edges[] = {&place.left, &place.top, &place.width, &place.height};
    for (int i = 0; i < 4; ++i) {
        const QString key = QString::fromLatin1(kPlaceKeys[i]);
        *edges[i] = ReadNumber(read(store, kRkv, key));
        place.stored = place.stored || store.value(kRkv, key).has_value();
    }
    if (const auto state = store.value(kRkv, QStringLiteral("State")))
        place.state = ReadWindowState(*state);
    return place;
}

SettingsSaved WriteClosingState(SettingsStore& store, const Preferences& prefs,
                                const std::optional<WindowPlace>& place) {
    QList<SettingsEntry> entries{{kViewer, QStringLiteral("DBPath"), prefs.DBPath},
                                 {kViewer, QStringLiteral("CoverPath"), prefs.CoverPath}};
    if (place) {
        const std::optional<double> edges[] = {place->left, place->top, place->width,
                                               place->height};
        for (int i = 0; i < 4; ++i)
            if (edges[i])
                entries.append({kRkv, QString::fromLatin1(kPlaceKeys[i]),
                                QString::number(std::lround(*edges[i]))});
        if (place->state)
            entries.append({kRkv, QStringLiteral("State"), QString::number(*place->state)});
    }
    return store.save(entries);
}
