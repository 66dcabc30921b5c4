#include "TitleDisplay.h"

#include "EnteredDate.h"
#include "MainControls.h"
#include "catalogue/DatabasePaths.h"

#include <QByteArray>
#include <QUrl>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace Name = MainControls::Name;

namespace {

const QString kSearchHint = QStringLiteral("Double click to search IMDB");

QString prefixedOrEmpty(const QString& prefix, const QString& field) {
    return field.isEmpty() ? QString() : prefix + ShownText(field);
}

// The catalogue stores line breaks as CR LF; the text boxes break on "\n" alone.
QString boxText(const QString& field) {
    return ShownText(field).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

RatingView describeRating(const QString& imdbRating) {
    RatingView view;
    if (imdbRating == QLatin1String("Null"))
        return view;
    const double score = LeadingNumber(imdbRating) * 10;
    view.barValue = qRound(std::clamp(score, 0.0, 100.0));
    view.caption = ShownText(imdbRating);
    view.barToolTip = view.caption;
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

QString ShownText(QStringView text) {
    if (text.size() <= kShownChars)
        return text.toString();
    qsizetype end = kShownChars;
    const QChar last = text[end - 1], next = text[end];
    if ((last.isHighSurrogate() && next.isLowSurrogate()) || (last == u'\r' && next == u'\n'))
        --end;
    QString cut;
    cut.reserve(end + 1);
    return cut.append(text.first(end)).append(QChar(u'\u2026'));
}

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

    label(Name::Label1, ShownText(t.Title));
    label(Name::Label2, prefixedOrEmpty(QStringLiteral("AKA: "), t.AkaTitle));
    out.push_back({QLatin1String(Name::Label11),
                   prefixedOrEmpty(QStringLiteral("IMDB: "), t.ImdbName),
                   t.ImdbLink.isEmpty() ? kSearchHint : ShownText(t.ImdbLink)});
    out.push_back({QLatin1String(Name::Label12),
                   prefixedOrEmpty(QStringLiteral("Genre: "), t.Genre),
                   QStringLiteral("Reelkeep Genre: ") + ShownText(t.CatalogueGenre) +
                       QStringLiteral(" - IMDB Genre: ") + ShownText(t.ImdbGenre)});
    plain(Name::Text17, boxText(t.Comments));
    label(Name::Label13, prefixedOrEmpty(QStringLiteral("Directed by "), t.Director));
    plain(Name::Text14, boxText(t.Actors));
    label(Name::Label15, ShownText(t.Tagline));
    plain(Name::Text16, boxText(t.Summary));
    label(Name::Label31, prefixedOrEmpty(QStringLiteral("MPAA: "), t.Mpaa));
    label(Name::Label3, QStringLiteral("IDX: ") + ShownText(t.Idx));
    label(Name::Label32, prefixedOrEmpty(QStringLiteral("User IDX: "), t.UserIdx));
    label(Name::Label33, prefixedOrEmpty(QStringLiteral("Entry type: "), t.EntryType));
    label(Name::Label4, prefixedOrEmpty(QStringLiteral("Year: "), t.Year));
    label(Name::Label5, prefixedOrEmpty(QStringLiteral("Status: "), t.Status));
    label(Name::Label6, prefixedOrEmpty(QStringLiteral("Location: "), t.Location));
    label(Name::Label7, prefixedOrEmpty(QStringLiteral("RK Rating: "), t.Rating));
    label(Name::Label34, prefixedOrEmpty(QStringLiteral("IMDB Rating: "), t.ImdbRating));
    label(Name::Label8, prefixedOrEmpty(QStringLiteral("Runtime: "), t.Runtime));
    label(Name::Label9, prefixedOrEmpty(QStringLiteral("Medium: "), t.Medium));
    label(Name::Label10, prefixedOrEmpty(QStringLiteral("Language: "), t.Language));
    if (t.Entered.isEmpty()) {
        label(Name::Label17, QString());
    } else {
        const QString caption =
            QStringLiteral("Entered: ") +
            ShownText(FormatEnteredDate(t.Entered, QStringLiteral("dd MMM yyyy"), locale));
        out.push_back({QLatin1String(Name::Label17), caption,
                       caption + QStringLiteral(" (") + ShownText(t.Entered) + u')'});
    }
    plain(Name::Label18, prefixedOrEmpty(QStringLiteral("No Files: "), t.NoFiles));
    plain(Name::Label19, prefixedOrEmpty(QStringLiteral("Length: "), t.Length));
    plain(Name::Label20, prefixedOrEmpty(QStringLiteral("Format: "), t.Format));
    plain(Name::Label21, prefixedOrEmpty(QStringLiteral("Codec: "), t.VideoCodec));
    plain(Name::Label22, prefixedOrEmpty(QStringLiteral("Framerate: "), t.Framerate));
    plain(Name::Label23, prefixedOrEmpty(QStringLiteral("Bitrate: "), t.VideoBitrate));
    plain(Name::Label24, prefixedOrEmpty(QStringLiteral("Width: "), t.Width));
    plain(Name::Label25, prefixedOrEmpty(QStringLiteral("Height: "), t.Height));
    // Aspected reads numbers through QLocale, seconds for a field of megabytes; a width or height
    // longer than a control shows is no size.
    const bool sized = t.Width.size() <= kShownChars && t.Height.size() <= kShownChars;
    plain(Name::Label26, prefixedOrEmpty(QStringLiteral("Aspect: "),
                                         sized ? Aspected(t.Width, t.Height) : QString()));
    plain(Name::Label27, prefixedOrEmpty(QStringLiteral("Codec: "), t.AudioCodec));
    plain(Name::Label28, prefixedOrEmpty(QStringLiteral("Bitrate: "), t.AudioBitrate));
    plain(Name::Label29, prefixedOrEmpty(QStringLiteral("Samplerate: "), t.Samplerate));
    plain(Name::Label30, prefixedOrEmpty(QStringLiteral("Channels: "), t.AudioChannels));

    view.rating = describeRating(t.ImdbRating);
    return view;
}

QString ImdbAddress(const CurrentTitle& title) {
    if (!title.ImdbLink.isEmpty())
        return title.ImdbLink;
    QByteArray name = QUrl::toPercentEncoding(title.ImdbName, " ");
    name.replace(' ', '+');
    return QStringLiteral("https://www.imdb.com/Tsearch?title=") + QString::fromLatin1(name) +
           QStringLiteral("&restrict=Movies+and+TV");
}
