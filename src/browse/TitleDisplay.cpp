// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleDisplay.h"

#include "MainControls.h"
#include "catalogue/DatabasePaths.h"
#include "catalogue/EnteredDate.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QUrl>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace Name = MainControls::Name;

namespace {

// The display's own words, translated where they are shown: the translator comes after
// start-up. Each is marked for translation where it is written.
QString words(const char* text) {
    return QCoreApplication::translate("TitleDisplay", text);
}

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
constexpr Prefixed kMisc[] = {
    {Name::Label32, QT_TRANSLATE_NOOP("TitleDisplay", "User IDX: "), &T::UserIdx},
    {Name::Label33, QT_TRANSLATE_NOOP("TitleDisplay", "Entry type: "), &T::EntryType},
    {Name::Label4, QT_TRANSLATE_NOOP("TitleDisplay", "Year: "), &T::Year},
    {Name::Label5, QT_TRANSLATE_NOOP("TitleDisplay", "Status: "), &T::Status},
    {Name::Label6, QT_TRANSLATE_NOOP("TitleDisplay", "Location: "), &T::Location},
    {Name::Label7, QT_TRANSLATE_NOOP("TitleDisplay", "RK Rating: "), &T::Rating},
    {Name::Label34, QT_TRANSLATE_NOOP("TitleDisplay", "IMDB Rating: "), &T::ImdbRating},
    {Name::Label8, QT_TRANSLATE_NOOP("TitleDisplay", "Runtime: "), &T::Runtime},
    {Name::Label9, QT_TRANSLATE_NOOP("TitleDisplay", "Medium: "), &T::Medium},
    {Name::Label10, QT_TRANSLATE_NOOP("TitleDisplay", "Language: "), &T::Language}};
constexpr Prefixed kVideo[] = {
    {Name::Label18, QT_TRANSLATE_NOOP("TitleDisplay", "No Files: "), &T::NoFiles},
    {Name::Label19, QT_TRANSLATE_NOOP("TitleDisplay", "Length: "), &T::Length},
    {Name::Label20, QT_TRANSLATE_NOOP("TitleDisplay", "Format: "), &T::Format},
    {Name::Label21, QT_TRANSLATE_NOOP("TitleDisplay", "Codec: "), &T::VideoCodec},
    {Name::Label22, QT_TRANSLATE_NOOP("TitleDisplay", "Framerate: "), &T::Framerate},
    {Name::Label23, QT_TRANSLATE_NOOP("TitleDisplay", "Bitrate: "), &T::VideoBitrate},
    {Name::Label24, QT_TRANSLATE_NOOP("TitleDisplay", "Width: "), &T::Width},
    {Name::Label25, QT_TRANSLATE_NOOP("TitleDisplay", "Height: "), &T::Height}};
// After the aspect, which is derived from two fields.
constexpr Prefixed kAudio[] = {
    {Name::Label27, QT_TRANSLATE_NOOP("TitleDisplay", "Codec: "), &T::AudioCodec},
    {Name::Label28, QT_TRANSLATE_NOOP("TitleDisplay", "Bitrate: "), &T::AudioBitrate},
    {Name::Label29, QT_TRANSLATE_NOOP("TitleDisplay", "Samplerate: "), &T::Samplerate},
    {Name::Label30, QT_TRANSLATE_NOOP("TitleDisplay", "Channels: "), &T::AudioChannels}};

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
    label(Name::Label2,
          prefixedOrEmpty(words(QT_TRANSLATE_NOOP("TitleDisplay", "AKA: ")), t.AkaTitle));
    out.push_back({QLatin1String(Name::Label11),
                   prefixedOrEmpty(words(QT_TRANSLATE_NOOP("TitleDisplay", "IMDB: ")), t.ImdbName),
                   t.ImdbLink.isEmpty()
                       ? words(QT_TRANSLATE_NOOP("TitleDisplay", "Double click to search IMDB"))
                       : ShownText(t.ImdbLink)});
    out.push_back({QLatin1String(Name::Label12),
                   prefixedOrEmpty(words(QT_TRANSLATE_NOOP("TitleDisplay", "Genre: ")), t.Genre),
                   words(QT_TRANSLATE_NOOP("TitleDisplay", "Reelkeep Genre: ")) +
                       ShownText(t.CatalogueGenre) +
                       words(QT_TRANSLATE_NOOP("TitleDisplay", " - IMDB Genre: ")) +
                       ShownText(t.ImdbGenre)});
    plain(Name::Text17, boxText(t.Comments));
    label(Name::Label13,
          prefixedOrEmpty(words(QT_TRANSLATE_NOOP("TitleDisplay", "Directed by ")), t.Director));
    plain(Name::Text14, boxText(t.Actors));
    label(Name::Label15, ShownText(t.Tagline));
    plain(Name::Text16, boxText(t.Summary));
    label(Name::Label31,
          prefixedOrEmpty(words(QT_TRANSLATE_NOOP("TitleDisplay", "MPAA: ")), t.Mpaa));
    label(Name::Label3, words(QT_TRANSLATE_NOOP("TitleDisplay", "IDX: ")) + ShownText(t.Idx));
    for (const Prefixed& row : kMisc)
        label(row.control, prefixedOrEmpty(words(row.prefix), t.*row.field));
    if (t.Entered.isEmpty()) {
        label(Name::Label17, QString());
    } else {
        const QString caption =
            words(QT_TRANSLATE_NOOP("TitleDisplay", "Entered: ")) +
            ShownText(FormatEnteredDate(t.Entered, QStringLiteral("dd MMM yyyy"), locale));
        out.push_back({QLatin1String(Name::Label17), caption,
                       caption + QStringLiteral(" (") + ShownText(t.Entered) + u')'});
    }
    for (const Prefixed& row : kVideo)
        plain(row.control, prefixedOrEmpty(words(row.prefix), t.*row.field));
    // Aspected reads numbers through QLocale, seconds for a field of megabytes; a width or height
    // longer than a control shows is no size.
    const bool sized = t.Width.size() <= kShownChars && t.Height.size() <= kShownChars;
    plain(Name::Label26, prefixedOrEmpty(words(QT_TRANSLATE_NOOP("TitleDisplay", "Aspect: ")),
                                         sized ? Aspected(t.Width, t.Height) : QString()));
    for (const Prefixed& row : kAudio)
        plain(row.control, prefixedOrEmpty(words(row.prefix), t.*row.field));

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
