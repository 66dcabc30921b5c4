// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnteredDate.h"

#include <QDateTime>
#include <QTime>

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::optional<QDate> isoDate(const QString& text) {
    if (text.size() < 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return std::nullopt;
    for (const int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!isAsciiDigit(text.at(i)))
            return std::nullopt;
    const QDate date(text.left(4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    if (text.size() == 10)
        return date;
    const QChar separator = text.at(10);
    const QString time = text.mid(11).trimmed();
    if (separator != u' ' && separator != u'T')
        return std::nullopt;
    // A zone suffix ("Z", "+01:00") is only understood by the date-time parser.
    if (QTime::fromString(time, Qt::ISODateWithMs).isValid() ||
        QDateTime::fromString(text.left(10) + u'T' + time, Qt::ISODateWithMs).isValid())
        return date;
    return std::nullopt;
}

// Qt reads "yy" as 19yy; dates typed in a two-digit short format are taken as 1930 to 2029, the
// window Windows uses, since the catalogue is younger than 1930.
std::optional<QDate> shortDate(const QString& text, const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const bool twoDigitYear =
        format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
    if (QDate date = locale.toDate(text, format); date.isValid()) {
        if (twoDigitYear && date.year() < 1930)
            date = date.addYears(100);
        return date;
    }
    if (twoDigitYear) {
        QString longYear = format;
        longYear.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        if (const QDate date = locale.toDate(text, longYear); date.isValid())
            return date;
    }
    return std::nullopt;
}

} // namespace

std::optional<QDate> ParseEnteredDate(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const auto date = isoDate(trimmed))
        return date;
    if (const auto date = shortDate(trimmed, locale))
        return date;
    if (const QDate date = locale.toDate(trimmed, QLocale::LongFormat); date.isValid())
        return date;
    return std::nullopt;
}

QString FormatEnteredDate(const QString& text, const QString& pattern, const QLocale& locale) {
    return FormatEnteredDate(text, pattern, locale, locale);
}

QString FormatEnteredDate(const QString& text, const QString& pattern, const QLocale& locale,
                          const QLocale& writtenIn) {
    const auto date = ParseEnteredDate(text, locale);
    return date ? writtenIn.toString(*date, pattern) : text;
}
