// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleFinder.h"

#include <QStringMatcher>

qsizetype FindTitle(const TitleKeys& titles, const QString& text, qsizetype from) {
    if (text.isEmpty() || titles.isEmpty())
        return -1;
    if (from < 0 || from >= titles.size())
        from = 0;
    // One matcher for the whole walk: the search is typed key by key into 100,000 titles.
    const QStringMatcher matcher(text, Qt::CaseInsensitive);
    for (qsizetype n = 0; n < titles.size(); ++n) {
        const qsizetype i = (from + n) % titles.size();
        if (matcher.indexIn(titles.at(i)) >= 0)
            return i;
    }
    return -1;
}
