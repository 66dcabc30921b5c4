#include "RecordIndex.h"

#include "CatalogueText.h"

#include <cstring>

using RecordSteps::FileKind;
using RecordSteps::Shape;

namespace {

bool ascii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

} // namespace

RecordIndex::RecordIndex(QByteArray bytes, FileKind kind)
    : bytes_(std::move(bytes)), utf8_(IsUtf8Catalogue(bytes_)) {
    build(kind);
}

QString RecordIndex::text(const Span& span) const {
    QString joined = DecodeCatalogueText(
        QByteArrayView(bytes_).sliced(span.begin, span.end - span.begin), utf8_);
    // Continuation lines are joined with "^"; a lone LF is data and stays.
    if (joined.contains(u'\r')) {
        joined.replace(QStringLiteral("\r\n"), QStringLiteral("^"));
        joined.replace(u'\r', u'^');
    }
    return joined;
}

std::optional<QString> RecordIndex::recordFor(const QString& key) const {
    int at = first_.value(key, -1);
    if (stop_ >= 0 && (at < 0 || stop_ < at))
        at = stop_;
    if (at < 0)
        return std::nullopt;
    return text(spans_[at]);
}

std::optional<QString> RecordIndex::stopRecord() const {
    if (stop_ < 0)
        return std::nullopt;
    return text(spans_[stop_]);
}

std::optional<Shape> RecordIndex::quickShape(FileKind kind, const Span& record,
                                             qsizetype firstLineEnd,
                                             qsizetype lastLineBegin) const {
    const char* data = bytes_.constData();
    const bool continued = kind == FileKind::Title || kind == FileKind::Imdb;
    const qsizetype length = record.end - record.begin;
    if (!continued) {
        const bool framedLine =
            length > 0 && (data[record.begin] == '~' || data[record.end - 1] == '~');
        if (!framedLine)
            return Shape{Shape::Kind::Stop, {}};
    } else if (!std::memchr(data + record.begin, '|', size_t(length))) {
        return Shape{kind == FileKind::Title ? Shape::Kind::Stop : Shape::Kind::Skipped, {}};
    }
    // Two plain characters at each end of lines long enough to hold them: the framing drops
    // exactly two bytes at each end, and the record has at least four characters.
    if (firstLineEnd - record.begin < 2 || record.end - lastLineBegin < 2 || length < 4 ||
        !ascii(data[record.begin]) || !ascii(data[record.begin + 1]) ||
        !ascii(data[record.end - 1]) || !ascii(data[record.end - 2]))
        return std::nullopt;
    const qsizetype framedBegin = record.begin + 2;
    const qsizetype framedEnd = record.end - 2;
    const void* bar = std::memchr(data + framedBegin, '|', size_t(framedEnd - framedBegin));
    if (!bar)
        return Shape{continued ? Shape::Kind::Stop : Shape::Kind::Skipped, {}};
    const qsizetype keyEnd = static_cast<const char*>(bar) - data;
    return Shape{Shape::Kind::Keyed, text({framedBegin, keyEnd})};
}

void RecordIndex::build(FileKind kind) {
    const char* data = bytes_.constData();
    const qsizetype size = bytes_.size();
    const bool continued = kind == FileKind::Title || kind == FileKind::Imdb;
    // Room for a record per 100 bytes or so, so that the table does not grow step by step.
    first_.reserve(size / 100 + 16);
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
        std::optional<Shape> shape = quickShape(kind, record, firstLineEnd, lastLineBegin);
        if (!shape)
            shape = RecordSteps::shapeOf(kind, text(record));

        if (shape->kind == Shape::Kind::Stop) {
            stop_ = int(spans_.size());
            spans_.push_back(record);
            return; // nothing after it is ever read
        }
        if (shape->kind == Shape::Kind::Keyed) {
            if (kind == FileKind::Title)
                keysInOrder_.append(shape->key);
            if (!first_.contains(shape->key)) {
                first_.insert(shape->key, int(spans_.size()));
                spans_.push_back(record);
            }
        }
    }
}
