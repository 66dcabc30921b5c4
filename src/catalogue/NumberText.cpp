// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::optional<double> numberOf(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QString Aspected(const QString& width, const QString& height) {
    const auto w = numberOf(width);
    const auto h = numberOf(height);
    if (!w || !h || *w == 0 || *h == 0)
        return {};
    const double ratio = *w / *h;
    if (ratio > 2.34)
        return QStringLiteral("2.35:1");
    if (ratio > 1.84)
        return QStringLiteral("1.85:1");
    if (ratio > 1.77)
        return QStringLiteral("1.78:1 (16:9)");
    if (ratio > 1.55)
        return QStringLiteral("1.56:1 (14:9)");
    if (ratio > 1.33)
        return QStringLiteral("1.33:1 (4:3)");
    return {};
}

double LeadingNumber(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const bool negative = i < n && text.at(i) == u'-';
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    std::string mantissa;
    qsizetype point = -1; // digits before the decimal point
    for (; i < n; ++i) {
        if (isAsciiDigit(text.at(i)))
            mantissa += char(text.at(i).unicode());
        else if (text.at(i) == u'.' && point < 0)
            point = qsizetype(mantissa.size());
        else
            break;
    }
    if (mantissa.empty())
        return 0;
    if (point < 0)
        point = qsizetype(mantissa.size());
    // The exponent counts only when digits follow it: "7e" is 7. It saturates far beyond the
    // range of a double, which keeps overflow and underflow apart.
    long exponent = 0;
    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        const bool negativeExponent = j < n && text.at(j) == u'-';
        if (j < n && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        for (; j < n && isAsciiDigit(text.at(j)); ++j)
            exponent = std::min(exponent * 10 + (text.at(j).unicode() - '0'), 1'000'000L);
        if (negativeExponent)
            exponent = -exponent;
    }
    const std::string number =
        mantissa.substr(0, point) + '.' + mantissa.substr(point) + 'e' + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // The decimal magnitude tells overflow (an infinity) from underflow (0).
        const auto first = qsizetype(mantissa.find_first_not_of('0'));
        value = point - first + exponent > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}
