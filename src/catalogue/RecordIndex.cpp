// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordIndex.h"

#include "CatalogueText.h"

#include <algorithm>
#include <array>
#include <cstring>

using RecordSteps::FileKind;
using RecordSteps::Shape;

namespace {

bool ascii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// A hint to fetch memory into the cache ahead of its use; compilers without the built-in
// simply go without.
template <int ForWriting = 0> void prefetchAddress([[maybe_unused]] const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address, ForWriting);
#endif
}

} // namespace

RecordIndex::RecordIndex(FileBytes bytes, FileKind kind)
    : bytes_(std::move(bytes)), utf8_(IsUtf8Catalogue(bytes_.view())) {
    build(kind);
}

QString RecordIndex::text(const Span& span) const {
    const QByteArrayView bytes = bytes_.view().sliced(span.begin, span.end - span.begin);
    prefetch(span);
    QString joined = DecodeCatalogueText(bytes, utf8_);
    // Continuation lines are joined with "^"; a lone LF is data and stays.
    if (bytes.contains('\r')) {
        joined.replace(QStringLiteral("\r\n"), QStringLiteral("^"));
        joined.replace(u'\r', u'^');
    }
    return joined;
}

// Every line of a record's start is prefetched at once, not one by one as the decoder reaches
// it: in a walk the records are far apart. Past a few kilobytes the processor's own prefetching
// has caught on.
void RecordIndex::prefetch(const Span& span) const {
    const qsizetype end = std::min(span.end, span.begin + 4096);
    for (qsizetype at = span.begin; at < end; at += 64)
        prefetchAddress(bytes_.data() + at);
}

template <typename Match>
const RecordIndex::Slot* RecordIndex::probe(size_t hash, Match match) const {
    const auto* table = reinterpret_cast<const Slot*>(slotBlock_.data());
    for (size_t at = hash & slotMask_;; at = (at + 1) & slotMask_) {
        const Slot& slot = table[at];
        if (!slot.entry)
            return nullptr;
        if (slot.hash == quint32(hash) && match(slot))
            return &slot;
    }
}

void RecordIndex::expect(QStringView next, QStringView afterNext) const {
    // A hint is no reason to wait for a table another thread is building.
    if (!hashed_.load(std::memory_order_acquire))
        return;
    const auto* table = reinterpret_cast<const Slot*>(slotBlock_.data());
    prefetchAddress(table + (qHash(afterNext) & slotMask_));
    // The first slot with the key's hash is most likely the key's; the lookup tells for sure.
    if (const Slot* slot = probe(qHash(next), [](const Slot&) { return true; }))
        prefetch(slot->record);
}

void RecordIndex::hashKeys() const {
    if (hashed_.load(std::memory_order_acquire))
        return;
    const std::lock_guard lock(hashing_);
    if (hashed_.load(std::memory_order_relaxed))
        return;
    size_t capacity = 16;
    while (capacity < size_t(keys_.size()) * 2)
        capacity *= 2;
    slotBlock_ = FileBytes::zeroed(qsizetype(capacity * sizeof(Slot)));
    auto* table = reinterpret_cast<Slot*>(slotBlock_.data());
    slotMask_ = capacity - 1;
    // The slots of the keys a few places on are prefetched while this one goes in: in a large
    // table nearly every slot is a miss of its own.
    constexpr qsizetype kAhead = 8;
    std::array<size_t, kAhead> ahead{};
    const auto hashAhead = [&](qsizetype i) {
        if (i < keys_.size()) {
            ahead[size_t(i % kAhead)] = qHash(keys_.at(i));
            prefetchAddress<1>(table + (ahead[size_t(i % kAhead)] & slotMask_));
        }
    };
    for (qsizetype i = 0; i < kAhead; ++i)
        hashAhead(i);
    for (qsizetype i = 0; i < keys_.size(); ++i) {
        const QStringView key = keys_.at(i);
        const size_t hash = ahead[size_t(i % kAhead)];
        hashAhead(i + kAhead);
        for (size_t at = hash & slotMask_;; at = (at + 1) & slotMask_) {
            Slot& slot = table[at];
            if (!slot.entry) {
                slot = {quint32(hash), quint32(i + 1), keyInRecord_[size_t(i)], spans_[size_t(i)]};
                break;
            }
            if (slot.hash == quint32(hash) && keys_.at(slot.entry - 1) == key)
                break; // an earlier record has the key
        }
    }
    std::vector<bool>().swap(keyInRecord_);
    hashed_.store(true, std::memory_order_release);
}

bool RecordIndex::holdsKey(const Slot& slot, QStringView key) const {
    if (!slot.keyInRecord)
        return keys_.at(slot.entry - 1) == key;
    // The key runs from after the framing's two bytes to the record's first bar.
    const qsizetype keyAt = slot.record.begin + 2;
    if (keyAt + key.size() >= slot.record.end)
        return false;
    const char* bytes = bytes_.data() + keyAt;
    return bytes[key.size()] == '|' && !std::memchr(bytes, '|', size_t(key.size())) &&
           IsCatalogueText(QByteArrayView(bytes, key.size()), key);
}

const RecordIndex::Slot* RecordIndex::slotFor(QStringView key) const {
    hashKeys();
    return probe(qHash(key), [&](const Slot& slot) { return holdsKey(slot, key); });
}

std::optional<QString> RecordIndex::recordFor(const QString& key) const {
    // Every keyed record comes before the stopping one.
    if (const Slot* slot = slotFor(key))
        return text(slot->record);
    if (stops_)
        return text(spans_.back());
    return std::nullopt;
}

std::optional<QByteArrayView> RecordIndex::keyedRecord(QStringView key) const {
    if (const Slot* slot = slotFor(key))
        return bytes_.view().sliced(slot->record.begin, slot->record.end - slot->record.begin);
    return std::nullopt;
}

std::optional<QString> RecordIndex::stopRecord() const {
    if (!stops_)
        return std::nullopt;
    return text(spans_.back());
}

void RecordIndex::appendKey(const Span& key, qsizetype firstLineEnd) {
    const QByteArrayView bytes = bytes_.view().sliced(key.begin, key.end - key.begin);
    if (key.end > firstLineEnd && bytes.contains('\r')) {
        keys_.append(QStringView(text(key))); // a key over several lines: joined with "^"
        keyInRecord_.push_back(false);
        return;
    }
    keys_.appendCatalogueText(bytes, utf8_);
    keyInRecord_.push_back(!utf8_ || IsPlainAscii(bytes));
}

std::optional<RecordIndex::QuickShape> RecordIndex::quickShape(FileKind kind, const Span& record,
                                                               qsizetype firstLineEnd,
                                                               qsizetype lastLineBegin) const {
    const char* data = bytes_.data();
    const bool continued = kind == FileKind::Title || kind == FileKind::Imdb;
    const qsizetype length = record.end - record.begin;
    const char* firstBar = nullptr;
    if (!continued) {
        const bool framedLine =
            length > 0 && (data[record.begin] == '~' || data[record.end - 1] == '~');
        if (!framedLine)
            return QuickShape{Shape::Kind::Stop, {}};
    } else {
        firstBar = static_cast<const char*>(std::memchr(data + record.begin, '|', size_t(length)));
        if (!firstBar)
            return QuickShape{kind == FileKind::Title ? Shape::Kind::Stop : Shape::Kind::Skipped,
                              {}};
    }
    // Two plain characters at each end of lines long enough to hold them: the framing drops
    // exactly two bytes at each end, and the record has at least four characters.
    if (firstLineEnd - record.begin < 2 || record.end - lastLineBegin < 2 || length < 4 ||
        !ascii(data[record.begin]) || !ascii(data[record.begin + 1]) ||
        !ascii(data[record.end - 1]) || !ascii(data[record.end - 2]))
        return std::nullopt;
    const char* framedBegin = data + record.begin + 2;
    const char* framedEnd = data + record.end - 2;
    const char* bar = firstBar;
    if (!bar || bar < framedBegin)
        bar = static_cast<const char*>(
            std::memchr(framedBegin, '|', size_t(framedEnd - framedBegin)));
    else if (bar >= framedEnd)
        bar = nullptr;
    if (!bar)
        return QuickShape{continued ? Shape::Kind::Stop : Shape::Kind::Skipped, {}};
    return QuickShape{Shape::Kind::Keyed, {framedBegin - data, bar - data}};
}

void RecordIndex::build(FileKind kind) {
    const char* data = bytes_.data();
    const qsizetype size = bytes_.size();
    const bool continued = kind == FileKind::Title || kind == FileKind::Imdb;
    // The tables are sized from the first records, which are much like the rest: growing
    // tables of megabytes step by step copies them into fresh memory again and again.
    constexpr qsizetype kSample = 256;
    spans_.reserve(size_t(kSample) + 1);
    keyInRecord_.reserve(size_t(kSample));
    keys_.reserve(kSample, kSample * 32);
    qsizetype records = 0;
    qsizetype pos = 0;
    // One physical line: [begin, end) and where the next one starts.
    auto nextLine = [&](qsizetype& begin, qsizetype& end) {
        begin = pos;
        const void* cr = std::memchr(data + pos, '\r', size_t(size - pos));
        end = cr ? static_cast<const char*>(cr) - data : size;
        pos = end;
        if (cr) {
            ++pos;
            if (pos < size && data[pos] == '\n')
                ++pos;
        }
    };

    while (pos < size) {
        if (records++ == kSample) {
            const double scale = 1.2 * double(size) / double(pos);
            spans_.reserve(size_t(double(spans_.size()) * scale) + 16);
            keyInRecord_.reserve(spans_.capacity());
            keys_.reserve(qsizetype(double(keys_.size()) * scale) + 16,
                          qsizetype(double(keys_.textSize()) * scale) + 16);
        }
        qsizetype begin = 0, end = 0;
        nextLine(begin, end);
        const qsizetype firstLineEnd = end;
        qsizetype lastLineBegin = begin;
        if (continued && !(end > begin && data[end - 1] == '~')) {
            while (pos < size) {
                qsizetype lineBegin = 0, lineEnd = 0;
                nextLine(lineBegin, lineEnd);
                lastLineBegin = lineBegin;
                end = lineEnd;
                if (lineEnd > lineBegin && data[lineEnd - 1] == '~')
                    break;
            }
        }
        const Span record{begin, end};
        Shape::Kind shape;
        if (const std::optional<QuickShape> quick =
                quickShape(kind, record, firstLineEnd, lastLineBegin)) {
            shape = quick->kind;
            if (shape == Shape::Kind::Keyed)
                appendKey(quick->key, firstLineEnd);
        } else {
            const Shape decoded = RecordSteps::shapeOf(kind, text(record));
            shape = decoded.kind;
            if (shape == Shape::Kind::Keyed) {
                keys_.append(QStringView(decoded.key));
                keyInRecord_.push_back(false);
            }
        }
        if (shape == Shape::Kind::Skipped)
            continue;
        spans_.push_back(record);
        if (shape == Shape::Kind::Stop) {
            stops_ = true;
            return; // nothing after it is ever read
        }
    }
}
