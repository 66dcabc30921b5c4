#include "TitleDisplay.h"

#include "DatabasePaths.h"
#include "EnteredDate.h"

#include <QByteArray>
#include <QUrl>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

const QString kSearchHint = QStringLiteral("Double click to search IMDB");

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString prefixedOrEmpty(const QString& prefix, const QString& field) {
    return field.isEmpty() ? QString() : prefix + field;
}

// The catalogue stores line breaks as CR LF; the text boxes break on "\n" alone.
QString boxText(QString field) {
    return field.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::optional<double> numberOf(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

qsizetype lastSeparator(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (IsPathSeparator(path.at(i)))
            return i;
    return -1;
}

RatingView describeRating(const QString& imdbRating) {
    RatingView view;
    if (imdbRating == QLatin1String("Null"))
        return view;
    const double score = LeadingNumber(imdbRating) * 10;
    view.barValue = qRound(std::clamp(score, 0.0, 100.0));
    view.barToolTip = imdbRating;
    view.caption = imdbRating;
    if (score == 0)
        view.colour = RatingView::Colour::Frame;
    else if (score < 41)
        view.colour = RatingView::Colour::Red;
    else if (score < 71)
        view.colour = RatingView::Colour::Yellow;
    else
        view.colour = RatingView::Colour::Green;
    return view;
}

} // namespace

TitleView DescribeTitle(const CurrentTitle& t, const QLocale& locale) {
    TitleView view;
    auto& out = view.controls;
    out.reserve(35);
    const auto label = [&out](const char* control, const QString& caption) {
        out.push_back({QLatin1String(control), caption, caption});
    };
    const auto plain = [&out](const char* control, const QString& text) {
        out.push_back({QLatin1String(control), text, std::nullopt});
    };

    label("Label1", t.Title);
    label("Label2", prefixedOrEmpty(QStringLiteral("AKA: "), t.AkaTitle));
    out.push_back({QStringLiteral("Label11"), prefixedOrEmpty(QStringLiteral("IMDB: "), t.ImdbName),
                   t.ImdbLink.isEmpty() ? kSearchHint : t.ImdbLink});
    out.push_back({QStringLiteral("Label12"), prefixedOrEmpty(QStringLiteral("Genre: "), t.Genre),
                   QStringLiteral("Reelkeep Genre: ") + t.CatalogueGenre +
                       QStringLiteral(" - IMDB Genre: ") + t.ImdbGenre});
    plain("Text17", boxText(t.Comments));
    label("Label13", prefixedOrEmpty(QStringLiteral("Directed by "), t.Director));
    plain("Text14", boxText(t.Actors));
    label("Label15", t.Tagline);
    plain("Text16", boxText(t.Summary));
    label("Label31", prefixedOrEmpty(QStringLiteral("MPAA: "), t.Mpaa));
    label("Label3", QStringLiteral("IDX: ") + t.Idx);
    label("Label32", prefixedOrEmpty(QStringLiteral("User IDX: "), t.UserIdx));
    label("Label33", prefixedOrEmpty(QStringLiteral("Entry type: "), t.EntryType));
    label("Label4", prefixedOrEmpty(QStringLiteral("Year: "), t.Year));
    label("Label5", prefixedOrEmpty(QStringLiteral("Status: "), t.Status));
    label("Label6", prefixedOrEmpty(QStringLiteral("Location: "), t.Location));
    label("Label7", prefixedOrEmpty(QStringLiteral("RK Rating: "), t.Rating));
    label("Label34", prefixedOrEmpty(QStringLiteral("IMDB Rating: "), t.ImdbRating));
    label("Label8", prefixedOrEmpty(QStringLiteral("Runtime: "), t.Runtime));
    label("Label9", prefixedOrEmpty(QStringLiteral("Medium: "), t.Medium));
    label("Label10", prefixedOrEmpty(QStringLiteral("Language: "), t.Language));
    if (t.Entered.isEmpty()) {
        label("Label17", QString());
    } else {
        const QString caption = QStringLiteral("Entered: ") +
                                FormatEnteredDate(t.Entered, QStringLiteral("dd MMM yyyy"), locale);
        out.push_back({QStringLiteral("Label17"), caption,
                       caption + QStringLiteral(" (") + t.Entered + u')'});
    }
    plain("Label18", prefixedOrEmpty(QStringLiteral("No Files: "), t.NoFiles));
    plain("Label19", prefixedOrEmpty(QStringLiteral("Length: "), t.Length));
    plain("Label20", prefixedOrEmpty(QStringLiteral("Format: "), t.Format));
    plain("Label21", prefixedOrEmpty(QStringLiteral("Codec: "), t.VideoCodec));
    plain("Label22", prefixedOrEmpty(QStringLiteral("Framerate: "), t.Framerate));
    plain("Label23", prefixedOrEmpty(QStringLiteral("Bitrate: "), t.VideoBitrate));
    plain("Label24", prefixedOrEmpty(QStringLiteral("Width: "), t.Width));
    plain("Label25", prefixedOrEmpty(QStringLiteral("Height: "), t.Height));
    plain("Label26", prefixedOrEmpty(QStringLiteral("Aspect: "), Aspected(t.Width, t.Height)));
    plain("Label27", prefixedOrEmpty(QStringLiteral("Codec: "), t.AudioCodec));
    plain("Label28", prefixedOrEmpty(QStringLiteral("Bitrate: "), t.AudioBitrate));
    plain("Label29", prefixedOrEmpty(QStringLiteral("Samplerate: "), t.Samplerate));
    plain("Label30", prefixedOrEmpty(QStringLiteral("Channels: "), t.AudioChannels));

    view.rating = describeRating(t.ImdbRating);
    return view;
}

QString Aspected(const QString& width, const QString& height) {
    const auto w = numberOf(width);
    const auto h = numberOf(height);
    if (!w || !h || *w == 0 || *h == 0)
        return {};
    const double ratio = *w / *h;
    if (ratio > 2.34)
        return QStringLiteral("2.35:1");
    if (ratio > 1.84)
        return QStringLiteral("1.85:1");
    if (ratio > 1.77)
        return QStringLiteral("1.78:1 (16:9)");
    if (ratio > 1.55)
        return QStringLiteral("1.56:1 (14:9)");
    if (ratio > 1.33)
        return QStringLiteral("1.33:1 (4:3)");
    return {};
}

double LeadingNumber(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const bool negative = i < n && text.at(i) == u'-';
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    std::string mantissa;
    qsizetype point = -1; // digits before the decimal point
    for (; i < n; ++i) {
        if (isAsciiDigit(text.at(i)))
            mantissa += char(text.at(i).unicode());
        else if (text.at(i) == u'.' && point < 0)
            point = qsizetype(mantissa.size());
        else
            break;
    }
    if (mantissa.empty())
        return 0;
    if (point < 0)
        point = qsizetype(mantissa.size());
    // The exponent counts only when digits follow it: "7e" is 7. It saturates far beyond the
    // range of a double, which keeps overflow and underflow apart.
    long exponent = 0;
    if (i < n && (text.at(i) == u'e' || text.at(i) == u'E')) {
        qsizetype j = i + 1;
        const bool negativeExponent = j < n && text.at(j) == u'-';
        if (j < n && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        for (; j < n && isAsciiDigit(text.at(j)); ++j)
            exponent = std::min(exponent * 10 + (text.at(j).unicode() - '0'), 1'000'000L);
        if (negativeExponent)
            exponent = -exponent;
    }
    const std::string number =
        mantissa.substr(0, point) + '.' + mantissa.substr(point) + 'e' + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // The decimal magnitude tells overflow (an infinity) from underflow (0).
        const auto first = qsizetype(mantissa.find_first_not_of('0'));
        value = point - first + exponent > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

QString GetAfterSlash(const QString& path) {
    const qsizetype i = lastSeparator(path);
    return i < 0 ? path : path.mid(i + 1);
}

QString GetbeforeSlash(const QString& path) {
    const qsizetype i = lastSeparator(path);
    return i < 0 ? path : path.left(i + 1);
}

QString GetbeforeDot(const QString& path) {
    const qsizetype i = path.lastIndexOf(u'.');
    return i < 0 ? path : path.left(i + 1);
}

QString ImdbAddress(const CurrentTitle& title) {
    if (!title.ImdbLink.isEmpty())
        return title.ImdbLink;
    QByteArray name = QUrl::toPercentEncoding(title.ImdbName, " ");
    name.replace(' ', '+');
    return QStringLiteral("https://www.imdb.com/Tsearch?title=") + QString::fromLatin1(name) +
           QStringLiteral("&restrict=Movies+and+TV");
}
