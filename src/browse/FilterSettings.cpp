// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilterSettings.h"

#include "platform/Clock.h"

FilterSettings FilterSettings::startValues(const Clock& clock) {
    const QDate today = clock.now().date();
    FilterSettings f;
    f.FilterYearText = today.toString(QStringLiteral("yyyy"));
    f.FilterEnteredText = today.toString(QStringLiteral("yyyy-MM-dd"));
    return f;
}
