#include "CatalogueText.h"

#include <QStringDecoder>
#include <array>
#include <cstring>

namespace {

// Windows-1252 byte -> UTF-16, as the platform's converter maps it (undefined bytes keep
// their code as C1 controls).
const std::array<char16_t, 256>& windows1252() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(all);
        for (int i = 0; i < 256; ++i)
            t[i] = text.size() == 256 ? text.at(i).unicode() : char16_t(i);
        return t;
    }();
    return table;
}

// Windows-1252 is Latin-1 but for 0x80-0x9F.
char16_t fromWindows1252(unsigned char c) {
    return (c & 0xE0) == 0x80 ? windows1252()[c] : char16_t(c);
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
        for (qsizetype i = 0; i < n; ++i)
            out[i] = fromWindows1252(in[i]);
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
