// SPDX-License-Identifier: GPL-3.0-or-later
// The .mmd writer on arbitrary field values: every escaped value, genre list and document must
// be plain ASCII and well-formed XML, whatever characters the catalogue holds.
//
// Input: values separated by the byte 0x1f: the title's fields in the order of
// CurrentTitle::fields(), then the genre list, a part's file name and its number. The values are
// read as UTF-8, as Latin-1 and as raw UTF-16 (lone surrogates included).
#include "FuzzSupport.h"
#include "export/MmdDocument.h"

#include <QXmlStreamReader>
#include <type_traits>

namespace {

constexpr qsizetype kFields =
    qsizetype(std::tuple_size_v<std::remove_cvref_t<decltype(CurrentTitle::fields())>>);
constexpr qsizetype kPieces = kFields + 3;

void checkAscii(const QString& text, const char* what, const QString& input) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            fuzz::Fail(what, input + QStringLiteral("\n----\n") + text);
}

template <typename Xml> void checkXml(const Xml& document, const char* what, const QString& input) {
    QXmlStreamReader reader(document);
    while (!reader.atEnd()) {
        reader.readNext();
        // An entity the reader could not resolve is as broken as a parse error.
        if (reader.tokenType() == QXmlStreamReader::EntityReference ||
            reader.tokenType() == QXmlStreamReader::DTD)
            fuzz::Fail(what, input + QStringLiteral("\n----\n") + QString(document));
    }
    if (reader.hasError())
        fuzz::Fail(what, input + QStringLiteral("\n----\n") + QString(document) +
                             QStringLiteral("\n----\n") + reader.errorString());
}

// One value's escaped form and genre tags, as elements of the document `values` collects: one
// parse for all values keeps the runs quick.
void addValue(const QString& value, QString& values) {
    const QString escaped = replaceChars(value);
    checkAscii(escaped, "an escaped value is not ASCII", value);
    bool plain = true;
    for (const QChar c : value)
        plain =
            plain && c.unicode() >= 32 && c.unicode() <= 122 && c != u'&' && c != u'<' && c != u'>';
    if (plain)
        fuzz::Check(escaped == value, "a plain value was changed", value);

    const QString tags = makeXmlTags(QStringLiteral("genre"), value);
    checkAscii(tags, "genre tags are not ASCII", value);
    values +=
        QStringLiteral("<v>") + escaped + QStringLiteral("</v><t>") + tags + QStringLiteral("</t>");
}

void checkTitle(const QList<QString>& values) {
    CurrentTitle title;
    const auto& fields = CurrentTitle::fields();
    for (qsizetype i = 0; i < kFields; ++i)
        title.*(fields[size_t(i)].member) = values[i];
    const QString& genres = values[kFields];
    const MmdPart part{values[kFields + 2].toInt(), values[kFields + 1]};

    for (const std::optional<MmdPart>& which : {std::optional<MmdPart>(), std::optional(part)}) {
        const QString document = BuildMmd(title, genres, which);
        const QString input = values.join(QStringLiteral(" | "));
        checkAscii(document, "a document is not ASCII", input);
        const QByteArray bytes = MmdFileBytes(document);
        fuzz::Check(QString::fromLatin1(bytes) == document + QStringLiteral("\r\n"),
                    "the file bytes are not the document", input);
        checkXml(bytes, "a document is not XML", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> pieces = fuzz::Split(data, size, "\x1f", kPieces);
    for (int decoding = 0; decoding < 3; ++decoding) {
        QList<QString> values;
        for (const QByteArray& piece : pieces) {
            if (decoding == 0)
                values.append(QString::fromUtf8(piece));
            else if (decoding == 1)
                values.append(QString::fromLatin1(piece));
            else
                values.append(
                    QString(reinterpret_cast<const QChar*>(piece.constData()), piece.size() / 2));
        }
        QString document = QStringLiteral("<r>");
        for (const QString& value : values)
            addValue(value, document);
        checkXml(document + QStringLiteral("</r>"), "an escaped value or genre list is not XML",
                 values.join(QStringLiteral(" | ")));
        checkTitle(values);
    }
    return 0;
}
