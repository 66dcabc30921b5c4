// SPDX-License-Identifier: GPL-3.0-or-later
// The find box: the first title at or after `from` (wrapping round) that contains `text`,
// letter case ignored; -1 when none does or the text is empty.
#pragma once

#include "catalogue/TitleKeys.h"

#include <QString>

qsizetype FindTitle(const TitleKeys& titles, const QString& text, qsizetype from);
