// SPDX-License-Identifier: GPL-3.0-or-later
// Physical lines of a decoded catalogue file. A line ends at CR or at CR LF; a lone LF does not
// end a line and stays in the text. The end of the last line needs no terminator, and a final
// terminator does not start another (empty) line.
#pragma once

#include <QString>

class LineReader {
public:
    explicit LineReader(QString text) : text_(std::move(text)) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    // The next line; only valid while !atEnd().
    QString readLine();

private:
    QString text_;
    qsizetype pos_ = 0;
};
