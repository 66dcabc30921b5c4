// The batch rules: a title qualifies when a rule in use finds its prefix at the start of the
// named field, letter case ignored.
#pragma once

#include "catalogue/CurrentTitle.h"
#include "settings/JoveRule.h"

#include <array>

// Rules 1 to 5 of `rules` (entry 0 is unused); reads only Location, Medium and UserIdx.
bool EvaluateJoveBatch(const std::array<JoveRule, 6>& rules, const CurrentTitle& title);
