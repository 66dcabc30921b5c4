// SPDX-License-Identifier: GPL-3.0-or-later
// A failure the program names by number, whatever failed: reading a catalogue file, writing an
// export, running MediaInfo. MessageTexts holds every number and text, and turns a failure into
// the message its part of the program shows.
#pragma once

#include <QString>

struct Failure {
    int number = 0;
    QString description; // English; "%1" in it stands for `value`, filled in where it is shown
    QString value;
    QString file;   // a catalogue file as its message names it ("imdb.dat"), else a path
    QString title;  // the title whose file it is, when there is one
    QString reason; // the system's reason: "No space left on device", "Permission denied"

    friend bool operator==(const Failure&, const Failure&) = default;
};
