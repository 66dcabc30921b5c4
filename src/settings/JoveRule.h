// One batch-export rule: when in use, a title matches when the named field begins with the
// prefix, letter case ignored.
#pragma once

#include <QString>

struct JoveRule {
    bool Use = false;
    QString Field; // "Location", "Medium" or "User Index"
    QString Prefix;

    friend bool operator==(const JoveRule&, const JoveRule&) = default;
};
