// SPDX-License-Identifier: GPL-3.0-or-later
// The batch rules: a title qualifies when a rule in use finds its prefix at the start of the
// named field, letter case ignored. The rules are stored as the JoveRule keys of the settings.
#pragma once

#include "catalogue/CurrentTitle.h"

#include <QString>
#include <array>

struct JoveRule {
    bool Use = false;
    QString Field; // "Location", "Medium" or "User Index"
    QString Prefix;

    friend bool operator==(const JoveRule&, const JoveRule&) = default;
};

// Rules 1 to 5 of `rules` (entry 0 is unused); reads only Location, Medium and UserIdx.
bool EvaluateJoveBatch(const std::array<JoveRule, 6>& rules, const CurrentTitle& title);
