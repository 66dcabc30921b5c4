// SPDX-License-Identifier: GPL-3.0-or-later
// A text to find, folded (FoldedText), looked for straight in a catalogue file's bytes: a find
// over every fact of 100,000 titles reads some 100 MB per keystroke, far too much to decode.
// Windows-1252 bytes are folded through a table, one byte to one unit as their characters fold;
// UTF-8 text is compared byte for byte while it is plain ASCII and decoded where it is not.
#pragma once

#include <QByteArrayView>
#include <QString>

class FoldedNeedle {
public:
    explicit FoldedNeedle(QStringView text);

    const QString& folded() const { return folded_; }
    bool isEmpty() const { return folded_.isEmpty(); }

    // Whether the text `bytes` decode to, in a file of the given encoding, holds the needle once
    // folded. Line breaks count as the characters they are.
    bool foundIn(QByteArrayView bytes, bool utf8) const;

private:
    bool foundAt(const unsigned char* at, const unsigned char* end, bool utf8,
                 bool& undecided) const;
    const unsigned char* nextCandidate(const unsigned char* p, const unsigned char* last) const;

    QString folded_;
    unsigned char first_[2]; // the ASCII bytes that fold to the needle's first unit
};
