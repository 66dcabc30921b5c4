// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the four catalogue files know about one title. All text; empty means unknown.
#pragma once

#include <QString>
#include <array>

struct CurrentTitle {
    // Title file
    QString Title, EntryType, Location, CatalogueGenre, Status, Medium, Rating, AkaTitle, Comments,
        Idx, UserIdx;
    // IMDB file
    QString ImdbName, Year, Director, Tagline, Summary, ImdbGenre, Actors, Mpaa, Language, Runtime,
        ImdbRating, ImdbLink;
    // History file
    QString Entered;
    // Media file
    QString Format, NoFiles, Length, Width, Height, Framerate, VideoBitrate, VideoCodec,
        AudioBitrate, AudioCodec, AudioChannels, Samplerate;
    // Derived
    QString CoverFile, Genre;

    struct Field {
        const char* name;
        QString CurrentTitle::*member;
    };
    // Every field with its name: title, IMDB and media fields, then CoverFile, Genre, Entered.
    static const std::array<Field, 38>& fields();

    friend bool operator==(const CurrentTitle&, const CurrentTitle&) = default;
};

void ClearCurrentTitle(CurrentTitle& title);
