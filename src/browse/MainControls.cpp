// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainControls.h"

#include <QCoreApplication>

#include <cstring>

namespace MainControls {

const std::vector<Control>& all() {
    using K = Kind;
    static const std::vector<Control> table = {
        // name, frame, kind, caption, font slot, colour, cleared, field, spoken
        {Name::Frame1, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Movie List"), -1, false,
         false, "", QT_TRANSLATE_NOOP("MainControls", "Movie list")},
        {Name::Frame4, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Poster"), -1, false, false,
         "", QT_TRANSLATE_NOOP("MainControls", "Poster")},
        {Name::Frame5, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Title Information"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Title information")},
        {Name::Frame11, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Comments"), -1, false,
         false, "", QT_TRANSLATE_NOOP("MainControls", "Comments")},
        {Name::Frame8, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Movie Crew"), -1, false,
         false, "", QT_TRANSLATE_NOOP("MainControls", "Movie crew")},
        {Name::Frame9, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Description"), -1, false,
         false, "", QT_TRANSLATE_NOOP("MainControls", "Description")},
        {Name::Frame6, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Misc Information"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Misc information")},
        {Name::Frame2, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Video Information"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Video information")},
        {Name::Frame3, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "Audio Information"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Audio information")},
        {Name::Frame7, "", K::Frame, QT_TRANSLATE_NOOP("MainControls", "IMDB Rating"), -1, false,
         false, "", QT_TRANSLATE_NOOP("MainControls", "IMDB rating")},

        {Name::List1, Name::Frame1, K::List, "", 0, false, false, "Title",
         QT_TRANSLATE_NOOP("MainControls", "Titles")},
        {Name::Command1, Name::Frame1, K::Button, QT_TRANSLATE_NOOP("MainControls", "&Reload"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Reload")},
        {Name::Command2, Name::Frame1, K::Button, QT_TRANSLATE_NOOP("MainControls", "&Filter"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Filter")},
        {Name::Image1, Name::Frame4, K::Image, "", -1, false, true, "CoverFile",
         QT_TRANSLATE_NOOP("MainControls", "Cover")},

        {Name::Label1, Name::Frame5, K::Label, QT_TRANSLATE_NOOP("MainControls", "Title:"), 1, true,
         true, "Title", QT_TRANSLATE_NOOP("MainControls", "Title")},
        {Name::Label11, Name::Frame5, K::Label, QT_TRANSLATE_NOOP("MainControls", "IMDB"), 2, true,
         true, "ImdbName", QT_TRANSLATE_NOOP("MainControls", "IMDB title")},
        {Name::Label2, Name::Frame5, K::Label, QT_TRANSLATE_NOOP("MainControls", "AKA"), 3, true,
         true, "AkaTitle", QT_TRANSLATE_NOOP("MainControls", "Also known as")},
        {Name::Label12, Name::Frame5, K::Label, QT_TRANSLATE_NOOP("MainControls", "Genre"), 4, true,
         true, "Genre", QT_TRANSLATE_NOOP("MainControls", "Genre")},
        {Name::Text17, Name::Frame11, K::TextBox, "", 0, true, true, "Comments",
         QT_TRANSLATE_NOOP("MainControls", "Comments")},
        {Name::Label13, Name::Frame8, K::Label, QT_TRANSLATE_NOOP("MainControls", "Director:"), 5,
         true, true, "Director", QT_TRANSLATE_NOOP("MainControls", "Director")},
        {Name::Label14, Name::Frame8, K::Label, QT_TRANSLATE_NOOP("MainControls", "Actors:"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Actors")},
        {Name::Text14, Name::Frame8, K::TextBox, "", 0, true, true, "Actors",
         QT_TRANSLATE_NOOP("MainControls", "Actors")},
        {Name::Label15, Name::Frame9, K::Label, QT_TRANSLATE_NOOP("MainControls", "Tagline:"), 5,
         true, true, "Tagline", QT_TRANSLATE_NOOP("MainControls", "Tagline")},
        {Name::Label16, Name::Frame9, K::Label, QT_TRANSLATE_NOOP("MainControls", "Summary:"), -1,
         false, false, "", QT_TRANSLATE_NOOP("MainControls", "Summary")},
        {Name::Text16, Name::Frame9, K::TextBox, "", 0, true, true, "Summary",
         QT_TRANSLATE_NOOP("MainControls", "Summary")},
        {Name::Label31, Name::Frame9, K::Label, QT_TRANSLATE_NOOP("MainControls", "MPPA"), 5, true,
         true, "Mpaa", QT_TRANSLATE_NOOP("MainControls", "MPAA rating")},

        {Name::Label3, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "IDX:"), 0, true,
         true, "Idx", QT_TRANSLATE_NOOP("MainControls", "Index")},
        {Name::Label32, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "User IDX"), 0,
         true, true, "UserIdx", QT_TRANSLATE_NOOP("MainControls", "User index")},
        {Name::Label33, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Entry type"), 0,
         true, true, "EntryType", QT_TRANSLATE_NOOP("MainControls", "Entry type")},
        {Name::Label4, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Year:"), 0, true,
         true, "Year", QT_TRANSLATE_NOOP("MainControls", "Year")},
        {Name::Label5, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Status:"), 0,
         true, true, "Status", QT_TRANSLATE_NOOP("MainControls", "Status")},
        {Name::Label6, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Place:"), 0, true,
         true, "Location", QT_TRANSLATE_NOOP("MainControls", "Location")},
        {Name::Label7, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Rating:"), 0,
         true, true, "Rating", QT_TRANSLATE_NOOP("MainControls", "Reelkeep rating")},
        {Name::Label34, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "IMDB Rating"), 0,
         true, true, "ImdbRating", QT_TRANSLATE_NOOP("MainControls", "IMDB rating")},
        {Name::Label8, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Runtime:"), 0,
         true, true, "Runtime", QT_TRANSLATE_NOOP("MainControls", "Runtime")},
        {Name::Label9, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Type:"), 0, true,
         true, "Medium", QT_TRANSLATE_NOOP("MainControls", "Medium")},
        {Name::Label10, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Language:"), 0,
         true, true, "Language", QT_TRANSLATE_NOOP("MainControls", "Language")},
        {Name::Label17, Name::Frame6, K::Label, QT_TRANSLATE_NOOP("MainControls", "Added:"), 0,
         true, true, "Entered", QT_TRANSLATE_NOOP("MainControls", "Entered")},

        {Name::Label18, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "No Files"), 0,
         true, true, "NoFiles", QT_TRANSLATE_NOOP("MainControls", "Number of files")},
        {Name::Label19, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Length"), 0,
         true, true, "Length", QT_TRANSLATE_NOOP("MainControls", "Length")},
        {Name::Label20, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Format"), 0,
         true, true, "Format", QT_TRANSLATE_NOOP("MainControls", "Format")},
        {Name::Label21, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Codec"), 0, true,
         true, "VideoCodec", QT_TRANSLATE_NOOP("MainControls", "Video codec")},
        {Name::Label22, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Frame Rate"), 0,
         true, true, "Framerate", QT_TRANSLATE_NOOP("MainControls", "Frame rate")},
        {Name::Label23, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Bitrate"), 0,
         true, true, "VideoBitrate", QT_TRANSLATE_NOOP("MainControls", "Video bitrate")},
        {Name::Label24, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Width"), 0, true,
         true, "Width", QT_TRANSLATE_NOOP("MainControls", "Width")},
        {Name::Label25, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Height"), 0,
         true, true, "Height", QT_TRANSLATE_NOOP("MainControls", "Height")},
        {Name::Label26, Name::Frame2, K::Label, QT_TRANSLATE_NOOP("MainControls", "Aspect"), 0,
         true, true, "", QT_TRANSLATE_NOOP("MainControls", "Aspect ratio")},

        {Name::Label27, Name::Frame3, K::Label, QT_TRANSLATE_NOOP("MainControls", "Codec"), 0, true,
         true, "AudioCodec", QT_TRANSLATE_NOOP("MainControls", "Audio codec")},
        {Name::Label28, Name::Frame3, K::Label, QT_TRANSLATE_NOOP("MainControls", "Bitrate"), 0,
         true, true, "AudioBitrate", QT_TRANSLATE_NOOP("MainControls", "Audio bitrate")},
        {Name::Label29, Name::Frame3, K::Label, QT_TRANSLATE_NOOP("MainControls", "Samplerate"), 0,
         true, true, "Samplerate", QT_TRANSLATE_NOOP("MainControls", "Sample rate")},
        {Name::Label30, Name::Frame3, K::Label, QT_TRANSLATE_NOOP("MainControls", "Channels"), 0,
         true, true, "AudioChannels", QT_TRANSLATE_NOOP("MainControls", "Channels")},

        {Name::Label35, Name::Frame7, K::Label, "", 4, true, true, "ImdbRating",
         QT_TRANSLATE_NOOP("MainControls", "IMDB rating")},
        {Name::ProgressBar1, Name::Frame7, K::Bar, "", -1, false, true, "",
         QT_TRANSLATE_NOOP("MainControls", "IMDB rating bar")},
    };
    return table;
}

const Control* find(QLatin1StringView name) {
    for (const Control& c : all())
        if (name == QLatin1StringView(c.name))
            return &c;
    return nullptr;
}

QStringList names(Kind kind, const char* frame) {
    QStringList out;
    for (const Control& c : all())
        if (c.kind == kind && (!*frame || std::strcmp(c.frame, frame) == 0))
            out << QString::fromLatin1(c.name);
    return out;
}

} // namespace MainControls
