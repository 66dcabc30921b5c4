// SPDX-License-Identifier: GPL-3.0-or-later
// The entry date is free text. Where it is shown or compared as a date, it is read as ISO
// ("YYYY-MM-DD", optionally followed by a time) or in the locale's short or long date format;
// a text that is none of these is used as it stands.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

std::optional<QDate> ParseEnteredDate(const QString& text, const QLocale& locale = QLocale());

// The date in `pattern` (Qt date format, e.g. "dd MMM yyyy"), written with the digits and names
// of `writtenIn`; the text unchanged when it is no date.
QString FormatEnteredDate(const QString& text, const QString& pattern,
                          const QLocale& locale = QLocale());
QString FormatEnteredDate(const QString& text, const QString& pattern, const QLocale& locale,
                          const QLocale& writtenIn);
