// SPDX-License-Identifier: GPL-3.0-or-later
// Reader failures met during a walk over the title list: each is shown the first time the walk
// meets it in a file, not once per title.
#pragma once

#include "catalogue/ReaderResult.h"

#include <QSet>
#include <QString>

class Prompts;

class WalkReports {
public:
    explicit WalkReports(Prompts& prompts) : prompts_(prompts) {}

    // `file` names the reader ("title", "imdb", "media", "history").
    const ReaderResult& report(const char* file, const ReaderResult& result);

private:
    Prompts& prompts_;
    QSet<QString> shown_;
};
