// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoldedNeedle.h"

#include "CatalogueText.h"
#include "FoldedText.h"

#include <array>
#include <cstring>

namespace {

// Each Windows-1252 byte folded. Every character of the code page folds to exactly one unit.
const std::array<char16_t, 256>& byteTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString folded = FoldedText::fold(DecodeCatalogueText({&byte, 1}, false));
            Q_ASSERT(folded.size() == 1);
            t[size_t(b)] = folded.isEmpty() ? char16_t(0) : folded.at(0).unicode();
        }
        return t;
    }();
    return table;
}

} // namespace

FoldedNeedle::FoldedNeedle(QStringView text) : folded_(FoldedText::fold(text)) {
    // A first unit no ASCII byte folds to leaves only the bytes above 0x7F as candidates.
    first_[0] = first_[1] = 0x80;
    if (!folded_.isEmpty() && folded_.at(0).unicode() < 0x80) {
        const char16_t c = folded_.at(0).unicode();
        first_[0] = static_cast<unsigned char>(c);
        first_[1] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
}

// The first byte from `p` on, up to `last`, that may begin a match: one of the two ASCII bytes
// of the first unit, or any byte above 0x7F. Sixteen bytes at a time where the compiler can.
const unsigned char* FoldedNeedle::nextCandidate(const unsigned char* p,
                                                 const unsigned char* last) const {
#if defined(__GNUC__) || defined(__clang__)
    constexpr int kBlock = 16;
    using Bytes = unsigned char __attribute__((vector_size(kBlock)));
    for (; last - p >= kBlock; p += kBlock) {
        Bytes block;
        std::memcpy(&block, p, sizeof block);
        const auto hit = (block == first_[0]) | (block == first_[1]) | (block >= 0x80);
        quint64 halves[2];
        std::memcpy(halves, &hit, sizeof halves);
        if (halves[0] | halves[1])
            break;
    }
#endif
    for (; p < last; ++p)
        if (*p == first_[0] || *p == first_[1] || *p >= 0x80)
            return p;
    return last;
}

// Whether the needle matches at `at`; `undecided` when UTF-8 text past ASCII is met, which
// only decoding can settle.
bool FoldedNeedle::foundAt(const unsigned char* at, const unsigned char* end, bool utf8,
                           bool& undecided) const {
    const auto& table = byteTable();
    if (end - at < folded_.size())
        return false;
    for (qsizetype k = 0; k < folded_.size(); ++k) {
        if (utf8 && at[k] >= 0x80) {
            undecided = true;
            return false;
        }
        if (table[at[k]] != folded_.at(k).unicode())
            return false;
    }
    return true;
}

bool FoldedNeedle::foundIn(QByteArrayView bytes, bool utf8) const {
    if (folded_.isEmpty() || bytes.size() < folded_.size())
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* end = p + bytes.size();
    // A match begins at the latest where as many bytes remain as the needle has units.
    const unsigned char* last = end - folded_.size() + 1;
    for (p = nextCandidate(p, last); p < last; p = nextCandidate(p + 1, last)) {
        bool undecided = utf8 && *p >= 0x80;
        if (!undecided && foundAt(p, end, utf8, undecided))
            return true;
        if (undecided)
            return FoldedText::contains(DecodeCatalogueText(bytes, true), folded_);
    }
    return false;
}
