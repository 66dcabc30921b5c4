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

// The captions that are a prefix and one field, in the order the display writes them.
struct Prefixed {
    const char* control;
    const char* prefix;
    QString CurrentTitle::*field;
};
using T = CurrentTitle;
constexpr Prefixed kMisc[] = {{Name::Label32, "User IDX: ", &T::UserIdx},
                              {Name::Label33, "Entry type: ", &T::EntryType},
                              {Name::Label4, "Year: ", &T::Year},
                              {Name::Label5, "Status: ", &T::Status},
                              {Name::Label6, "Location: ", &T::Location},
                              {Name::Label7, "RK Rating: ", &T::Rating},
                              {Name::Label34, "IMDB Rating: ", &T::ImdbRating},
                              {Name::Label8, "Runtime: ", &T::Runtime},
                              {Name::Label9, "Medium: ", &T::Medium},
                              {Name::Label10, "Language: ", &T::Language}};
constexpr Prefixed kVideo[] = {
    {Name::Label18, "No Files: ", &T::NoFiles},    {Name::Label19, "Length: ", &T::Length},
    {Name::Label20, "Format: ", &T::Format},       {Name::Label21, "Codec: ", &T::VideoCodec},
    {Name::Label22, "Framerate: ", &T::Framerate}, {Name::Label23, "Bitrate: ", &T::VideoBitrate},
    {Name::Label24, "Width: ", &T::Width},         {Name::Label25, "Height: ", &T::Height}};
// After the aspect, which is derived from two fields.
constexpr Prefixed kAudio[] = {{Name::Label27, "Codec: ", &T::AudioCodec},
                               {Name::Label28, "Bitrate: ", &T::AudioBitrate},
                               {Name::Label29, "Samplerate: ", &T::Samplerate},
                               {Name::Label30, "Channels: ", &T::AudioChannels}};

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
    for (const Prefixed& row : kMisc)
        label(row.control, prefixedOrEmpty(QLatin1String(row.prefix), t.*row.field));
    if (t.Entered.isEmpty()) {
        label(Name::Label17, QString());
    } else {
        const QString caption =
            QStringLiteral("Entered: ") +
            ShownText(FormatEnteredDate(t.Entered, QStringLiteral("dd MMM yyyy"), locale));
        out.push_back({QLatin1String(Name::Label17), caption,
                       caption + QStringLiteral(" (") + ShownText(t.Entered) + u')'});
    }
    for (const Prefixed& row : kVideo)
        plain(row.control, prefixedOrEmpty(QLatin1String(row.prefix), t.*row.field));
    // Aspected reads numbers through QLocale, seconds for a field of megabytes; a width or height
    // longer than a control shows is no size.
    const bool sized = t.Width.size() <= kShownChars && t.Height.size() <= kShownChars;
    plain(Name::Label26, prefixedOrEmpty(QStringLiteral("Aspect: "),
                                         sized ? Aspected(t.Width, t.Height) : QString()));
    for (const Prefixed& row : kAudio)
        plain(row.control, prefixedOrEmpty(QLatin1String(row.prefix), t.*row.field));

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
