// SPDX-License-Identifier: GPL-3.0-or-later
// The record syntax on arbitrary bytes: decoding, lines, records, framing and fields, and the
// index of each file kind built straight from the bytes, whose lookups must land where the
// sequential scan settles, without touching the disk.
//
// Input: the bytes of one catalogue file, read as each of the four kinds.
#include "FuzzSupport.h"
#include "catalogue/CatalogueText.h"
#include "catalogue/LineReader.h"
#include "catalogue/RecordIndex.h"
#include "catalogue/RecordSteps.h"
#include "catalogue/RecordSyntax.h"
#include "platform/MessageTexts.h"

#include <QSet>
#include <QStringDecoder>
#include <functional>

namespace {

using RecordSteps::FileKind;
using Step = std::function<std::optional<ReaderResult>(const QString& record)>;

const char* const kFixedKeys[] = {"", " ", "NULL", "Alien", "~", "|", "^", "\n"};
constexpr qsizetype kMaxKeys = 64;

bool isUtf8Reference(const QByteArray& bytes) {
    bool high = false;
    for (const char c : bytes)
        high = high || static_cast<unsigned char>(c) >= 0x80;
    if (!high)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

void checkSyntax(const QString& text) {
    LineReader lines(text);
    qsizetype consumed = 0;
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        fuzz::Check(!line.contains(u'\r'), "a line holds a CR", line);
        consumed += line.size();
        fuzz::Check(consumed <= text.size(), "lines longer than the text");
    }

    LineReader records(text);
    while (!records.atEnd()) {
        const QString record = ReadRecordLine(records);
        fuzz::Check(!record.contains(u'\r'), "a record holds a CR", record);
        QString framed;
        if (!FrameRecord(record, framed)) {
            fuzz::Check(record.size() < 4, "a long record not framed", record);
            continue;
        }
        fuzz::Check(framed.size() == record.size() - 4, "framing dropped the wrong amount", record);
        RecordFields fields(framed);
        QString field;
        qsizetype before = fields.remainder().size();
        while (fields.take(field)) {
            fuzz::Check(!field.contains(u'|'), "a field holds a separator", field);
            fuzz::Check(fields.remainder().size() < before, "taking a field did not advance");
            before = fields.remainder().size();
            fuzz::Check(NullToEmpty(field).isEmpty() ==
                            (field.isEmpty() || field == QLatin1String("NULL")),
                        "NULL rule broken", field);
        }
        fuzz::Check(!fields.remainder().contains(u'|'), "a separator left behind");
    }
}

// The reference: CatalogueReader's scan over decoded text.
ReaderResult scan(const QString& text, bool continued, const Step& step) {
    LineReader lines(text);
    while (!lines.atEnd()) {
        const QString record = continued ? ReadRecordLine(lines) : lines.readLine();
        if (auto result = step(record))
            return *result;
    }
    return ReaderResult::notFound();
}

ReaderResult lookup(const RecordIndex& index, const QString& key, const Step& step) {
    const std::optional<QString> record = index.recordFor(key);
    if (!record)
        return ReaderResult::notFound();
    return step(*record).value_or(ReaderResult::notFound());
}

Step stepFor(FileKind kind, const QString& key, CurrentTitle& into) {
    switch (kind) {
    case FileKind::Title:
        return [&into, key](const QString& r) { return RecordSteps::title(r, key, into, nullptr); };
    case FileKind::Imdb:
        return [&into, key](const QString& r) { return RecordSteps::imdb(r, key, into); };
    case FileKind::Media:
        return [&into](const QString& r) { return RecordSteps::media(r, into); };
    case FileKind::History:
        return [&into, key](const QString& r) { return RecordSteps::history(r, key, into); };
    }
    return {};
}

// The list loader's sequential loop: titles before the first stopping record.
void checkTitleList(const QString& text, const RecordIndex& index) {
    QStringList titles;
    enum { Loaded, Stopped, Failed } outcome = Loaded;
    LineReader lines(text);
    while (!lines.atEnd()) {
        const QString record = ReadRecordLine(lines);
        QString framed;
        if (!FrameRecord(record, framed)) {
            outcome = Failed;
            break;
        }
        const qsizetype bar = framed.indexOf(u'|');
        if (bar < 0) {
            outcome = Stopped;
            break;
        }
        titles.append(framed.left(bar));
    }
    const QStringList indexedTitles = index.keysInOrder().toStringList();
    fuzz::Check(indexedTitles == titles, "indexed title keys differ",
                titles.join(u'\n') + QStringLiteral("\n----\n") + indexedTitles.join(u'\n'));
    const std::optional<QString> stop = index.stopRecord();
    QString framed;
    const auto indexed = !stop ? Loaded : !FrameRecord(*stop, framed) ? Failed : Stopped;
    fuzz::Check(indexed == outcome, "indexed list outcome differs");
}

QString describe(const ReaderResult& r) {
    return QString::number(int(r.outcome)) + u' ' +
           (r.failure ? MessageTexts::criticalError(*r.failure).text : QStringLiteral("-"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const bool utf8 = IsUtf8Catalogue(bytes);
    fuzz::Check(utf8 == isUtf8Reference(bytes), "UTF-8 detection differs from a whole decode");
    const QString text = DecodeCatalogueBytes(bytes);
    fuzz::Check(text == DecodeCatalogueText(bytes, utf8), "decoding differs");
    fuzz::Check(DecodeCatalogueText(bytes, false).size() == bytes.size(),
                "Windows-1252 is not one character per byte");
    checkSyntax(text);

    QStringList keys;
    QSet<QString> seen;
    auto addKey = [&](const QString& key) {
        if (keys.size() < kMaxKeys && !seen.contains(key)) {
            seen.insert(key);
            keys.append(key);
        }
    };
    for (const char* key : kFixedKeys)
        addKey(QString::fromLatin1(key));
    for (const QString& line : text.split(u'\r')) {
        const QString framed = line.mid(line.startsWith(u'\n') ? 3 : 2);
        addKey(framed.left(framed.indexOf(u'|')));
    }

    for (const FileKind kind :
         {FileKind::Title, FileKind::Imdb, FileKind::Media, FileKind::History}) {
        const RecordIndex index(FileBytes(bytes), kind);
        fuzz::Check(index.byteSize() == bytes.size(), "index size differs");
        if (kind == FileKind::Title)
            checkTitleList(text, index);
        const bool continued = kind == FileKind::Title || kind == FileKind::Imdb;
        for (const QString& key : keys) {
            CurrentTitle a, b;
            a.Title = b.Title = key; // the media file is searched for the title's name
            const ReaderResult reference = scan(text, continued, stepFor(kind, key, a));
            const ReaderResult indexed = lookup(index, key, stepFor(kind, key, b));
            const QString detail = QStringLiteral("kind %1 key \"%2\": reference %3, indexed %4")
                                       .arg(int(kind))
                                       .arg(key, describe(reference), describe(indexed));
            fuzz::Check(reference.outcome == indexed.outcome &&
                            reference.failure == indexed.failure,
                        "lookup result differs from the scan", detail);
            fuzz::Check(a == b, "lookup fields differ from the scan", detail);
        }
    }
    return 0;
}
