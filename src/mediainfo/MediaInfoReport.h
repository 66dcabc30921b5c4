// SPDX-License-Identifier: GPL-3.0-or-later
// The report of MediaInfo as the window shows and saves it.
#pragma once

#include "platform/Failure.h"

#include <QString>
#include <optional>

// The report as the report box shows it: every non-empty line followed by "\n". Lines may end
// with LF, CR LF or CR.
QString NonEmptyLines(const QString& report);

// Writes `text` to `path` as UTF-8 with the platform's line ends, replacing the file as a whole
// so that a failure leaves any earlier file as it was.
std::optional<Failure> SaveReport(const QString& path, const QString& text);
