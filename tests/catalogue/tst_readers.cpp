// The four record readers and the genre merge, on catalogue files written byte for byte.
#include "CatalogueFolder.h"
#include "CatalogueReader.h"
#include "CurrentTitle.h"
#include "MergeGenres.h"
#include "TitleListReader.h"

#include <QTest>

using Fields = QMap<QString, QString>;
Q_DECLARE_METATYPE(ReaderResult::Outcome)

namespace {

using O = ReaderResult::Outcome;
enum class Reader { Title, Imdb, Media, History };

// "a;b;c" as a field list.
QStringList fieldList(const char* list) {
    return QString::fromUtf8(list).split(u';');
}

QString rec(const QStringList& fields) {
    return "~ " + fields.join("| ") + " ~";
}

QStringList with(QStringList fields, int number, const QString& value) {
    fields[number - 1] = value;
    return fields;
}

// Fields number..last set to value.
QStringList from(QStringList fields, int number, const QString& value) {
    for (qsizetype i = number - 1; i < fields.size(); ++i)
        fields[i] = value;
    return fields;
}

QByteArray crlf(const QStringList& lines) {
    return ToWindows1252(lines.join("\r\n") + "\r\n");
}

// "Name=value" sets a field, "Name=" drops it.
Fields changed(Fields base, const QStringList& pairs) {
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(u'=');
        const QString value = pair.mid(eq + 1);
        if (value.isEmpty())
            base.remove(pair.left(eq));
        else
            base.insert(pair.left(eq), value);
    }
    return base;
}

QStringList filled(const CurrentTitle& title) {
    QStringList out;
    for (const auto& field : CurrentTitle::fields())
        if (!(title.*field.member).isEmpty())
            out << QString::fromLatin1(field.name) + u'=' + title.*field.member;
    out.sort();
    return out;
}

QStringList asList(const Fields& fields) {
    QStringList out;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        out << it.key() + u'=' + it.value();
    return out;
}

void set(CurrentTitle& title, const Fields& fields) {
    for (const auto& field : CurrentTitle::fields())
        title.*field.member = fields.value(QString::fromLatin1(field.name));
}

QString shown(const ReaderResult& result) {
    const auto m = result.message();
    if (!m)
        return {};
    return (m->icon == Message::Icon::Critical ? QString() : QStringLiteral("[not critical] ")) +
           m->title + ": " + m->text;
}

QString critical(const char* error, const char* file) {
    return QStringLiteral("Critical Error: Error %1 \r\nwhen reading %2")
        .arg(QLatin1String(error), QLatin1String(file));
}
const char* const kBadRecord = "5 (Invalid procedure call or argument)";
const char* const kNotFound = "53 (File not found)";
const QString kWrongFormat = QStringLiteral("Wrong format: Unrecognized fileformat!");

const QStringList kAlien = fieldList("Alien;SINGLE;Shelf 3;Horror, Sci-Fi;Seen;DVD;5;"
                                     "x;y;NULL;Great^^film;17;U17");
const Fields kAlienFields = {{"Title", "Alien"},      {"EntryType", "Single Entry"},
                             {"Location", "Shelf 3"}, {"CatalogueGenre", "Horror, Sci-Fi"},
                             {"Status", "Seen"},      {"Medium", "DVD"},
                             {"Rating", "5"},         {"Comments", "Great\r\nfilm"},
                             {"Idx", "17"},           {"UserIdx", "U17"}};

const QStringList kImdb =
    fieldList("Alien;i2;Alien (1979);i4;1979;Ridley Scott;In space.;"
              "A crew meets a beast.;Sci-Fi,horror;Sigourney Weaver;R;English;"
              "117 min;8.5;https://imdb.example/tt1;rest");
const Fields kImdbPreset = {{"CatalogueGenre", "Horror"}};
const Fields kImdbFields = changed(
    kImdbPreset, {"ImdbName=Alien (1979)", "Year=1979", "Director=Ridley Scott",
                  "Tagline=In space.", "Summary=A crew meets a beast.", "ImdbGenre=Sci-Fi,horror",
                  "Actors=Sigourney Weaver", "Mpaa=R", "Language=English", "Runtime=117 min",
                  "ImdbRating=8.5", "ImdbLink=https://imdb.example/tt1", "Genre=Horror, Sci-Fi"});

const QStringList kMedia = fieldList("Alien;AVI;2;01:57:00;720;576;25;1800;XviD;192;AC3;6;48000");
const Fields kMediaPreset = {{"Title", "Alien"}};
const Fields kMediaFields = changed(
    kMediaPreset, {"Format=AVI", "NoFiles=2", "Length=01:57:00", "Width=720", "Height=576",
                   "Framerate=25", "VideoBitrate=1800", "VideoCodec=XviD", "AudioBitrate=192",
                   "AudioCodec=AC3", "AudioChannels=6", "Samplerate=48000"});

const QString kBrazilMedia = rec(with(kMedia, 1, "Brazil"));
const QString kBrazilHistory = rec({"Brazil", "2001-01-01", "x", "y"});
const QString kAlienHistory = rec({"Alien", "2004-05-06", "x", "y"});

void addColumns() {
    QTest::addColumn<QByteArray>("file"); // null: the file does not exist
    QTest::addColumn<Fields>("before");   // CurrentTitle before the read
    QTest::addColumn<QString>("key");
    QTest::addColumn<O>("outcome");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Fields>("after");
}

void run(Reader which) {
    QFETCH(QByteArray, file);
    QFETCH(Fields, before);
    QFETCH(QString, key);
    QFETCH(O, outcome);
    QFETCH(QString, message);
    QFETCH(Fields, after);
    static const char* const names[] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};
    CatalogueFolder folder;
    if (!file.isNull())
        folder.write(names[int(which)], file);
    const CatalogueReader reader(folder.dbPath(), folder.coverPath());
    CurrentTitle title;
    set(title, before);

    ReaderResult result;
    switch (which) {
    case Reader::Title:
        result = reader.ReadTitleRecord(key, title);
        break;
    case Reader::Imdb:
        result = reader.ReadImdbRecord(key, title);
        break;
    case Reader::Media:
        result = reader.ReadMediaRecord(title);
        break;
    case Reader::History:
        result = reader.ReadHistoryRecord(key, title);
        break;
    }
    QCOMPARE(shown(result), message);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(filled(title), asList(after));
}

} // namespace

class TestReaders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titleReader_data() {
        addColumns();
        const Fields none;
        const QString alien = rec(kAlien);
        auto row = [&](const char* name, const QStringList& lines, const QString& key, O outcome,
                       const QString& message, const Fields& after) {
            QTest::newRow(name) << crlf(lines) << none << key << outcome << message << after;
        };
        auto changedComments = [&](const char* name, const QString& field, const char* result) {
            row(name, {rec(with(kAlien, 11, field))}, "Alien", O::Found, "",
                changed(kAlienFields, {QStringLiteral("Comments=") + result}));
        };
        auto kind = [&](const char* name, const QString& field, const char* entryType) {
            row(name, {rec(with(kAlien, 2, field))}, "Alien", O::Found, "",
                changed(kAlienFields, {QStringLiteral("EntryType=") + entryType}));
        };

        row("all fields", {alien}, "Alien", O::Found, "", kAlienFields);
        row("after another title", {rec(with(kAlien, 1, "Aliens")), alien}, "Alien", O::Found, "",
            kAlienFields);
        row("key is case-sensitive", {alien}, "alien", O::NotFound, "", none);
        row("first match wins", {alien, rec(with(kAlien, 3, "Shelf 9"))}, "Alien", O::Found, "",
            kAlienFields);
        kind("kind single", "single", "Single Entry");
        kind("kind Single Entry", "Single Entry", "Series/Box set");
        kind("kind empty", "", "Series/Box set");
        row("NULL empties fields 3 to 13 only", {rec(from(kAlien, 1, "NULL"))}, "NULL", O::Found,
            "", {{"Title", "NULL"}, {"EntryType", "Series/Box set"}});
        row("lower-case null is text", {rec(from(kAlien, 1, "null"))}, "null", O::Found, "",
            changed({}, {"Title=null", "EntryType=Series/Box set", "Location=null",
                         "CatalogueGenre=null", "Status=null", "Medium=null", "Rating=null",
                         "AkaTitle=null", "Comments=null", "Idx=null", "UserIdx=null"}));
        row("more than 13 fields", {rec(kAlien + QStringList{"extra", "more"})}, "Alien", O::Found,
            "", changed(kAlienFields, {"UserIdx=U17| extra| more"}));
        changedComments("comments a^^b^c", "a^^b^c", "a\r\nb^c");
        changedComments("comments ^^^", "^^^", "\r\n^");
        row("three physical lines",
            {"~ Alien| SINGLE| Shelf 3| Horror, Sci-Fi| Seen| DVD| 5| x| y| NULL| one", "two",
             "three| 17| U17 ~"},
            "Alien", O::Found, "", changed(kAlienFields, {"Comments=one^two^three"}));
        row("empty line inside comments",
            {"~ Alien| SINGLE| Shelf 3| Horror, Sci-Fi| Seen| DVD| 5| x| y| NULL| one", "",
             "three| 17| U17 ~"},
            "Alien", O::Found, "", changed(kAlienFields, {"Comments=one\r\nthree"}));
        row("empty line before the record", {"", alien}, "Alien", O::NotFound, "", none);
        row("empty line before: keyed from the second character", {"", alien}, " Alien", O::Found,
            "", changed(kAlienFields, {"Title= Alien"}));
        row("record without separator ends the search", {"~ no separator ~", alien}, "Alien",
            O::NotFound, "", none);
        row("too short to frame", {"~|~", alien}, "Alien", O::ReadFailed,
            critical(kBadRecord, "reelkeep.dat"), none);
        // The "|" test comes before the framing, so taking the key then runs out of fields.
        row("separator only in the framing", {"~|Brazil ~", alien}, "Alien", O::ReadFailed,
            critical(kBadRecord, "reelkeep.dat"), none);
        row("twelve fields", {rec(kAlien.mid(0, 12))}, "Alien", O::ReadFailed,
            critical(kBadRecord, "reelkeep.dat"), changed(kAlienFields, {"Idx=", "UserIdx="}));
        row("three fields", {rec(kAlien.mid(0, 3))}, "Alien", O::ReadFailed,
            critical(kBadRecord, "reelkeep.dat"),
            {{"Title", "Alien"}, {"EntryType", "Single Entry"}});
        QTest::newRow("empty file")
            << QByteArray("") << none << "Alien" << O::NotFound << "" << none;
        QTest::newRow("no title file") << QByteArray() << none << "Alien" << O::ReadFailed
                                       << critical(kNotFound, "reelkeep.dat") << none;
    }
    void titleReader() { run(Reader::Title); }

    void imdbReader_data() {
        addColumns();
        const QString imdb = rec(kImdb);
        const QString k = QStringLiteral("Alien");
        auto row = [&](const char* name, const QByteArray& file, O outcome, const QString& message,
                       const Fields& after, const Fields& before = kImdbPreset) {
            QTest::newRow(name) << file << before << k << outcome << message << after;
        };
        row("all fields, genres merged", crlf({imdb}), O::Found, "", kImdbFields);
        row("field 3 NULL stays", crlf({rec(with(kImdb, 3, "NULL"))}), O::Found, "",
            changed(kImdbFields, {"ImdbName=NULL"}));
        row("NULL empties fields 5 to 15", crlf({rec(from(kImdb, 5, "NULL").mid(0, 15) << "rest")}),
            O::Found, "", changed(kImdbPreset, {"ImdbName=Alien (1979)", "Genre=Horror"}));
        row("lower-case null is text", crlf({rec(from(kImdb, 2, "null"))}), O::Found, "",
            changed(kImdbPreset,
                    {"ImdbName=null", "Year=null", "Director=null", "Tagline=null", "Summary=null",
                     "ImdbGenre=null", "Actors=null", "Mpaa=null", "Language=null", "Runtime=null",
                     "ImdbRating=null", "ImdbLink=null", "Genre=Horror, null"}));
        row("record over two lines",
            crlf({"~ Alien| i2| Alien (1979)| i4| 1979| Ridley Scott| In space.| A crew meets",
                  "a beast.| Sci-Fi,horror| Sigourney Weaver| R| English| 117 min| 8.5| "
                  "https://imdb.example/tt1| rest ~"}),
            O::Found, "", changed(kImdbFields, {"Summary=A crew meets^a beast."}));
        row("record without separator passed over", crlf({"~ no separator ~", imdb}), O::Found, "",
            kImdbFields);
        row("first match wins", crlf({imdb, rec(with(kImdb, 5, "1986"))}), O::Found, "",
            kImdbFields);
        row("key is case-sensitive", crlf({rec(with(kImdb, 1, "ALIEN"))}), O::NotFound, "",
            changed(kImdbPreset, {"Year=1999"}), changed(kImdbPreset, {"Year=1999"}));
        row("ten fields", crlf({rec(kImdb.mid(0, 10))}), O::ReadFailed,
            critical(kBadRecord, "imdb.dat"),
            changed(kImdbFields, {"Actors=", "Mpaa=", "Language=", "Runtime=", "ImdbRating=",
                                  "ImdbLink=", "Genre="}));
        row("fifteen fields", crlf({rec(kImdb.mid(0, 15))}), O::ReadFailed,
            critical(kBadRecord, "imdb.dat"), changed(kImdbFields, {"ImdbLink=", "Genre="}));
        row("too short to frame", crlf({"~|~", imdb}), O::ReadFailed,
            critical(kBadRecord, "imdb.dat"), kImdbPreset);
        row("separator only in the framing", crlf({"~|Brazil ~", imdb}), O::ReadFailed,
            critical(kBadRecord, "imdb.dat"), kImdbPreset);
        row("empty file", QByteArray(""), O::NotFound, "", kImdbPreset);
        row("no imdb file", QByteArray(), O::NotFound, "", kImdbPreset);
    }
    void imdbReader() { run(Reader::Imdb); }

    void mediaReader_data() {
        addColumns();
        const QString media = rec(kMedia);
        auto row = [&](const char* name, const QByteArray& file, O outcome, const QString& message,
                       const Fields& after, const Fields& before = kMediaPreset) {
            QTest::newRow(name) << file << before << QString() << outcome << message << after;
        };
        const Fields brazil = {{"Title", "Brazil"}};
        row("all fields", crlf({kBrazilMedia, media}), O::Found, "", kMediaFields);
        row("looks for the title read before", crlf({media}), O::NotFound, "", brazil, brazil);
        row("NULL empties fields 2 to 13", crlf({rec(from(kMedia, 2, "NULL"))}), O::Found, "",
            kMediaPreset);
        row("lower-case null is text", crlf({rec(with(kMedia, 13, "null"))}), O::Found, "",
            changed(kMediaFields, {"Samplerate=null"}));
        row("title before a line without ~", crlf({media, "broken", kBrazilMedia}), O::Found, "",
            kMediaFields);
        row("title after a line without ~", crlf({media, "broken", kBrazilMedia}), O::FormatError,
            kWrongFormat, brazil, brazil);
        row("empty line is a format error", crlf({"", media}), O::FormatError, kWrongFormat,
            kMediaPreset);
        row("line ending in ~ only", crlf({"no| start ~", media}), O::Found, "", kMediaFields);
        row("record without closing ~ is not joined",
            crlf({"~ Alien| AVI| 2| 01:57:00| 720| 576| 25| 1800| XviD| 192| AC3| 6| 48000 Hz",
                  "next line ~"}),
            O::Found, "", changed(kMediaFields, {"Samplerate=48000 "}));
        row("record without separator passed over", crlf({"~ no separator ~", media}), O::Found, "",
            kMediaFields);
        row("first match wins", crlf({media, rec(with(kMedia, 2, "MKV"))}), O::Found, "",
            kMediaFields);
        row("too short to frame", crlf({"~~", media}), O::ReadFailed,
            critical(kBadRecord, "media.dat"), kMediaPreset);
        row("three fields", crlf({rec(kMedia.mid(0, 3))}), O::ReadFailed,
            critical(kBadRecord, "media.dat"), changed(kMediaPreset, {"Format=AVI"}));
        row("empty file", QByteArray(""), O::NotFound, "", kMediaPreset);
        row("no media file", QByteArray(), O::NotFound, "", kMediaPreset);
    }
    void mediaReader() { run(Reader::Media); }

    void historyReader_data() {
        addColumns();
        auto row = [&](const char* name, const QByteArray& file, const QString& key, O outcome,
                       const QString& message, const QString& entered) {
            QTest::newRow(name) << file << Fields{} << key << outcome << message
                                << changed({}, {"Entered=" + entered});
        };
        const QByteArray both = crlf({kBrazilHistory, kAlienHistory});
        row("found", both, "Alien", O::Found, "", "2004-05-06");
        row("other titles only", both, "Casablanca", O::NotFound, "", "");
        row("first match wins", crlf({kAlienHistory, rec({"Alien", "1999", "x", "y"})}), "Alien",
            O::Found, "", "2004-05-06");
        row("NULL", crlf({rec({"Alien", "NULL", "x", "y"})}), "Alien", O::Found, "", "");
        row("lower-case null", crlf({rec({"Alien", "null", "x", "y"})}), "Alien", O::Found, "",
            "null");
        row("title before a line without ~", crlf({kAlienHistory, "broken", kBrazilHistory}),
            "Alien", O::Found, "", "2004-05-06");
        row("title after a line without ~", crlf({kAlienHistory, "broken", kBrazilHistory}),
            "Brazil", O::FormatError, kWrongFormat, "");
        row("too short to frame", crlf({"~~~", kAlienHistory}), "Alien", O::ReadFailed,
            critical(kBadRecord, "history.dat"), "");
        row("two fields", crlf({rec({"Alien", "2004-05-06"})}), "Alien", O::ReadFailed,
            critical(kBadRecord, "history.dat"), "");
        row("three fields keep the date", crlf({rec({"Alien", "2004-05-06", "x"})}), "Alien",
            O::ReadFailed, critical(kBadRecord, "history.dat"), "2004-05-06");
        row("empty file", QByteArray(""), "Alien", O::NotFound, "", "");
        row("no history file", QByteArray(), "Alien", O::ReadFailed,
            critical(kNotFound, "history.dat"), "");
    }
    void historyReader() { run(Reader::History); }

    void missingHistoryReportedEveryTime() {
        CatalogueFolder folder;
        const CatalogueReader reader(folder.dbPath(), folder.coverPath());
        CurrentTitle title;
        for (int i = 0; i < 2; ++i)
            QCOMPARE(shown(reader.ReadHistoryRecord("Alien", title)),
                     critical(kNotFound, "history.dat"));
    }

    void coverPicture_data() {
        QTest::addColumn<QString>("idx");
        QTest::addColumn<QString>("picture"); // file present in the covers folder, if any
        QTest::addColumn<QString>("coverFile");
        QTest::newRow("blanks around the index") << " 17 "
                                                 << "17.jpg"
                                                 << "17.jpg";
        QTest::newRow("trailing blank") << "17 "
                                        << "17.jpg"
                                        << "17.jpg";
        QTest::newRow("picture missing") << " 17 "
                                         << "18.jpg"
                                         << "";
    }
    void coverPicture() {
        QFETCH(QString, idx);
        QFETCH(QString, picture);
        QFETCH(QString, coverFile);
        CatalogueFolder folder;
        folder.writeLines("reelkeep.dat", {rec(with(kAlien, 12, idx))});
        folder.touchCover(picture);
        const CatalogueReader reader(folder.dbPath(), folder.coverPath());
        CurrentTitle title;
        QCOMPARE(reader.ReadTitleRecord("Alien", title).outcome, O::Found);
        QCOMPARE(title.Idx, idx);
        QCOMPARE(title.CoverFile, coverFile.isEmpty() ? QString() : folder.coverPath() + coverFile);
        QCOMPARE(reader.coverPathFor(idx), folder.coverPath() + "17.jpg");
    }

    // The list entry is the key into every file, whatever each file's encoding.
    void keysMatchAcrossEncodings() {
        const QString amelie = QString::fromUtf8("Am\u00e9lie");
        CatalogueFolder folder;
        folder.writeLines("reelkeep.dat", {rec(with(kAlien, 1, amelie))});
        folder.write("imdb.dat", rec(with(with(kImdb, 1, amelie), 3, amelie + " (2001)")).toUtf8());
        folder.write("media.dat", rec(with(kMedia, 1, amelie)).toUtf8());
        folder.writeLines("History.dat", {rec({amelie, "2002-02-02", "x", "y"})});
        const QString key = ReadTitleList(folder.dbPath()).titles.value(0);
        QCOMPARE(key, amelie);

        const CatalogueReader reader(folder.dbPath(), folder.coverPath());
        CurrentTitle title;
        QCOMPARE(reader.ReadTitleRecord(key, title).outcome, O::Found);
        QCOMPARE(reader.ReadImdbRecord(key, title).outcome, O::Found);
        QCOMPARE(reader.ReadMediaRecord(title).outcome, O::Found);
        QCOMPARE(reader.ReadHistoryRecord(key, title).outcome, O::Found);
        QCOMPARE(title.ImdbName, amelie + " (2001)");
        QCOMPARE(title.Format, QStringLiteral("AVI"));
        QCOMPARE(title.Entered, QStringLiteral("2002-02-02"));
    }

    void titleOnlyInTitleFile() {
        CatalogueFolder folder;
        folder.writeLines("reelkeep.dat", {rec(kAlien)});
        folder.writeLines("imdb.dat", {rec(with(kImdb, 1, "Brazil"))});
        folder.writeLines("media.dat", {kBrazilMedia});
        folder.writeLines("History.dat", {kBrazilHistory});
        const CatalogueReader reader(folder.dbPath(), folder.coverPath());
        CurrentTitle title;
        title.Genre = "stale";
        ClearCurrentTitle(title);
        QCOMPARE(reader.ReadTitleRecord("Alien", title).outcome, O::Found);
        QCOMPARE(reader.ReadImdbRecord("Alien", title).outcome, O::NotFound);
        QCOMPARE(reader.ReadMediaRecord(title).outcome, O::NotFound);
        QCOMPARE(reader.ReadHistoryRecord("Alien", title).outcome, O::NotFound);
        QCOMPARE(filled(title), asList(kAlienFields));
    }

    void mergeGenres_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("imdb");
        QTest::addColumn<QString>("genre");
        QTest::newRow("blanks and case ignored") << "Drama, War"
                                                 << "War,History , drama"
                                                 << "Drama, War, History";
        QTest::newRow("contained in a longer genre") << "Melodrama"
                                                     << "Drama"
                                                     << "Melodrama";
        QTest::newRow("no leading separator") << ""
                                              << "Action, Comedy"
                                              << "Action, Comedy";
        QTest::newRow("named twice, added once") << ""
                                                 << "Sci-Fi, sci-fi"
                                                 << "Sci-Fi";
        QTest::newRow("empty pieces passed over") << "Drama"
                                                  << " ,Action,, "
                                                  << "Drama, Action";
        QTest::newRow("empty imdb list") << "Drama"
                                         << ""
                                         << "Drama";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "";
    }
    void mergeGenres() {
        QFETCH(QString, catalogue);
        QFETCH(QString, imdb);
        QFETCH(QString, genre);
        CurrentTitle title;
        title.CatalogueGenre = catalogue;
        title.ImdbGenre = imdb;
        title.Genre = "Western"; // a previous merge does not carry over
        MergeGenres(title);
        QCOMPARE(title.Genre, genre);
    }
};

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_readers.moc"
