// SPDX-License-Identifier: GPL-3.0-or-later
// Text as the find box and the filter's "Contains" compare it: letter case and accents ignored.
// Each character is decomposed canonically, its combining marks are dropped and it is case
// folded one character to one, so "Léon" reads "leon" and "ÉCOLE" "ecole", while "straße" keeps
// its "ß". Folding goes character by character, which lets a catalogue's raw bytes be folded
// through a table (FoldedNeedle) exactly as their decoded text would be.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class FoldedText {
public:
    static QString fold(QStringView text);
    // One character as fold() folds it; most give one unit, a combining mark none.
    static QString foldChar(char32_t c);

    // Where `foldedNeedle` first occurs in `text` once folded, as the part of `text` it covers;
    // nullopt when nowhere or when the needle is empty.
    struct Span {
        qsizetype begin;
        qsizetype end;
    };
    static std::optional<Span> find(QStringView text, QStringView foldedNeedle);
    static bool contains(QStringView text, QStringView foldedNeedle);
};
