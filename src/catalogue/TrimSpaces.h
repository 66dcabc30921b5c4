// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Removes leading and trailing blanks only; tabs and other white space are data.
inline QStringView TrimSpaces(QStringView text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.sliced(first, last - first);
}

inline QString TrimSpaces(const QString& text) {
    return TrimSpaces(QStringView(text)).toString();
}
