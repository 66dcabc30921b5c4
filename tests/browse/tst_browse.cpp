// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window shows for a title, and the find box's search.
#include "browse/FactSearch.h"
#include "browse/GatherTitle.h"
#include "browse/TitleDisplay.h"
#include "catalogue/EnteredDate.h"
#include "support/CatalogueFolder.h"

#include <QRegularExpression>
#include <QTest>

using Tip = std::optional<QString>;

namespace {

// "Name=text" for each control, " [=]" after a tooltip equal to the text, " [tip]" for another.
QStringList shown(const TitleView& view) {
    const auto control = [](const QString& name, const QString& text, const Tip& tip) {
        return name + u'=' + text + (!tip ? "" : *tip == text ? " [=]" : " [" + *tip + "]");
    };
    QStringList out;
    for (const ControlText& c : view.controls)
        out << control(c.control, c.text, c.toolTip);
    return out << control("Rating", view.rating.caption, view.rating.barToolTip);
}

// One row of the current table: its tag, then its values.
template <class... T> void row(const char* tag, const T&... values) {
    (QTest::newRow(tag) << ... << values);
}

} // namespace

class TestBrowse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each field in its control; a field over the bound cut with "…", not inside a pair or CR LF.
    void describeTitle_data() {
        QTest::addColumn<QString>("value");        // of every field; null: each holds its name
        QTest::addColumn<QStringList>("expected"); // as shown() writes the controls
        const QStringList full =
            QString("Label1=<Title> [=];Label2=AKA: <AkaTitle> [=];"
                    "Label11=IMDB: <ImdbName> [<ImdbLink>];Label12=Genre: <Genre> [Reelkeep "
                    "Genre: <CatalogueGenre> - IMDB Genre: <ImdbGenre>];Text17=Great\nfilm;"
                    "Label13=Directed by <Director> [=];Text14=<Actors>;Label15=<Tagline> [=];"
                    "Text16=<Summary>;Label31=MPAA: <Mpaa> [=];Label3=IDX: <Idx> [=];"
                    "Label32=User IDX: <UserIdx> [=];Label33=Entry type: <EntryType> [=];"
                    "Label4=Year: <Year> [=];Label5=Status: <Status> [=];"
                    "Label6=Location: <Location> [=];Label7=RK Rating: <Rating> [=];"
                    "Label34=IMDB Rating: <ImdbRating> [=];Label8=Runtime: <Runtime> [=];"
                    "Label9=Medium: <Medium> [=];Label10=Language: <Language> [=];"
                    "Label17=Entered: <Entered> [Entered: <Entered> (<Entered>)];"
                    "Label18=No Files: <NoFiles>;Label19=Length: <Length>;"
                    "Label20=Format: <Format>;Label21=Codec: <VideoCodec>;"
                    "Label22=Framerate: <Framerate>;Label23=Bitrate: <VideoBitrate>;"
                    "Label24=Width: 1920;Label25=Height: 1080;Label26=Aspect: 1.78:1 (16:9);"
                    "Label27=Codec: <AudioCodec>;Label28=Bitrate: <AudioBitrate>;"
                    "Label29=Samplerate: <Samplerate>;Label30=Channels: <AudioChannels>;"
                    "Rating=<ImdbRating> [=]")
                .split(u';');
        row("every field", QString(), full);
        QStringList empty;
        for (const QString& c : full)
            empty << c.section(u'=', 0, 0) + u'=' + (c.endsWith(u']') ? " [=]" : "");
        empty[2] = "Label11= [Double click to search IMDB]";
        empty[3] = "Label12= [Reelkeep Genre:  - IMDB Genre: ]";
        empty[10] = "Label3=IDX:  [=]";
        row("no field", QString(""), empty);
        const QRegularExpression field("<\\w+>"); // for rows where every field holds one text
        const QString x(kShownChars, u'x'), shorter = x.chopped(1);
        const QStringList cut = QStringList(full).replaceInStrings(field, shorter + u'…');
        row("at the bound", x, QStringList(full).replaceInStrings(field, x));
        row("surrogate pair at the cut", shorter + "\U0001F600", cut);
        row("CR LF at the cut", shorter + "\r\ny", cut);
    }
    void describeTitle() {
        QFETCH(QString, value);
        CurrentTitle t;
        for (const auto& f : CurrentTitle::fields())
            t.*f.member = value.isNull() ? QString("<%1>").arg(f.name) : value;
        if (!t.Title.isEmpty()) { // CR LF as the catalogue stores it; a picture size
            t.Comments = "Great\r\nfilm";
            t.Width = "1920";
            t.Height = "1080";
        }
        QTEST(shown(DescribeTitle(t)), "expected");
    }

    // The bar from the number the rating starts with; the frame's colour or the band's.
    void rating_data() {
        QTest::addColumn<QString>("rating");
        QTest::addColumn<int>("bar");
        QTest::addColumn<RatingView::Colour>("colour");
        using C = RatingView::Colour;
        const std::tuple<const char*, int, C> rows[] = {
            {"Null", 0, C::Frame},         {"null", 0, C::Frame},
            {"4.05", 41, C::Red},          {"4.1", 41, C::Yellow},
            {"7", 70, C::Yellow},          {"7.1", 71, C::Green},
            {" \t-3.25x", 0, C::Red},      {"+.5", 5, C::Red},
            {"1.5.3", 15, C::Red},         {".\u0663", 0, C::Frame},
            {"0.25E+1 votes", 25, C::Red}, {"7e", 70, C::Yellow},
            {"0.001e-999", 0, C::Frame},   {"1e999", 100, C::Green}};
        for (const auto& [rating, bar, colour] : rows)
            QTest::newRow(rating) << QString(rating) << bar << colour;
    }
    void rating() {
        QFETCH(QString, rating);
        CurrentTitle t;
        t.ImdbRating = rating;
        const RatingView view = DescribeTitle(t).rating;
        QTEST(view.barValue, "bar");
        QTEST(view.colour, "colour");
        QCOMPARE(view.caption, rating == "Null" ? QString() : rating);
        QCOMPARE(view.barToolTip, rating == "Null" ? Tip() : Tip(rating));
    }

    // A title without a link of its own: a search, its name encoded.
    void imdbSearch() {
        CurrentTitle t;
        t.ImdbName = "Tom & Jerry #2 1+1=2 Am\u00e9lie";
        QCOMPARE(ImdbAddress(t), "https://www.imdb.com/Tsearch?title=Tom+%26+Jerry+%232+1%2B1%3D2+"
                                 "Am%C3%A9lie&restrict=Movies+and+TV");
    }

    // ISO or the locale's short or long date as the display writes it; else the text.
    void enteredDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("shown");
        row("ISO, time", "en_US", "2006-03-14 12:30:00", "14 Mar 2006");
        row("ISO, zone", "en_US", "2006-03-14T12:30Z", "14 Mar 2006");
        row("short, long year", "en_US", "3/14/2006", "14 Mar 2006");
        row("long", "en_US", "Tuesday, March 14, 2006", "14 Mar 2006");
        row("short in German", "de_DE", "14.03.06", "14 M\u00e4rz 2006");
        row("no such day", "en_US", "2006-02-30", "2006-02-30");
        row("no time", "en_US", "2006-03-14 noon", "2006-03-14 noon");
    }
    void enteredDate() {
        QFETCH(QString, locale);
        QFETCH(QString, entered);
        QTEST(FormatEnteredDate(entered, "dd MMM yyyy", QLocale(locale)), "shown");
    }

    // Each field of the four records is found and named by a word only it holds; the words in
    // the fields the readers pass over are found nowhere.
    void everyFact() {
        CatalogueFolder db;
        db.writeLines("reelkeep.dat", {"~ w00| SINGLE| w01| w02| w03| w04| w05| s1| s2| w06| w07| "
                                       "w08| w09 ~"});
        db.writeLines("imdb.dat", {"~ w00| s3| w10| s4| w11| w12| w13| w14| w15| w16| w17| w18| "
                                   "w19| w20| w21| s5 ~"});
        db.writeLines("media.dat", {"~ w00| w22| w23| w24| w25| w26| w27| w28| w29| w30| w31| "
                                    "w32| w33 ~"});
        db.writeLines("History.dat", {"~ w00| w34| s6| ~"});
        QStringList expected, found;
        for (const CurrentTitle::Field& field : CurrentTitle::fields())
            if (!QList<QString>{"EntryType", "CoverFile", "Genre"}.contains(field.name))
                expected << field.name;
        expected << QStringList(6, "");
        CatalogueIndex index;
        FactSearch search(index, db.dbPath());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QString word =
                i < 35 ? QString("W%1").arg(i, 2, 10, QChar('0')) : QString("S%1").arg(i - 34);
            const auto hit = search.find({"w00"}, word, 0, FindScope::Everything);
            found << (hit ? hit->fact : QString());
        }
        QCOMPARE(found, expected);
    }

    // The find box in the titles and in every fact, in either encoding of the files; the same
    // title a reading of every title would find, whatever the raw bytes let it skip.
    void find_data() {
        QTest::addColumn<bool>("everything");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("found"); // "Title | fact"; empty: nothing
        const auto title = [](const char* text, int from, const char* found) {
            QTest::addRow("title: %s from %d", text, from) << false << text << from << found;
        };
        title("leon", 0, "Léon | ");
        title("ECOLE", 0, "École | ");
        title("alien", 1, "Alien | ");
        title("harrison", 0, "");
        const auto fact = [](const char* text, const char* found) {
            QTest::newRow(text) << true << text << 0 << found;
        };
        fact("harrison FORD", "Blade Runner | Actors: Harrison Ford, Rutger Hauer");
        fact("spindle 3", "Léon | Location: DVDR-Spindle 3");
        fact("lights off", "Alien | Comments: … cuts. Watch with the lights off.");
        fact("single entry", "Alien | EntryType: Single Entry");
        fact("box set", "Léon | EntryType: Series/Box set");
        fact("drama, crime", "Léon | Genre: Drama, Crime");
        fact("48000", "Alien | Samplerate: 48000");
        fact("2006-03", "École | Entered: 2006-03-14");
        fact("more human", "Blade Runner | Tagline: More human than human");
        fact("2019", "Blade Runner | Summary: In 2019, a blade runner must …");
        fact("cuts.^", "");
        fact("null", "");
        fact("nothing like it", "");
    }
    void find() {
        QFETCH(bool, everything);
        QFETCH(QString, text);
        QFETCH(int, from);
        const QStringList titles{"Alien", "Léon", "Blade Runner", "École"};
        const QStringList files[4] = {
            {"~ Alien| SINGLE| Shelf A-3| Horror| Present| DVD| 5| 0| NULL| NULL| Two cuts.", "",
             "Watch with the lights off.| 1| R-0001 ~",
             "~ Léon| SERIES| DVDR-Spindle 3| Drama| Absent| DVD-R| 4| 0| NULL| x| NULL| 2| x ~",
             "~ Blade Runner| SINGLE| Shelf B| Sci-Fi| Present| DVD| 5| 0| NULL| NULL| x| 3| x ~",
             "~ École| SINGLE| Box| Drama| Present| DVD| 3| 0| NULL| NULL| NULL| 4| NULL ~"},
            {"~ Blade Runner| x| Blade Runner| x| 1982| Ridley Scott| More human than human| "
             "In 2019, a blade runner must pursue replicants across the city of Los Angeles| "
             "Crime, Thriller| Harrison Ford, Rutger Hauer| R| English| 117| 8.1| http://x/| ~",
             "~ Léon| x| Léon| x| 1994| Luc Besson| x| NULL| Crime| Jean Reno| R| French| 110| "
             "8.5| | ~"},
            {"~ Alien| Matroska| 1| 01:57:00| 1920| 800| 23.976| 9000 Kbps| AVC| 448 Kbps| AC-3| "
             "6| 48000 ~"},
            {"~ École| 2006-03-14| Added| 0 ~"}};
        const char* names[4] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};
        for (const bool utf8 : {false, true}) {
            CatalogueFolder db;
            for (int f = 0; f < 4; ++f)
                utf8 ? db.write(names[f], (files[f].join("\r\n") + "\r\n").toUtf8())
                     : db.writeLines(names[f], files[f]);
            CatalogueIndex index;
            FactSearch search(index, db.dbPath());
            const auto hit = search.find(titles, text, from,
                                         everything ? FindScope::Everything : FindScope::Title);
            const QString found = hit ? titles[hit->row] + " | " + FactSearch::describe(*hit) : "";
            QTEST(found, "found");
            // Every title read in full, from the same place.
            const CatalogueReader reader(db.dbPath(), db.coverPath(), &index);
            QString reference;
            for (int n = 0; everything && n < titles.size() && reference.isEmpty(); ++n) {
                CurrentTitle title;
                const int row = (from + n) % titles.size();
                GatherTitle(reader, titles[row], title, {});
                if (const auto fact = FactSearch::factHolding(title, FoldedNeedle(text)))
                    reference = titles[row] + " | " + FactSearch::describe(*fact);
            }
            if (everything)
                QCOMPARE(found, reference);
        }
    }
};

QTEST_MAIN(TestBrowse)
#include "tst_browse.moc"
