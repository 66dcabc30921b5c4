// The title list, the four record readers and the genre merge on files written byte for byte,
// damaged ones included; the database folder from a chosen file.
#include "catalogue/CatalogueIndex.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CurrentTitle.h"
#include "catalogue/DatabasePaths.h"
#include "catalogue/MergeGenres.h"
#include "catalogue/TitleListReader.h"
#include "platform/RegularFile.h"
#include "support/CatalogueFolder.h"

#include <QTest>

Q_DECLARE_METATYPE(TitleList::Outcome)

namespace {

using O = ReaderResult::Outcome;
enum Reader { Title, Imdb, Media, History };
const char* const kFiles[] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};
// Files that are not what they should be: none, a FIFO (an open would block), a link to
// /dev/zero (it never ends). Each counts as absent.
const QStringList kNoFile = {"<no file>"}, kFifo = {"<fifo>"}, kZero = {"<zero>"};
const char* const kBad = "5 (Invalid procedure call or argument)";
const char* const kNotFound = "53 (File not found)";
const QString kAmelie = QString::fromUtf8("Am\u00e9lie");

// Records whose fields mostly hold the name of the field they fill, so a misplaced one shows.
const QString kAlien = "Alien;SINGLE;Location;CatalogueGenre;Status;Medium;Rating;x;y;NULL;"
                       "Comments;17;UserIdx";
const QString kImdb = "Alien;x;ImdbName;x;Year;Director;Tagline;Summary;ImdbGenre;Actors;Mpaa;"
                      "Language;Runtime;ImdbRating;ImdbLink;rest";
const QString kMedia = "Alien;Format;NoFiles;Length;Width;Height;Framerate;VideoBitrate;"
                       "VideoCodec;AudioBitrate;AudioCodec;AudioChannels;Samplerate";
const QString kHistory = "Alien;2004-05-06;x;y";

// The first `count` ";"-separated fields with "n=value" edits ("3=Shelf 9;5=x"), framed.
QString rec(const QString& record, const QString& edits = {}, int count = 99) {
    QStringList fields = record.split(u';').mid(0, count);
    for (const QString& edit : edits.split(u';', Qt::SkipEmptyParts))
        fields[edit.section(u'=', 0, 0).toInt() - 1] = edit.section(u'=', 1);
    return "~ " + fields.join("| ") + " ~";
}

// "Name=Name" for each field the record names, then `extra`.
QString named(const QString& record, const QString& extra) {
    QString out;
    for (const auto& field : CurrentTitle::fields())
        if (record.split(u';').contains(QLatin1String(field.name)))
            out += QString("%1=%1;").arg(QLatin1String(field.name));
    return out + extra;
}

// "Name=value;..." with edits of the same form ("Name=" drops the field), in name order.
QStringList fields(const QString& base, const QString& edits = {}) {
    QMap<QString, QString> map;
    for (const QString& pair : (base + u';' + edits).split(u';', Qt::SkipEmptyParts)) {
        if (pair.endsWith(u'='))
            map.remove(pair.chopped(1));
        else
            map.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    }
    QStringList out;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        out << it.key() + u'=' + it.value();
    return out;
}

// Puts the special file a marker names at `path`; false for any other text.
bool makeSpecial(const QString& path, const QString& marker) {
    return marker == kFifo[0]   ? MakeSpecial(path, Special::Fifo)
           : marker == kZero[0] ? MakeSpecial(path, Special::DevZero)
                                : false;
}

} // namespace

class TestReaders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Shared framing and decoding are the title reader's rows; the others test their own fields.
    void read_data() {
        QTest::addColumn<int>("reader");
        QTest::addColumn<QByteArray>("file"); // null: none; Windows-1252 unless the row is UTF-8;
                                              // or a special file's marker
        QTest::addColumn<QString>("before");  // fields set before the read
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("result");    // found, none, format, or the error of a failure
        QTest::addColumn<QStringList>("after"); // <covers>: the covers folder, holding 17.jpg
        Reader reader = Title;
        QString before, full; // what each reader's rows start from, and its complete read
        const auto all = [&](const QString& edits = "") { return fields(full, edits); };
        const auto kept = [&](const char* edits = "") { return fields(before, edits); };
        const auto row = [&](const char* tag, const QStringList& lines, const char* result,
                             const QStringList& after, const QString& key = "Alien") {
            const QString text = lines.isEmpty() ? "" : lines.join("\r\n") + "\r\n";
            const QByteArray file = lines == kNoFile                   ? QByteArray()
                                    : lines == kFifo || lines == kZero ? lines[0].toUtf8()
                                    : QLatin1String(tag) == "UTF-8"    ? text.toUtf8()
                                                                       : ToWindows1252(text);
            QTest::addRow("%s: %s", kFiles[reader], tag)
                << int(reader) << file << before << key << QString(result) << after;
        };

        full = named(kAlien, "Title=Alien;EntryType=Single Entry;Idx=17;CoverFile=<covers>17.jpg");
        const QString alien = rec(kAlien);
        row("all fields, first match", {rec(kAlien, "1=Aliens"), alien, rec(kAlien, "3=Shelf 9")},
            "found", all());
        row("Windows-1252", {rec(kAlien, "1=" + kAmelie)}, "found", all("Title=" + kAmelie),
            kAmelie);
        row("kind Single Entry", {rec(kAlien, "2=Single Entry")}, "found",
            all("EntryType=Series/Box set"));
        row("NULL empties fields 3 to 13", {rec(QStringList(13, "NULL").join(u';'))}, "found",
            kept("Title=NULL;EntryType=Series/Box set"), "NULL");
        row("more than 13 fields", {alien.chopped(2) + "| x| y ~"}, "found",
            all("UserIdx=UserIdx| x| y"));
        row("^^ is CR LF", {rec(kAlien, "11=a^^b^c^^^")}, "found", all("Comments=a\r\nb^c\r\n^"));
        row("continuation lines",
            {alien.left(alien.indexOf("Comm")) + "one", "", "three", "four| 17| UserIdx ~"},
            "found", all("Comments=one\r\nthree^four"));
        row("cover named by the trimmed Idx", {rec(kAlien, "12= 17 ")}, "found", all("Idx= 17 "));
        row("no cover picture", {rec(kAlien, "12=16")}, "found", all("Idx=16;CoverFile="));
        row("cover is a FIFO", {rec(kAlien, "12=18")}, "found", all("Idx=18;CoverFile="));
        row("cover links to /dev/zero", {rec(kAlien, "12=19")}, "found", all("Idx=19;CoverFile="));
        row("no separator ends the search", {"~ no separator ~", alien}, "none", kept());
        row("too short to frame", {"~|~", alien}, kBad, kept());
        // The "|" test comes before the framing, so taking the key then runs out of fields.
        row("separator only in the framing", {"~|Brazil ~", alien}, kBad, kept());
        row("twelve fields", {rec(kAlien, "", 12)}, kBad, all("Idx=;UserIdx=;CoverFile="));
        row("three fields", {rec(kAlien, "", 3)}, kBad, kept("Title=Alien;EntryType=Single Entry"));

        reader = Imdb;
        before = "CatalogueGenre=Horror";
        full = named(kImdb, before + ";Genre=Horror, ImdbGenre");
        const QString imdb = rec(kImdb);
        row("all fields, genres merged, first match",
            {"~ no separator ~", imdb, rec(kImdb, "5=1986")}, "found", all());
        row("UTF-8", {rec(kImdb, "1=" + kAmelie)}, "found", all(), kAmelie);
        row("NULL empties fields 5 to 15, not 3",
            {rec("Alien;x;" + QStringList(13, "NULL").join(u';') + ";rest")}, "found",
            kept("ImdbName=NULL;Genre=Horror"));
        row("continuation line", {imdb.left(imdb.indexOf("mary")), imdb.mid(imdb.indexOf("mary"))},
            "found", all("Summary=Sum^mary"));
        row("ten fields", {rec(kImdb, "", 10)}, kBad,
            all("Actors=;Mpaa=;Language=;Runtime=;ImdbRating=;ImdbLink=;Genre="));

        reader = Media; // keyed by the title read before
        before = "Title=Alien";
        full = named(kMedia, before);
        const QString media = rec(kMedia);
        const QString brazil = rec(kMedia, "1=Brazil");
        row("all fields, first match, before a line without ~",
            {"~ no separator ~", "no| start ~", brazil, media, rec(kMedia, "2=MKV"), "broken"},
            "found", all());
        row("empty line is a format error", {"", media}, "format", kept());
        row("NULL empties fields 2 to 13", {rec("Alien;" + QStringList(12, "NULL").join(u';'))},
            "found", kept());
        row("record without closing ~ is not joined", {media.chopped(2) + " Hz", "next line ~"},
            "found", all("Samplerate=Samplerate "));
        row("three fields", {rec(kMedia, "", 3)}, kBad, kept("Format=Format"));
        before = "Title=Brazil";
        row("other title only", {media}, "none", kept());
        row("after a line without ~", {media, "broken", brazil}, "format", kept());

        reader = History;
        before = "";
        full = "Entered=2004-05-06";
        const QString alienH = rec(kHistory);
        const QString brazilH = rec(kHistory, "1=Brazil;2=2001-01-01");
        const QStringList found = all();
        row("first match, before a line without ~",
            {brazilH, alienH, rec(kHistory, "2=1999"), "broken"}, "found", found);
        row("other titles only", {brazilH, alienH}, "none", kept(), "Casablanca");
        row("NULL", {rec(kHistory, "2=NULL")}, "found", kept());
        row("lower-case null is text", {rec(kHistory, "2=null")}, "found", all("Entered=null"));
        row("after a line without ~", {alienH, "broken", brazilH}, "format", kept(), "Brazil");
        row("two fields", {rec(kHistory, "", 2)}, kBad, kept());
        row("three fields keep the date", {rec(kHistory, "", 3)}, kBad, found);

        // A missing IMDB or media file is no failure; a missing title or history file is.
        for (const Reader each : {Title, Imdb, Media, History}) {
            reader = each;
            row("empty file", {}, "none", {});
            const char* absent = each == Imdb || each == Media ? "none" : kNotFound;
            row("no file", kNoFile, absent, {});
            row("FIFO", kFifo, absent, {});
            row("link to /dev/zero", kZero, absent, {});
        }
    }
    void read() {
        QFETCH(int, reader);
        QFETCH(QByteArray, file);
        QFETCH(QString, before);
        QFETCH(QString, key);
        QFETCH(QString, result);
        QFETCH(QStringList, after);
        CatalogueFolder folder;
        if (!file.isNull() && !makeSpecial(folder.dbPath() + kFiles[reader], file))
            folder.write(kFiles[reader], file);
        folder.write("Covers/17.jpg", "");
        QVERIFY(MakeSpecial(folder.coverPath() + "18.jpg", Special::Fifo) &&
                MakeSpecial(folder.coverPath() + "19.jpg", Special::DevZero));
        after.replaceInStrings("<covers>", folder.coverPath());
        CurrentTitle title;
        for (const QString& pair : fields(before))
            for (const auto& field : CurrentTitle::fields())
                if (pair.section(u'=', 0, 0) == QLatin1String(field.name))
                    title.*field.member = pair.section(u'=', 1);
        const QMap<QString, O> outcomes = {
            {"found", O::Found}, {"none", O::NotFound}, {"format", O::FormatError}};
        const O outcome = outcomes.value(result, O::ReadFailed);
        const QString message = outcome == O::FormatError ? "Wrong format: Unrecognized fileformat!"
                                : outcome == O::ReadFailed
                                    ? QString("Critical Error: Error %1 \r\nwhen reading %2")
                                          .arg(result, QString(kFiles[reader]).toLower())
                                    : QString();
        // Indexed as sequential; a second indexed read gives the same, failure included.
        CatalogueIndex index;
        for (CatalogueIndex* use : {static_cast<CatalogueIndex*>(nullptr), &index, &index}) {
            const CatalogueReader r(folder.dbPath(), folder.coverPath(), use);
            const ReaderResult got = reader == Title   ? r.ReadTitleRecord(key, title)
                                     : reader == Imdb  ? r.ReadImdbRecord(key, title)
                                     : reader == Media ? r.ReadMediaRecord(title)
                                                       : r.ReadHistoryRecord(key, title);
            const auto m = got.message();
            QCOMPARE(m ? m->title + ": " + m->text : QString(), message);
            QVERIFY(!m || m->icon == Message::Icon::Critical);
            QCOMPARE(got.outcome, outcome);
            QStringList filled;
            for (const auto& field : CurrentTitle::fields())
                if (!(title.*field.member).isEmpty())
                    filled << QString::fromLatin1(field.name) + u'=' + title.*field.member;
            filled.sort();
            QCOMPARE(filled, after);
        }
    }

    // "catalogue genres + IMDB genres => merged"; a previous merge does not carry over.
    void mergeGenres_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("imdb");
        QTest::addColumn<QString>("genre");
        for (const QString& c : QString("Drama, War + War,History , drama => Drama, War, History;"
                                        "Melodrama + Drama => Melodrama;"
                                        " + Action, Comedy => Action, Comedy;"
                                        " + Sci-Fi, sci-fi => Sci-Fi;"
                                        "Drama +  ,Action,,  => Drama, Action;"
                                        "Drama +  => Drama;"
                                        " +  => ")
                                    .split(u';'))
            QTest::newRow(qPrintable(c))
                << c.section(" + ", 0, 0) << c.section(" + ", 1).section(" => ", 0, 0)
                << c.section(" => ", 1);
    }
    void mergeGenres() {
        QFETCH(QString, catalogue);
        QFETCH(QString, imdb);
        CurrentTitle title;
        title.CatalogueGenre = catalogue;
        title.ImdbGenre = imdb;
        title.Genre = "Western";
        MergeGenres(title);
        QTEST(title.Genre, "genre");
    }

    // A 200 MB line is listed (indexed); showing one decodes it all, so that read uses 20 MB.
    void hugeSingleLine() {
        CatalogueFolder db;
        CatalogueIndex index;
        db.write("reelkeep.dat", "~ A| SINGLE| " + QByteArray(200 << 20, 'x'));
        QCOMPARE(ReadTitleList(db.dbPath(), &index).titles.toStringList(), QStringList{"A"});
        db.write("reelkeep.dat", "~ A| SINGLE| " + QByteArray(20 << 20, 'x'));
        CurrentTitle t;
        const CatalogueReader reader(db.dbPath(), db.coverPath(), &index);
        QCOMPARE(reader.ReadTitleRecord("A", t).failure->number, 5); // it runs out of fields
        QCOMPARE(t.Title, QStringLiteral("A"));
    }

    void oddFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("titles");
        QTest::newRow("NUL bytes") << QByteArray(1 << 20, '\0') << 0;
        QTest::newRow("100,000 fields") << "~ A| S| L| G| St| M| R| 8| 9| Aka| C| 12| " +
                                               QByteArray("f| ").repeated(100000) + "end ~"
                                        << 1;
        QTest::newRow("64 KB title")
            << "~ " + QByteArray(64 << 10, 't') + "| S| x| x| x| x| x| x| x| x| x| 1| x ~" << 1;
        QTest::newRow("only separators") << QByteArray(1 << 16, '|') << 1; // an empty title
        QTest::newRow("only carriage returns") << QByteArray(1 << 16, '\r') << 0;
    }
    // Every reader, indexed and sequential, on the same odd bytes in all four files.
    void oddFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, titles);
        CatalogueFolder db;
        for (const char* name : {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"})
            db.write(name, bytes);
        CatalogueIndex index;
        const TitleList list = ReadTitleList(db.dbPath(), &index);
        QCOMPARE(list.titles.size(), titles);
        QCOMPARE(ReadTitleList(db.dbPath()).titles.toStringList(), list.titles.toStringList());
        for (CatalogueIndex* use : {&index, static_cast<CatalogueIndex*>(nullptr)}) {
            const CatalogueReader reader(db.dbPath(), db.coverPath(), use);
            for (const QString& key : list.titles.toStringList() + QStringList{"", "missing"}) {
                CurrentTitle t;
                reader.ReadTitleRecord(key, t);
                reader.ReadImdbRecord(key, t);
                reader.ReadMediaRecord(t);
                reader.ReadHistoryRecord(key, t);
                if (titles > 0 && key == list.titles.at(0) && bytes.size() > 1000000)
                    QVERIFY(t.UserIdx.startsWith("f| f| "));
            }
        }
    }

    // A file read no further than its size when opened plus a margin: one that grows past it
    // (a size of 0 for a file of the system's that has text) is a read failure.
    void growingFile() {
        const QString path = QStringLiteral("/proc/self/status");
        if (KindOf(path) != PathKind::File || QFileInfo(path).size() != 0)
            QSKIP("no file that reads longer than its size here");
        QVERIFY(RegularFile(path).readAll().value_or(QByteArray()).contains("Name:"));
        QCOMPARE(RegularFile(path).readAll(16), std::nullopt);
    }

    void load_data() {
        using O = TitleList::Outcome;
        QTest::addColumn<QStringList>("lines"); // or a marker: no file, a FIFO, ...
        QTest::addColumn<O>("outcome");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("failure"); // the text shown, if any, as a wildcard
        const auto row = [](const char* tag, const QStringList& lines, O outcome,
                            const QStringList& titles, const char* failure = "") {
            QTest::newRow(tag) << lines << outcome << titles << QString(failure);
        };
        const QString a = "~ Alien| SINGLE| x ~", b = "~ Brazil| SINGLE| y ~";
        row("counts records, not lines", {a, "~ Brazil| SINGLE| first", "second ~", "~ C| x ~"},
            O::Loaded, {"Alien", "Brazil", "C"});
        row("blanks in a title are kept", {"~  Alien | x ~"}, O::Loaded, {" Alien "});
        row("empty line joins the next record", {a, "", b}, O::Loaded, {"Alien", " Brazil"});
        row("unfinished last record", {a, "~ Brazil| y"}, O::Loaded, {"Alien", "Brazil"});
        row("separator only in the framing", {"~|Alien ~", a}, O::Stopped, {});
        row("three characters", {a, b, "~a~", a}, O::Failed, {"Alien", "Brazil"},
            "Error 5 (Invalid procedure call or argument) \r\nwhen reading reelkeep.dat");
        // A folder in its place: which error number it gives is ours to choose.
        row("cannot be opened", {"<folder>"}, O::Failed, {},
            "Error *) \r\nwhen reading reelkeep.dat");
        row("empty file", {}, O::Loaded, {});
        row("no title file", kNoFile, O::Missing, {});
        row("FIFO", kFifo, O::Missing, {});
        row("link to /dev/zero", kZero, O::Missing, {});
        // A 16-bit counter once capped a load at 32767 records.
        row("40000 records", QStringList(40000, "~ T| x ~"), O::Loaded, QStringList(40000, "T"));
    }
    void load() {
        QFETCH(QStringList, lines);
        QFETCH(TitleList::Outcome, outcome);
        QFETCH(QStringList, titles);
        QFETCH(QString, failure);
        CatalogueFolder folder;
        const QString path = folder.dbPath() + "reelkeep.dat";
        if (lines == QStringList{"<folder>"})
            QVERIFY(MakeSpecial(path, Special::Folder));
        else if (lines != kNoFile && !makeSpecial(path, lines.value(0)))
            folder.writeLines("reelkeep.dat", lines);
        CatalogueIndex index;
        for (CatalogueIndex* use : {static_cast<CatalogueIndex*>(nullptr), &index}) {
            const TitleList list = ReadTitleList(folder.dbPath(), use);
            const QString shown = list.failure ? list.failure->message().text : QString();
            // "*" in the expected text stands for the error number and description.
            QVERIFY2(failure.isEmpty() ? shown.isEmpty()
                                       : shown.startsWith(failure.section(u'*', 0, 0)) &&
                                             shown.endsWith(failure.section(u'*', -1)),
                     qPrintable(shown));
            QCOMPARE(list.outcome, outcome);
            QCOMPARE(list.titles.toStringList(), titles);
            QCOMPARE(list.statusText(), outcome == TitleList::Outcome::Loaded
                                            ? QString("%1 entries loaded.").arg(titles.size())
                                            : QString());
        }
    }

    void chosenFile_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("dbPath"); // empty: no folder in the name
        QTest::newRow("root") << QString("/reelkeep.dat") << QString("/");
        QTest::newRow("last separator counts") << QString("/a/b.c/d") << QString("/a/b.c/");
        QTest::newRow("no separator") << QString("reelkeep.dat") << QString();
    }
    void chosenFile() {
        QFETCH(QString, chosen);
        QFETCH(QString, dbPath);
        const DatabasePaths paths = DatabasePaths::fromChosenFile(chosen).value_or(DatabasePaths{});
        QCOMPARE(paths.dbPath, dbPath);
        QCOMPARE(paths.coverPath, dbPath.isEmpty() ? QString() : dbPath + "Covers/");
    }
};

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_readers.moc"
