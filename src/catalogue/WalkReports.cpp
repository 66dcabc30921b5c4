// SPDX-License-Identifier: GPL-3.0-or-later
#include "WalkReports.h"

#include "platform/Prompts.h"

const ReaderResult& WalkReports::report(const char* file, const ReaderResult& result) {
    if (const auto message = result.message()) {
        const QString key = QString::fromLatin1(file);
        if (!shown_.contains(key)) {
            shown_.insert(key);
            prompts_.message(*message);
        }
    }
    return result;
}
