// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueText.h"

#include <QStringDecoder>
#include <cstring>

namespace {

// Windows-1252 is Latin-1 but for 0x80-0x9F. A fixed table, not the platform's converter: Qt
// built without ICU would fall back to Latin-1 and misread every "’" and "€". The five bytes
// the code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their code, as C1 controls.
constexpr char16_t kHighHalf[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178}; // 0x98

char16_t fromWindows1252(unsigned char c) {
    return (c & 0xE0) == 0x80 ? kHighHalf[c - 0x80] : char16_t(c);
}

} // namespace

bool IsPlainAscii(QByteArrayView bytes) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; p < end; ++p)
        if (static_cast<unsigned char>(*p) >= 0x80)
            return false;
    return true;
}

bool IsUtf8Catalogue(QByteArrayView bytes) {
    if (IsPlainAscii(bytes))
        return false;
    // Decoded in slices cut between characters, so that a Windows-1252 file is told apart at
    // its first accent without converting the whole file.
    constexpr qsizetype kSlice = 1 << 20;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = std::min(at + kSlice, bytes.size());
        while (end < bytes.size() && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            ++end;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString slice = utf8.decode(bytes.sliced(at, end - at)); // decodes when converted
        if (utf8.hasError())
            return false;
        at = end;
    }
    return true;
}

QString DecodeCatalogueText(QByteArrayView bytes, bool utf8) {
    if (utf8)
        return QString::fromUtf8(bytes);
    QString text;
    AppendCatalogueText(text, bytes, false);
    return text;
}

void AppendCatalogueText(QString& text, QByteArrayView bytes, bool utf8) {
    if (utf8) {
        text.append(QString::fromUtf8(bytes));
        return;
    }
    const qsizetype at = text.size();
    text.resize(at + bytes.size());
    WidenCatalogueText(reinterpret_cast<char16_t*>(text.data()) + at, bytes);
}

void WidenCatalogueTextPortable(char16_t* out, QByteArrayView bytes) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = fromWindows1252(in[i]);
}

#if defined(__GNUC__) || defined(__clang__)
// Blocks of 16 bytes are widened at once, and only a block holding a byte in 0x80-0x9F is
// looked up again, byte by byte. The last block overlaps the one before rather than reading
// past the text.
void WidenCatalogueText(char16_t* out, QByteArrayView bytes) {
    constexpr qsizetype kBlock = 16;
    using Bytes = unsigned char __attribute__((vector_size(kBlock)));
    using Units = unsigned short __attribute__((vector_size(2 * kBlock)));
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    if (n < kBlock) {
        WidenCatalogueTextPortable(out, bytes);
        return;
    }
    const auto widen = [&](qsizetype from) {
        Bytes block;
        std::memcpy(&block, in + from, sizeof block);
        const Units units = __builtin_convertvector(block, Units);
        std::memcpy(out + from, &units, sizeof units);
        const auto special = (block & 0xE0) == 0x80;
        quint64 halves[2];
        std::memcpy(halves, &special, sizeof halves);
        if (halves[0] | halves[1])
            for (qsizetype i = from; i < from + kBlock; ++i)
                out[i] = fromWindows1252(in[i]);
    };
    for (qsizetype i = 0; i + kBlock <= n; i += kBlock)
        widen(i);
    if (n % kBlock)
        widen(n - kBlock);
}
#else
void WidenCatalogueText(char16_t* out, QByteArrayView bytes) {
    WidenCatalogueTextPortable(out, bytes);
}
#endif

bool IsCatalogueText(QByteArrayView bytes, QStringView text) {
    if (bytes.size() != text.size())
        return false;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (fromWindows1252(in[i]) != text[i].unicode())
            return false;
    return true;
}

QString DecodeCatalogueBytes(const QByteArray& bytes) {
    return DecodeCatalogueText(bytes, IsUtf8Catalogue(bytes));
}
