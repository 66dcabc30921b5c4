// SPDX-License-Identifier: GPL-3.0-or-later
#include "JoveRules.h"

namespace {

const QString* fieldOf(const QString& name, const CurrentTitle& title) {
    if (name == QLatin1String("Location"))
        return &title.Location;
    if (name == QLatin1String("Medium"))
        return &title.Medium;
    if (name == QLatin1String("User Index"))
        return &title.UserIdx;
    return nullptr;
}

} // namespace

bool EvaluateJoveBatch(const std::array<JoveRule, 6>& rules, const CurrentTitle& title) {
    for (int k = 1; k <= 5; ++k) {
        const JoveRule& rule = rules[k];
        if (!rule.Use)
            continue;
        const QString* field = fieldOf(rule.Field, title);
        if (field && field->left(rule.Prefix.size()).toUpper() == rule.Prefix.toUpper())
            return true;
    }
    return false;
}
