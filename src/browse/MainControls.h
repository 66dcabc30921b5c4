// SPDX-License-Identifier: GPL-3.0-or-later
// Every control of the main window in one table: its objectName, the frame it sits in, its
// design caption, the font preference it takes, whether ClearForm empties it, the field of the
// title it shows and the name a screen reader gives it. Building the window, the layout pass,
// clearing, fonts and the display all read it: a control is added here and nowhere else.
#pragma once

#include <QLatin1StringView>
#include <QStringList>
#include <vector>

namespace MainControls {

// The objectNames, for the code that reaches one control by name.
namespace Name {
inline constexpr char Frame1[] = "Frame1";
inline constexpr char Frame4[] = "Frame4";
inline constexpr char Frame5[] = "Frame5";
inline constexpr char Frame11[] = "Frame11";
inline constexpr char Frame8[] = "Frame8";
inline constexpr char Frame9[] = "Frame9";
inline constexpr char Frame6[] = "Frame6";
inline constexpr char Frame2[] = "Frame2";
inline constexpr char Frame3[] = "Frame3";
inline constexpr char Frame7[] = "Frame7";
inline constexpr char List1[] = "List1";
inline constexpr char Command1[] = "Command1";
inline constexpr char Command2[] = "Command2";
inline constexpr char Image1[] = "Image1";
inline constexpr char Label1[] = "Label1";
inline constexpr char Label11[] = "Label11";
inline constexpr char Label2[] = "Label2";
inline constexpr char Label12[] = "Label12";
inline constexpr char Text17[] = "Text17";
inline constexpr char Label13[] = "Label13";
inline constexpr char Label14[] = "Label14";
inline constexpr char Text14[] = "Text14";
inline constexpr char Label15[] = "Label15";
inline constexpr char Label16[] = "Label16";
inline constexpr char Text16[] = "Text16";
inline constexpr char Label31[] = "Label31";
inline constexpr char Label3[] = "Label3";
inline constexpr char Label32[] = "Label32";
inline constexpr char Label33[] = "Label33";
inline constexpr char Label4[] = "Label4";
inline constexpr char Label5[] = "Label5";
inline constexpr char Label6[] = "Label6";
inline constexpr char Label7[] = "Label7";
inline constexpr char Label34[] = "Label34";
inline constexpr char Label8[] = "Label8";
inline constexpr char Label9[] = "Label9";
inline constexpr char Label10[] = "Label10";
inline constexpr char Label17[] = "Label17";
inline constexpr char Label18[] = "Label18";
inline constexpr char Label19[] = "Label19";
inline constexpr char Label20[] = "Label20";
inline constexpr char Label21[] = "Label21";
inline constexpr char Label22[] = "Label22";
inline constexpr char Label23[] = "Label23";
inline constexpr char Label24[] = "Label24";
inline constexpr char Label25[] = "Label25";
inline constexpr char Label26[] = "Label26";
inline constexpr char Label27[] = "Label27";
inline constexpr char Label28[] = "Label28";
inline constexpr char Label29[] = "Label29";
inline constexpr char Label30[] = "Label30";
inline constexpr char Label35[] = "Label35";
inline constexpr char ProgressBar1[] = "ProgressBar1";
} // namespace Name

enum class Kind { Frame, List, Button, Image, Label, TextBox, Bar };

struct Control {
    const char* name;  // objectName
    const char* frame; // the frame it sits in; empty for a frame
    Kind kind;
    const char* caption; // as the window is drawn, before any title is shown; in English, the
                         // source of its translation (context "MainControls")
    int fontSlot;        // the font preference it takes (0 to 5); -1: none
    bool colour;         // with that preference's colour, not only its face
    bool cleared;        // ClearForm empties it
    const char* field;   // the CurrentTitle field it shows, empty for none
    const char* spoken;  // its accessible name: what a screen reader calls it
};

// In the order the window creates them, which is also the order of the keyboard focus.
const std::vector<Control>& all();
// The row of `name`; null for a name the table does not hold.
const Control* find(QLatin1StringView name);
// The names of the rows of `kind` in `frame` ("" for every frame), in table order.
QStringList names(Kind kind, const char* frame = "");

} // namespace MainControls
