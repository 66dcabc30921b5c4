// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window shows for a title, as a value: the caption and tooltip of every control
// the display writes, and the rating indicator. The window only applies it.
#pragma once

#include "catalogue/CurrentTitle.h"
#include "catalogue/NumberText.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The most characters of one field a window control shows. Each control lays out and paints
// its whole text on every selection. A title costs most, since both the list and Label1 show it:
// measured by bench_viewer (release build, offscreen), a title of 8,192 characters is selected in
// 13 ms, of 10,240 in 15 ms and of 12,288 in 17 to 18 ms, with blanks or without; another label
// as long costs far less. A text box costs most with text without blanks, whose layout grows
// faster than its length: 6 ms at 8,192 characters, 72 ms at 65,536, and a box of 1 MB froze the
// window for most of a minute.
inline constexpr qsizetype kShownChars = 8 * 1024;

// `text` as a window control shows it: whole up to kShownChars characters, else its start and
// "…". The cut never parts a surrogate pair or a CR LF.
QString ShownText(QStringView text);

struct ControlText {
    QString control;                // objectName: "Label1", "Text17", ...
    QString text;                   // caption or text box contents
    std::optional<QString> toolTip; // nullopt: the control has no tooltip of its own

    friend bool operator==(const ControlText&, const ControlText&) = default;
};

struct RatingView {
    enum class Colour { Frame, Red, Yellow, Green }; // Frame: the frames' ordinary colour

    int barValue = 0;                  // 0 to 100
    QString caption;                   // Label35
    Colour colour = Colour::Frame;     // Label35's back colour
    std::optional<QString> barToolTip; // ProgressBar1's tooltip, when set

    friend bool operator==(const RatingView&, const RatingView&) = default;
};

struct TitleView {
    std::vector<ControlText> controls; // in the order they are written
    RatingView rating;
};

// The display of `title`; dates are named in `locale`. Every field is shown as ShownText gives it.
TitleView DescribeTitle(const CurrentTitle& title, const QLocale& locale = QLocale());

// The title's IMDB page, or an IMDB title search for its IMDB name.
QString ImdbAddress(const CurrentTitle& title);
