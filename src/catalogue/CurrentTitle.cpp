// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurrentTitle.h"

#define RKV_FIELD(name)                                                                            \
    CurrentTitle::Field {                                                                          \
#name, &CurrentTitle::name                                                                 \
    }

const std::array<CurrentTitle::Field, 38>& CurrentTitle::fields() {
    // clang-format off
    static const std::array<Field, 38> all = {
        RKV_FIELD(Title), RKV_FIELD(EntryType), RKV_FIELD(Location), RKV_FIELD(CatalogueGenre),
        RKV_FIELD(Status), RKV_FIELD(Medium), RKV_FIELD(Rating), RKV_FIELD(AkaTitle),
        RKV_FIELD(Comments), RKV_FIELD(Idx), RKV_FIELD(UserIdx),
        RKV_FIELD(ImdbName), RKV_FIELD(Year), RKV_FIELD(Director), RKV_FIELD(Tagline),
        RKV_FIELD(Summary), RKV_FIELD(ImdbGenre), RKV_FIELD(Actors), RKV_FIELD(Mpaa),
        RKV_FIELD(Language), RKV_FIELD(Runtime), RKV_FIELD(ImdbRating), RKV_FIELD(ImdbLink),
        RKV_FIELD(Format), RKV_FIELD(NoFiles), RKV_FIELD(Length), RKV_FIELD(Width),
        RKV_FIELD(Height), RKV_FIELD(Framerate), RKV_FIELD(VideoBitrate), RKV_FIELD(VideoCodec),
        RKV_FIELD(AudioBitrate), RKV_FIELD(AudioCodec), RKV_FIELD(AudioChannels),
        RKV_FIELD(Samplerate),
        RKV_FIELD(CoverFile), RKV_FIELD(Genre), RKV_FIELD(Entered),
    };
    // clang-format on
    return all;
}

#undef RKV_FIELD

void ClearCurrentTitle(CurrentTitle& title) {
    title = CurrentTitle{};
}
