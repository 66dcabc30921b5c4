// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineReader.h"

QString LineReader::readLine() {
    const qsizetype cr = text_.indexOf(u'\r', pos_);
    const qsizetype end = cr < 0 ? text_.size() : cr;
    QString line = text_.mid(pos_, end - pos_);
    pos_ = end;
    if (cr >= 0) {
        ++pos_;
        if (pos_ < text_.size() && text_.at(pos_) == u'\n')
            ++pos_;
    }
    return line;
}
