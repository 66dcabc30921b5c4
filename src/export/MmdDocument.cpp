// SPDX-License-Identifier: GPL-3.0-or-later
#include "MmdDocument.h"

#include "catalogue/FileExists.h"
#include "catalogue/NumberText.h"
#include "catalogue/TrimSpaces.h"

#include <QHash>
#include <QStringDecoder>

namespace {

// Unicode code point → Windows-1252 code, for the characters that code page puts at 128..159.
const QHash<char32_t, int>& windows1252Codes() {
    static const QHash<char32_t, int> codes = [] {
        QHash<char32_t, int> map;
        QStringDecoder decoder("windows-1252", QStringDecoder::Flag::Stateless);
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const QString ch = decoder.decode(QByteArray(1, char(byte)));
            if (ch.size() == 1)
                map.insert(ch.at(0).unicode(), byte);
        }
        return map;
    }();
    return codes;
}

bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool isHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// True when text[at] is an "&" that starts a reference an XML reader resolves: one of the five
// predefined entities, or a character reference to a character XML allows.
bool startsReference(const QString& text, qsizetype at) {
    const qsizetype semicolon = text.indexOf(u';', at + 1);
    if (semicolon < 0)
        return false;
    const QStringView body = QStringView(text).mid(at + 1, semicolon - at - 1);
    if (body.isEmpty())
        return false;
    if (body.front() != u'#') {
        for (const char* name : {"amp", "lt", "gt", "quot", "apos"})
            if (body == QLatin1String(name))
                return true;
        return false;
    }
    const bool hex = body.size() > 1 && (body.at(1) == u'x');
    const QStringView digits = body.mid(hex ? 2 : 1);
    if (digits.isEmpty() || digits.size() > 8)
        return false;
    for (const QChar c : digits)
        if (hex ? !isHexDigit(c) : !(c >= u'0' && c <= u'9'))
            return false;
    bool ok = false;
    const uint value = digits.toUInt(&ok, hex ? 16 : 10);
    return ok && isXmlChar(value);
}

QString element(const char* tag, const QString& escaped) {
    const QString name = QString::fromLatin1(tag);
    return u'<' + name + u'>' + escaped + QStringLiteral("</") + name + u'>';
}

} // namespace

QString replaceChars(const QString& text) {
    QString out;
    out.reserve(text.size() + 16);
    const auto& codes = windows1252Codes();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        char32_t c = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(ch, text.at(i + 1));
            ++i;
        }
        if (c == u'&') {
            out += startsReference(text, i) ? QStringLiteral("&") : QStringLiteral("&amp;");
        } else if (c >= 32 && c <= 122 && c != u'<' && c != u'>') {
            out += QChar(char16_t(c));
        } else if (isXmlChar(c)) {
            const int code = codes.value(c, int(c));
            out += QStringLiteral("&#") + QString::number(code) + u';';
        }
        // Control characters and lone surrogates have no XML form at all and are left out.
    }
    return out;
}

QString makeXmlTags(const QString& tag, const QString& value) {
    if (value.isEmpty())
        return {};
    QString words = value;
    if (const qsizetype lineEnd = words.indexOf(QStringLiteral("\r\n")); lineEnd >= 0)
        words.truncate(lineEnd);
    words.replace(u',', u' ');
    const QByteArray name = tag.toLatin1();
    QString result;
    // A view of what is left, not a copy: a long field costs its length, not its square.
    QStringView rest(words);
    for (qsizetype space = rest.indexOf(u' '); space >= 0; space = rest.indexOf(u' ')) {
        result += element(name.constData(), replaceChars(rest.left(space).toString()));
        rest = TrimSpaces(rest.sliced(space + 1));
    }
    return result + element(name.constData(), replaceChars(rest.toString()));
}

QString BuildMmd(const CurrentTitle& t, const QString& genres, const std::optional<MmdPart>& part) {
    QString doc = QStringLiteral("<media type=\"Video\"><avitype>0</avitype>");
    doc += makeXmlTags(QStringLiteral("genre"), genres);
    if (CatalogueFileExists(t.CoverFile))
        doc += element("image", replaceChars(t.CoverFile));
    auto optional = [&doc](const char* tag, const QString& value) {
        if (!value.isEmpty())
            doc += element(tag, replaceChars(value));
    };
    optional("lang", t.Language);
    doc += QStringLiteral("<mtype>video</mtype>");
    doc += QStringLiteral("<name sort=\"") + (part ? QString::number(part->number) : QString()) +
           QStringLiteral("\">") + replaceChars(t.Title) + QStringLiteral("</name>");
    if (part)
        doc += element("path", replaceChars(part->fileName));
    else
        doc += element("disklabel", replaceChars(t.Location));
    optional("year", t.Year);
    optional("imdbname", t.ImdbName);
    optional("imdb-rating", t.ImdbRating);
    optional("imdb-summary", t.Summary);
    optional("aka-title", t.AkaTitle);
    optional("director", t.Director);
    optional("comments", t.Comments);
    optional("tagline", t.Tagline);

    if (!t.VideoCodec.isEmpty()) {
        doc += element("video-codec", replaceChars(t.VideoCodec));
        optional("video-bitrate", t.VideoBitrate);
        if (!t.Width.isEmpty() && !t.Height.isEmpty())
            doc += element("pixel-frame",
                           replaceChars(t.Width) + QStringLiteral(" x ") + replaceChars(t.Height));
        optional("aspected-ratio", Aspected(t.Width, t.Height));
        optional("audio-codec", t.AudioCodec);
        optional("audio-bitrate", t.AudioBitrate);
        optional("audio-channels", t.AudioChannels);
    } else if (!t.Medium.isEmpty()) {
        doc += element("codecs", replaceChars(t.Medium));
    }
    return doc + QStringLiteral("</media>");
}

QByteArray MmdFileBytes(const QString& document) {
    return document.toLatin1() + "\r\n";
}
