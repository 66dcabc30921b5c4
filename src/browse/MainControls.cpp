#include "MainControls.h"

#include <cstring>

namespace MainControls {

const std::vector<Control>& all() {
    using K = Kind;
    static const std::vector<Control> table = {
        // name, frame, kind, caption, font slot, colour, cleared, field, spoken
        {Name::Frame1, "", K::Frame, "Movie List", -1, false, false, "", "Movie list"},
        {Name::Frame4, "", K::Frame, "Poster", -1, false, false, "", "Poster"},
        {Name::Frame5, "", K::Frame, "Title Information", -1, false, false, "",
         "Title information"},
        {Name::Frame11, "", K::Frame, "Comments", -1, false, false, "", "Comments"},
        {Name::Frame8, "", K::Frame, "Movie Crew", -1, false, false, "", "Movie crew"},
        {Name::Frame9, "", K::Frame, "Description", -1, false, false, "", "Description"},
        {Name::Frame6, "", K::Frame, "Misc Information", -1, false, false, "", "Misc information"},
        {Name::Frame2, "", K::Frame, "Video Information", -1, false, false, "",
         "Video information"},
        {Name::Frame3, "", K::Frame, "Audio Information", -1, false, false, "",
         "Audio information"},
        {Name::Frame7, "", K::Frame, "IMDB Rating", -1, false, false, "", "IMDB rating"},

        {Name::List1, Name::Frame1, K::List, "", 0, false, false, "Title", "Titles"},
        {Name::Command1, Name::Frame1, K::Button, "&Reload", -1, false, false, "", "Reload"},
        {Name::Command2, Name::Frame1, K::Button, "&Filter", -1, false, false, "", "Filter"},
        {Name::Image1, Name::Frame4, K::Image, "", -1, false, true, "CoverFile", "Cover"},

        {Name::Label1, Name::Frame5, K::Label, "Title:", 1, true, true, "Title", "Title"},
        {Name::Label11, Name::Frame5, K::Label, "IMDB", 2, true, true, "ImdbName", "IMDB title"},
        {Name::Label2, Name::Frame5, K::Label, "AKA", 3, true, true, "AkaTitle", "Also known as"},
        {Name::Label12, Name::Frame5, K::Label, "Genre", 4, true, true, "Genre", "Genre"},
        {Name::Text17, Name::Frame11, K::TextBox, "", 0, true, true, "Comments", "Comments"},
        {Name::Label13, Name::Frame8, K::Label, "Director:", 5, true, true, "Director", "Director"},
        {Name::Label14, Name::Frame8, K::Label, "Actors:", -1, false, false, "", "Actors"},
        {Name::Text14, Name::Frame8, K::TextBox, "", 0, true, true, "Actors", "Actors"},
        {Name::Label15, Name::Frame9, K::Label, "Tagline:", 5, true, true, "Tagline", "Tagline"},
        {Name::Label16, Name::Frame9, K::Label, "Summary:", -1, false, false, "", "Summary"},
        {Name::Text16, Name::Frame9, K::TextBox, "", 0, true, true, "Summary", "Summary"},
        {Name::Label31, Name::Frame9, K::Label, "MPPA", 5, true, true, "Mpaa", "MPAA rating"},

        {Name::Label3, Name::Frame6, K::Label, "IDX:", 0, true, true, "Idx", "Index"},
        {Name::Label32, Name::Frame6, K::Label, "User IDX", 0, true, true, "UserIdx", "User index"},
        {Name::Label33, Name::Frame6, K::Label, "Entry type", 0, true, true, "EntryType",
         "Entry type"},
        {Name::Label4, Name::Frame6, K::Label, "Year:", 0, true, true, "Year", "Year"},
        {Name::Label5, Name::Frame6, K::Label, "Status:", 0, true, true, "Status", "Status"},
        {Name::Label6, Name::Frame6, K::Label, "Place:", 0, true, true, "Location", "Location"},
        {Name::Label7, Name::Frame6, K::Label, "Rating:", 0, true, true, "Rating",
         "Reelkeep rating"},
        {Name::Label34, Name::Frame6, K::Label, "IMDB Rating", 0, true, true, "ImdbRating",
         "IMDB rating"},
        {Name::Label8, Name::Frame6, K::Label, "Runtime:", 0, true, true, "Runtime", "Runtime"},
        {Name::Label9, Name::Frame6, K::Label, "Type:", 0, true, true, "Medium", "Medium"},
        {Name::Label10, Name::Frame6, K::Label, "Language:", 0, true, true, "Language", "Language"},
        {Name::Label17, Name::Frame6, K::Label, "Added:", 0, true, true, "Entered", "Entered"},

        {Name::Label18, Name::Frame2, K::Label, "No Files", 0, true, true, "NoFiles",
         "Number of files"},
        {Name::Label19, Name::Frame2, K::Label, "Length", 0, true, true, "Length", "Length"},
        {Name::Label20, Name::Frame2, K::Label, "Format", 0, true, true, "Format", "Format"},
        {Name::Label21, Name::Frame2, K::Label, "Codec", 0, true, true, "VideoCodec",
         "Video codec"},
        {Name::Label22, Name::Frame2, K::Label, "Frame Rate", 0, true, true, "Framerate",
         "Frame rate"},
        {Name::Label23, Name::Frame2, K::Label, "Bitrate", 0, true, true, "VideoBitrate",
         "Video bitrate"},
        {Name::Label24, Name::Frame2, K::Label, "Width", 0, true, true, "Width", "Width"},
        {Name::Label25, Name::Frame2, K::Label, "Height", 0, true, true, "Height", "Height"},
        {Name::Label26, Name::Frame2, K::Label, "Aspect", 0, true, true, "", "Aspect ratio"},

        {Name::Label27, Name::Frame3, K::Label, "Codec", 0, true, true, "AudioCodec",
         "Audio codec"},
        {Name::Label28, Name::Frame3, K::Label, "Bitrate", 0, true, true, "AudioBitrate",
         "Audio bitrate"},
        {Name::Label29, Name::Frame3, K::Label, "Samplerate", 0, true, true, "Samplerate",
         "Sample rate"},
        {Name::Label30, Name::Frame3, K::Label, "Channels", 0, true, true, "AudioChannels",
         "Channels"},

        {Name::Label35, Name::Frame7, K::Label, "", 4, true, true, "ImdbRating", "IMDB rating"},
        {Name::ProgressBar1, Name::Frame7, K::Bar, "", -1, false, true, "", "IMDB rating bar"},
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
