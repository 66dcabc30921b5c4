// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoldedText.h"

#include <QList>
#include <array>
#include <memory>

namespace {

// A Basic Multilingual Plane character folded to one unit, or one of these two marks.
constexpr char16_t kNone = 0xFFFF; // folds to nothing: a combining mark
constexpr char16_t kMany = 0xFFFE; // folds to several units (a Hangul syllable's jamo)

QString foldSlow(char32_t c) {
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D);
    QString folded;
    for (const char32_t part : decomposed.toUcs4()) {
        if (QChar::category(part) == QChar::Mark_NonSpacing)
            continue;
        const char32_t lower = QChar::toCaseFolded(part);
        folded.append(QString::fromUcs4(&lower, 1));
    }
    return folded;
}

// The whole plane folded once, on first use: a find folds megabytes of text per keystroke.
const std::array<char16_t, 0x10000>& planeTable() {
    static const std::unique_ptr<std::array<char16_t, 0x10000>> table = [] {
        auto t = std::make_unique<std::array<char16_t, 0x10000>>();
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (c < 0x80) {
                (*t)[c] = char16_t(c >= 'A' && c <= 'Z' ? c + 32 : c);
                continue;
            }
            if (QChar::isSurrogate(c)) {
                (*t)[c] = char16_t(c);
                continue;
            }
            const QString folded = foldSlow(c);
            (*t)[c] = folded.isEmpty()     ? kNone
                      : folded.size() == 1 ? folded.at(0).unicode()
                                           : kMany;
        }
        return t;
    }();
    return *table;
}

// Folds `text`, and when `starts` is given, records for each folded unit the position in
// `text` of the character it came from.
QString foldWithPositions(QStringView text, QList<qsizetype>* starts) {
    const auto& table = planeTable();
    QString out;
    out.reserve(text.size());
    if (starts)
        starts->reserve(text.size() + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const qsizetype from = i;
        QString many;
        char16_t one = table[unit];
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            many = foldSlow(QChar::surrogateToUcs4(unit, text[++i].unicode()));
            one = kMany;
        } else if (one == kMany) {
            many = foldSlow(unit);
        }
        if (one == kNone)
            continue;
        if (one != kMany) {
            out.append(QChar(one));
            if (starts)
                starts->append(from);
            continue;
        }
        out.append(many);
        if (starts)
            for (qsizetype k = 0; k < many.size(); ++k)
                starts->append(from);
    }
    if (starts)
        starts->append(text.size());
    return out;
}

} // namespace

QString FoldedText::fold(QStringView text) {
    return foldWithPositions(text, nullptr);
}

QString FoldedText::foldChar(char32_t c) {
    if (c < 0x10000) {
        const char16_t one = planeTable()[c];
        if (one == kNone)
            return {};
        if (one != kMany)
            return QString(QChar(one));
    }
    return foldSlow(c);
}

std::optional<FoldedText::Span> FoldedText::find(QStringView text, QStringView foldedNeedle) {
    if (foldedNeedle.isEmpty())
        return std::nullopt;
    QList<qsizetype> starts;
    const QString folded = foldWithPositions(text, &starts);
    const qsizetype at = folded.indexOf(foldedNeedle);
    if (at < 0)
        return std::nullopt;
    // The match ends where the next character begins: the whole of the last character it
    // touches, and any mark after it that folds to nothing, belong to it.
    const qsizetype last = starts[at + foldedNeedle.size() - 1];
    qsizetype k = at + foldedNeedle.size();
    while (starts[k] <= last)
        ++k;
    const qsizetype end = starts[k];
    return Span{starts[at], end};
}

bool FoldedText::contains(QStringView text, QStringView foldedNeedle) {
    return !foldedNeedle.isEmpty() && fold(text).contains(foldedNeedle);
}
