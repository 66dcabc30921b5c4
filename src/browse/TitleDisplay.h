// What the main window shows for a title, as a value: the caption and tooltip of every control
// the display writes, and the rating indicator. The window only applies it.
#pragma once

#include "CurrentTitle.h"
#include "NumberText.h"
#include "PathPieces.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

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

// The display of `title`; dates are named in `locale`.
TitleView DescribeTitle(const CurrentTitle& title, const QLocale& locale = QLocale());

// The title's IMDB page, or an IMDB title search for its IMDB name.
QString ImdbAddress(const CurrentTitle& title);
