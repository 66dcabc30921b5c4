// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers and dates out of free text: aspect names, leading numbers and entry dates, under a
// fixed English (United States) locale and under the C locale.
//
// Input: UTF-8 text; its LF-separated lines are, in turn, a width, a height and a date pattern,
// and the first eight lines are also read as a leading number and as an entry date.
#include "FuzzSupport.h"
#include "catalogue/EnteredDate.h"
#include "catalogue/NumberText.h"

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The number text LeadingNumber is meant to read, cut out by hand and read by strtod.
double referenceNumber(const QString& text, bool& found) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    std::string number;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        number += char(text.at(i++).unicode());
    bool point = false;
    found = false;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9')
            found = true;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
        number += char(c.unicode());
    }
    if (!found)
        return 0;
    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < n && (text.at(j) == u'+' || text.at(j) == u'-'))
            exponent += char(text.at(j++).unicode());
        bool digits = false;
        for (; j < n && text.at(j) >= u'0' && text.at(j) <= u'9'; ++j) {
            exponent += char(text.at(j).unicode());
            digits = true;
        }
        if (digits)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

void checkNumber(const QString& text) {
    const double value = LeadingNumber(text);
    fuzz::Check(!std::isnan(value), "LeadingNumber gave NaN", text);
    bool found = false;
    const double reference = referenceNumber(text, found);
    if (!found) {
        fuzz::Check(value == 0, "a number without digits", text);
        return;
    }
    // strtod keeps subnormal results; rounding them to zero is fine.
    const bool subnormal = reference != 0 && std::fabs(reference) < DBL_MIN;
    if (!(subnormal && value == 0))
        fuzz::Check(value == reference, "LeadingNumber differs from strtod",
                    text + QStringLiteral("\n") + QString::number(value, 'g', 17) + u' ' +
                        QString::number(reference, 'g', 17));
}

void checkAspect(const QString& width, const QString& height) {
    static const QStringList names = {QString(),
                                      QStringLiteral("2.35:1"),
                                      QStringLiteral("1.85:1"),
                                      QStringLiteral("1.78:1 (16:9)"),
                                      QStringLiteral("1.56:1 (14:9)"),
                                      QStringLiteral("1.33:1 (4:3)")};
    const QString aspect = Aspected(width, height);
    fuzz::Check(names.contains(aspect), "an unknown aspect name", aspect);
}

void checkDate(const QString& text, const QString& pattern, const QLocale& locale) {
    const std::optional<QDate> date = ParseEnteredDate(text, locale);
    const QString iso = FormatEnteredDate(text, QStringLiteral("yyyy-MM-dd"), locale);
    FormatEnteredDate(text, pattern, locale);
    if (!date) {
        fuzz::Check(iso == text, "a text that is no date was changed", text);
        return;
    }
    fuzz::Check(date->isValid(), "an invalid date", text);
    if (date->year() < 1000 || date->year() > 9999)
        return;
    fuzz::Check(iso == date->toString(Qt::ISODate), "the date was not formatted", text);
    fuzz::Check(ParseEnteredDate(iso, locale) == date, "a formatted date reads differently",
                text + QStringLiteral(" -> ") + iso);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList lines = text.split(u'\n');
    while (lines.size() < 3)
        lines.append(QString());
    // A pattern is repeated per date part; a long one only slows the run.
    const QString pattern = lines[2].left(64);

    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QLocale& locale : {english, QLocale::c()}) {
        QLocale::setDefault(locale);
        checkAspect(lines[0], lines[1]);
        for (qsizetype i = 0; i < lines.size() && i < 8; ++i) {
            checkNumber(lines[i]);
            checkDate(lines[i], pattern, locale);
        }
    }
    return 0;
}
