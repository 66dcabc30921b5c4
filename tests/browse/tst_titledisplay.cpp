// What the main window shows for a title, and the helpers the display and the export share.
#include "EnteredDate.h"
#include "TitleDisplay.h"

#include <QTest>
#include <cmath>

using Tip = std::optional<QString>;
Q_DECLARE_METATYPE(Tip)
Q_DECLARE_METATYPE(RatingView::Colour)

namespace QTest {
template <> char* toString(const Tip& tip) {
    return tip ? toString(*tip) : qstrdup("nullopt");
}
} // namespace QTest

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const Tip kNone = std::nullopt;
const QString kSearch = QStringLiteral("https://www.imdb.com/Tsearch?title=");

const CurrentTitle kFull{.Title = "Alien",
                         .EntryType = "Single Entry",
                         .Location = "Shelf 3",
                         .CatalogueGenre = "Horror",
                         .Status = "Present",
                         .Medium = "DVD",
                         .Rating = "5",
                         .AkaTitle = "Alien 1",
                         .Comments = "Great\r\nfilm",
                         .Idx = "17",
                         .UserIdx = "U17",
                         .ImdbName = "Alien (1979)",
                         .Year = "1979",
                         .Director = "Ridley Scott",
                         .Tagline = "In space no one can hear you scream.",
                         .Summary = "A crew\r\n\r\nwakes.",
                         .ImdbGenre = "Sci-Fi",
                         .Actors = "Sigourney Weaver\r\nTom Skerritt",
                         .Mpaa = "R",
                         .Language = "English",
                         .Runtime = "117",
                         .ImdbRating = "8.5",
                         .ImdbLink = "https://www.imdb.com/title/tt0078748/",
                         .Entered = "2006-03-14",
                         .Format = "AVI",
                         .NoFiles = "2",
                         .Length = "117 min",
                         .Width = "1920",
                         .Height = "1080",
                         .Framerate = "25",
                         .VideoBitrate = "1500",
                         .VideoCodec = "XviD",
                         .AudioBitrate = "128",
                         .AudioCodec = "MP3",
                         .AudioChannels = "2",
                         .Samplerate = "48000",
                         .CoverFile = "",
                         .Genre = "Horror, Sci-Fi"};

ControlText label17(const QString& entered, const QLocale& locale) {
    CurrentTitle t;
    t.Entered = entered;
    return DescribeTitle(t, locale).controls.at(21);
}

} // namespace

class TestTitleDisplay : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every control the display writes, in the order written, for a full and an empty title.
    void controls_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("fullText");
        QTest::addColumn<Tip>("fullTip");
        QTest::addColumn<QString>("emptyText");
        QTest::addColumn<Tip>("emptyTip");
        int position = 0;
        const auto row = [&](const char* control, const QString& text, const Tip& tip,
                             const QString& emptyText, const Tip& emptyTip) {
            QTest::newRow(control)
                << position++ << QString(control) << text << tip << emptyText << emptyTip;
        };
        const auto captioned = [&](const char* control, const QString& text) {
            row(control, text, text, "", "");
        };
        const auto untipped = [&](const char* control, const QString& text) {
            row(control, text, kNone, "", kNone);
        };
        captioned("Label1", "Alien");
        captioned("Label2", "AKA: Alien 1");
        row("Label11", "IMDB: Alien (1979)", "https://www.imdb.com/title/tt0078748/", "",
            "Double click to search IMDB");
        row("Label12", "Genre: Horror, Sci-Fi", "Reelkeep Genre: Horror - IMDB Genre: Sci-Fi", "",
            "Reelkeep Genre:  - IMDB Genre: ");
        untipped("Text17", "Great\nfilm");
        captioned("Label13", "Directed by Ridley Scott");
        untipped("Text14", "Sigourney Weaver\nTom Skerritt");
        captioned("Label15", "In space no one can hear you scream.");
        untipped("Text16", "A crew\n\nwakes.");
        captioned("Label31", "MPAA: R");
        row("Label3", "IDX: 17", "IDX: 17", "IDX: ", "IDX: ");
        captioned("Label32", "User IDX: U17");
        captioned("Label33", "Entry type: Single Entry");
        captioned("Label4", "Year: 1979");
        captioned("Label5", "Status: Present");
        captioned("Label6", "Location: Shelf 3");
        captioned("Label7", "RK Rating: 5");
        captioned("Label34", "IMDB Rating: 8.5");
        captioned("Label8", "Runtime: 117");
        captioned("Label9", "Medium: DVD");
        captioned("Label10", "Language: English");
        row("Label17", "Entered: 14 Mar 2006", "Entered: 14 Mar 2006 (2006-03-14)", "", "");
        untipped("Label18", "No Files: 2");
        untipped("Label19", "Length: 117 min");
        untipped("Label20", "Format: AVI");
        untipped("Label21", "Codec: XviD");
        untipped("Label22", "Framerate: 25");
        untipped("Label23", "Bitrate: 1500");
        untipped("Label24", "Width: 1920");
        untipped("Label25", "Height: 1080");
        untipped("Label26", "Aspect: 1.78:1 (16:9)");
        untipped("Label27", "Codec: MP3");
        untipped("Label28", "Bitrate: 128");
        untipped("Label29", "Samplerate: 48000");
        untipped("Label30", "Channels: 2");
    }
    void controls() {
        QFETCH(int, position);
        QFETCH(QString, control);
        const TitleView full = DescribeTitle(kFull, kUs);
        const TitleView empty = DescribeTitle(CurrentTitle{}, kUs);
        QCOMPARE(full.controls.size(), size_t(35));
        QCOMPARE(empty.controls.size(), size_t(35));
        const ControlText& f = full.controls.at(position);
        const ControlText& e = empty.controls.at(position);
        QCOMPARE(f.control, control);
        QCOMPARE(e.control, control);
        QTEST(f.text, "fullText");
        QTEST(f.toolTip, "fullTip");
        QTEST(e.text, "emptyText");
        QTEST(e.toolTip, "emptyTip");
    }

    void rating_data() {
        QTest::addColumn<QString>("imdbRating");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<RatingView::Colour>("colour");
        QTest::addColumn<Tip>("barTip");
        using C = RatingView::Colour;
        QTest::newRow("Null") << "Null" << 0 << "" << C::Frame << kNone;
        QTest::newRow("no IMDB record") << "" << 0 << "" << C::Frame << Tip("");
        QTest::newRow("null is not Null") << "null" << 0 << "null" << C::Frame << Tip("null");
        QTest::newRow("0") << "0" << 0 << "0" << C::Frame << Tip("0");
        QTest::newRow("40") << "4.0" << 40 << "4.0" << C::Red << Tip("4.0");
        QTest::newRow("41") << "4.1" << 41 << "4.1" << C::Yellow << Tip("4.1");
        QTest::newRow("70") << "7" << 70 << "7" << C::Yellow << Tip("7");
        QTest::newRow("71") << "7.1" << 71 << "7.1" << C::Green << Tip("7.1");
        QTest::newRow("75") << "7.5" << 75 << "7.5" << C::Green << Tip("7.5");
        QTest::newRow("100") << "10" << 100 << "10" << C::Green << Tip("10");
        QTest::newRow("40.5 rounds up, stays red")
            << "4.05" << 41 << "4.05" << C::Red << Tip("4.05");
        QTest::newRow("leading number only")
            << "7.5/10" << 75 << "7.5/10" << C::Green << Tip("7.5/10");
        QTest::newRow("above 10 holds at 100") << "12" << 100 << "12" << C::Green << Tip("12");
        QTest::newRow("below 0 holds at 0") << "-1" << 0 << "-1" << C::Red << Tip("-1");
        QTest::newRow("overflow holds at 100")
            << "1e999" << 100 << "1e999" << C::Green << Tip("1e999");
    }
    void rating() {
        QFETCH(QString, imdbRating);
        CurrentTitle t;
        t.ImdbRating = imdbRating;
        const TitleView title = DescribeTitle(t, kUs);
        const RatingView& view = title.rating;
        QCOMPARE(title.controls.at(17).text,
                 imdbRating.isEmpty() ? QString() : "IMDB Rating: " + imdbRating);
        QTEST(view.barValue, "bar");
        QTEST(view.caption, "caption");
        QTEST(view.colour, "colour");
        QTEST(view.barToolTip, "barTip");
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("blanks, sign, fraction") << " \t-3.25x" << -3.25;
        QTest::newRow("point first") << "+.5" << 0.5;
        QTest::newRow("second point ends it") << "1.5.3" << 1.5;
        QTest::newRow("comma ends it") << "1,5" << 1.0;
        QTest::newRow("exponent") << "2.5E2 votes" << 250.0;
        QTest::newRow("negative exponent") << "5e-1" << 0.5;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("underflow") << "0.001e-999" << 0.0;
        QTest::newRow("other scripts' digits") << QString::fromUtf8("\u0663") << 0.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QTEST(LeadingNumber(text), "expected");
    }

    void aspect_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char* w, const char* h, const char* name) {
            QTest::newRow(tag) << QString(w) << QString(h) << QString(name);
        };
        row("720x576", "720", "576", "");
        row("720x480", "720", "480", "1.33:1 (4:3)");
        row("640x480", "640", "480", "1.33:1 (4:3)");
        row("1920x1080", "1920", "1080", "1.78:1 (16:9)");
        row("1998x1080", "1998", "1080", "1.85:1");
        row("2048x858", "2048", "858", "2.35:1");
        row("exactly 1.33", "133", "100", "");
        row("14:9", "1000", "640", "1.56:1 (14:9)");
        row("blanks around", " 1920 ", "1080\t", "1.78:1 (16:9)");
        row("exponent form", "1.5e3", "1000", "1.33:1 (4:3)");
        row("zero height", "720", "0", "");
        row("both zero", "0", "0", "");
        row("empty width", "", "480", "");
        row("unit attached", "720 px", "480", "");
        row("infinite", "inf", "1", "");
    }
    void aspect() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QTEST(Aspected(width, height), "expected");
    }

    void entered_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* tag, const QLocale& locale, const char* entered,
                            const char* date) {
            QTest::newRow(tag) << locale << QString(entered) << "Entered: " + QString(date);
        };
        row("iso", kUs, "2006-03-14", "14 Mar 2006");
        row("iso with time", kUs, "2006-03-14 12:30:00", "14 Mar 2006");
        row("iso T time", kUs, "2006-03-14T12:30", "14 Mar 2006");
        row("short, two-digit year", kUs, "3/14/06", "14 Mar 2006");
        row("short, four-digit year", kUs, "3/14/2006", "14 Mar 2006");
        row("long", kUs, "Tuesday, March 14, 2006", "14 Mar 2006");
        row("month named in the locale", QLocale(QLocale::German, QLocale::Germany), "14.03.06",
            "14 März 2006");
        row("not a date", kUs, "sometime", "sometime");
        row("no such day", kUs, "2006-02-30", "2006-02-30");
        row("iso then words", kUs, "2006-03-14 noon", "2006-03-14 noon");
        row("other locale's order", kUs, "14.03.06", "14.03.06");
    }
    void entered() {
        QFETCH(QLocale, locale);
        QFETCH(QString, entered);
        QFETCH(QString, caption);
        const ControlText c = label17(entered, locale);
        QCOMPARE(c.control, QStringLiteral("Label17"));
        QCOMPARE(c.text, caption);
        QCOMPARE(c.toolTip, Tip(caption + " (" + entered + ")"));
    }

    void paths_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("beforeDot");
        const auto row = [](const char* tag, const char* path, const char* after,
                            const char* before, const char* beforeDot) {
            QTest::newRow(tag) << QString(path) << QString(after) << QString(before)
                               << QString(beforeDot);
        };
        row("full path", "/movies/alien/alien.avi", "alien.avi", "/movies/alien/",
            "/movies/alien/alien.");
        row("name only", "alien.avi", "alien.avi", "alien.avi", "alien.");
        row("no dot", "/movies/alien", "alien", "/movies/", "/movies/alien");
        row("ends in separator", "/movies/", "", "/movies/", "/movies/");
        row("dot in a folder", "/a.b/c", "c", "/a.b/", "/a.");
        row("empty", "", "", "", "");
#ifdef Q_OS_WIN
        row("backslash", "D:\\Movies\\x.avi", "x.avi", "D:\\Movies\\", "D:\\Movies\\x.");
#else
        row("backslash is no separator", "a\\x.avi", "a\\x.avi", "a\\x.avi", "a\\x.");
#endif
    }
    void paths() {
        QFETCH(QString, path);
        QTEST(GetAfterSlash(path), "after");
        QTEST(GetbeforeSlash(path), "before");
        QTEST(GetbeforeDot(path), "beforeDot");
    }

    void imdbAddress_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("expected");
        const auto search = [](const char* tag, const char* name, const char* query) {
            QTest::newRow(tag) << QString(name) << QString()
                               << kSearch + query + "&restrict=Movies+and+TV";
        };
        QTest::newRow("link wins")
            << QStringLiteral("Alien") << QStringLiteral("https://imdb.example/tt1")
            << QStringLiteral("https://imdb.example/tt1");
        search("blanks as plus", "Blade Runner", "Blade+Runner");
        search("neither", "", "");
        search("query characters escaped", "Tom & Jerry #2 1+1=2", "Tom+%26+Jerry+%232+1%2B1%3D2");
        search("UTF-8", "Amélie", "Am%C3%A9lie");
    }
    void imdbAddress() {
        QFETCH(QString, name);
        QFETCH(QString, link);
        CurrentTitle t;
        t.ImdbName = name;
        t.ImdbLink = link;
        QTEST(ImdbAddress(t), "expected");
    }
};

QTEST_GUILESS_MAIN(TestTitleDisplay)
#include "tst_titledisplay.moc"
