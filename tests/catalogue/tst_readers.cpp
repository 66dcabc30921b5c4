// SPDX-License-Identifier: GPL-3.0-or-later
// The title list and the four record readers on files byte for byte, sequentially and indexed.
#include "catalogue/CatalogueIndex.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CurrentTitle.h"
#include "catalogue/DatabasePaths.h"
#include "catalogue/MergeGenres.h"
#include "catalogue/TitleListReader.h"
#include "platform/RegularFile.h"
#include "support/CatalogueFolder.h"

#include <QTest>
#include <sys/resource.h>

Q_DECLARE_METATYPE(TitleList::Outcome)

namespace {

using O = TitleList::Outcome;
enum Reader { Title, Imdb, Media, History };
const char* const kFiles[] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};
const char* const kBad = "5 (Invalid procedure call or argument)";
const char* const kNotFound = "53 (File not found)";

QString critical(const QString& error, const QString& file) {
    return "Critical Error: Error " + error + " \r\nwhen reading " + file.toLower();
}

// What a reader met as the user sees it: found, none, or the message shown.
QString shown(const ReaderResult& result) {
    if (const auto m = result.message())
        return m->title + ": " + m->text;
    return result.outcome == ReaderResult::Outcome::Found ? "found" : "none";
}

ReaderResult readOne(const CatalogueReader& r, int reader, const QString& key, CurrentTitle& t) {
    return reader == Title   ? r.ReadTitleRecord(key, t)
           : reader == Imdb  ? r.ReadImdbRecord(key, t)
           : reader == Media ? r.ReadMediaRecord(t)
                             : r.ReadHistoryRecord(key, t);
}

// The values of the fields that are set, in CurrentTitle's order, joined by ";".
QString valuesOf(const CurrentTitle& t) {
    QStringList values;
    for (const auto& field : CurrentTitle::fields())
        if (!(t.*field.member).isEmpty())
            values << t.*field.member;
    return values.join(u';');
}

// What stands for a catalogue file: the Special kinds, or a file opened with no descriptor left.
enum Kind { Fifo, DevZero, Folder, Bytes, Absent, NoDescriptor };

} // namespace

class TestReaders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Framing and decoding shared by all four are the title reader's rows.
    void read_data() {
        QTest::addColumn<int>("reader");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("result"); // found, none or the message shown
        QTest::addColumn<QString>("values"); // valuesOf the title read; <covers>: the covers folder
        Reader reader = Title;
        const auto row = [&](const char* tag, const QStringList& lines, const QString& result,
                             const QString& values, const QString& key = "Alien",
                             bool utf8 = false) {
            const QString message = result == "found" || result == "none" ? result
                                    : result == "format" ? "Wrong format: Unrecognized fileformat!"
                                                         : critical(result, kFiles[reader]);
            const QString text = lines.join("\r\n") + "\r\n";
            QTest::addRow("%s: %s", kFiles[reader], tag)
                << int(reader) << (utf8 ? text.toUtf8() : ToWindows1252(text)) << key << message
                << values;
        };
        row("first of two, Windows-1252, cover by the trimmed Idx",
            {"~ “Alien”s| SINGLE| x ~", "~ “Alien”| Single| L| G| S| M| R| 8| 9| A| C|  17 | U ~",
             "~ “Alien”| SINGLE| other ~"},
            "found", "“Alien”;Single Entry;L;G;S;M;R;A;C; 17 ;U;<covers>17.jpg", "“Alien”");
        row("NULL empties fields 3 to 13", {"~ " + QStringList(13, "NULL").join("| ") + " ~"},
            "found", "NULL;Series/Box set", "NULL");
        row("continued, ^^ a line end, over 13 fields, cover is a FIFO",
            {"~ Alien| SINGLE| L| G| S| M| R| 8| 9| A| a^^^b", "", "c| 18| U| x ~"}, "found",
            "Alien;Single Entry;L;G;S;M;R;A;a\r\n^b\r\nc;18;U| x");
        row("no separator ends the search", {"~ no separator ~", "~ Alien| x ~"}, "none", "");
        // The "|" test comes before the framing, so taking the key then runs out of fields.
        row("separator only in the framing", {"~|Brazil ~", "~ Alien| x ~"}, kBad, "");
        row("twelve fields", {"~ Alien| SINGLE| L| G| S| M| R| 8| 9| A| C| 17 ~"}, kBad,
            "Alien;Single Entry;L;G;S;M;R;A;C");

        reader = Imdb; // with the catalogue genre Horror
        row("first match, skips a record without separator, continued, UTF-8",
            {"~ no separator ~", "~ Amélie| 2| N| 4| Y| D| T| S",
             "S| IG| Ac| Mp| La| Ru| IR| IL| rest ~", "~ Amélie| 2| other ~"},
            "found", "Horror;N;Y;D;T;S^S;IG;Ac;Mp;La;Ru;IR;IL;Horror, IG", "Amélie", true);
        row("NULL empties fields 5 to 15, not 3",
            {"~ Alien| 2| NULL| 4| NULL| D| T| S| IG| Ac| Mp| La| Ru| IR| NULL| rest ~"}, "found",
            "Horror;NULL;D;T;S;IG;Ac;Mp;La;Ru;IR;Horror, IG");
        row("ten fields", {"~ Alien| 2| N| 4| Y| D| T| S| IG| Ac ~"}, kBad, "Horror;N;Y;D;T;S;IG");

        reader = Media; // keyed by the title read before
        const QString media = "~ Alien| F| 1| Le| W| H| Fr| VB| VC| AB| AC| Ch| SR ~";
        const QString brazil = "~ Brazil| F| 1| Le| W| H| Fr| VB| VC| AB| AC| Ch| SR ~";
        row("first match, before a line without ~",
            {"~ no separator ~", "no| start ~", brazil, media, "~ Alien| MKV| x ~", "broken"},
            "found", "Alien;F;1;Le;W;H;Fr;VB;VC;AB;AC;Ch;SR");
        row("empty line is a format error", {"", media}, "format", "Alien");
        row("NULL empties fields 2 to 13, null does not",
            {"~ Alien| NULL| null| " + QStringList(10, "NULL").join("| ") + " ~"}, "found",
            "Alien;null");
        row("record without closing ~ is not joined", {media.chopped(2) + " Hz", "next ~"}, "found",
            "Alien;F;1;Le;W;H;Fr;VB;VC;AB;AC;Ch;SR ");
        row("three fields", {"~ Alien| F| 1 ~"}, kBad, "Alien;F");
        row("after a line without ~", {media, "broken", brazil}, "format", "Brazil", "Brazil");

        reader = History;
        const QString alienH = "~ Alien| 2004-05-06| x| y ~", brazilH = "~ Brazil| 2001| x| y ~";
        row("first match, before a line without ~",
            {brazilH, alienH, "~ Alien| 1999| x| y ~", "broken"}, "found", "2004-05-06");
        row("other titles only", {brazilH, alienH}, "none", "", "Casablanca");
        row("NULL", {"~ Alien| NULL| x| y ~"}, "found", "");
        row("after a line without ~", {alienH, "broken", brazilH}, "format", "", "Brazil");
        row("three fields keep the date", {"~ Alien| 2004-05-06| x ~"}, kBad, "2004-05-06");
    }
    void read() {
        QFETCH(int, reader);
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        CatalogueFolder db;
        db.write(kFiles[reader], file);
        db.write("Covers/17.jpg", "");
        QVERIFY(MakeSpecial(db.coverPath() + "18.jpg", Special::Fifo));
        // Sequential, then indexed twice: a second indexed read gives the same, failure included.
        CatalogueIndex index;
        for (CatalogueIndex* use : {static_cast<CatalogueIndex*>(nullptr), &index, &index}) {
            CurrentTitle t;
            t.Title = reader == Media ? key : QString();
            t.CatalogueGenre = reader == Imdb ? "Horror" : "";
            const CatalogueReader r(db.dbPath(), db.coverPath(), use);
            const ReaderResult got = readOne(r, reader, key, t);
            QTEST(shown(got), "result");
            QVERIFY(!got.message() || got.message()->icon == Message::Icon::Critical);
            QTEST(valuesOf(t).replace(db.coverPath(), "<covers>"), "values");
        }
    }

    // "catalogue genres + IMDB genres => merged"; a previous merge does not carry over.
    void mergeGenres_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("imdb");
        QTest::addColumn<QString>("genre");
        QTest::newRow("duplicates in any case")
            << QString("Drama, War") << QString("War,History , drama, history")
            << QString("Drama, War, History");
        QTest::newRow("contained text, empty pieces")
            << QString("Melodrama") << QString(" ,Action,, drama ") << QString("Melodrama, Action");
        QTest::newRow("no catalogue genre")
            << QString() << QString("Action, Comedy") << QString("Action, Comedy");
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

    // The same bytes or special file as all four: the list, and each reader indexed as sequential.
    void sameInEveryFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<O>("outcome");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("failure"); // of the list
        const auto row = [](const char* tag, const QByteArray& bytes, O outcome,
                            const QStringList& titles, const char* failure = "",
                            Kind kind = Bytes) {
            QTest::newRow(tag) << bytes << int(kind) << outcome << titles << QString(failure);
        };
        const QByteArray a = "~ Alien| SINGLE| x ~\r\n";
        row("records, not lines",
            "~  Alien | x ~\r\n~ Brazil| first\r\nsecond ~\r\n\r\n~ C| x ~\r\n~ D| y", O::Loaded,
            {" Alien ", "Brazil", " C", "D"});
        row("separator only in the framing", "~|Alien ~\r\n" + a, O::Stopped, {});
        row("three characters", a + "~a~\r\n" + a, O::Failed, {"Alien"}, kBad);
        // A 16-bit counter once capped a load at 32767 records.
        row("40000 records", QByteArray("~ T| x ~\r").repeated(40000), O::Loaded,
            QStringList(40000, "T"));
        row("NUL bytes", QByteArray(1 << 20, '\0'), O::Stopped, {});
        row("100,000 fields", "~ A| S| " + QByteArray("f| ").repeated(100000) + "end ~", O::Loaded,
            {"A"});
        row("64 KB title", "~ " + QByteArray(64 << 10, 't') + "| S| x ~", O::Loaded,
            {QString(64 << 10, u't')});
        row("only separators", QByteArray(1 << 16, '|'), O::Loaded, {""});
        row("only carriage returns", QByteArray(1 << 16, '\r'), O::Stopped, {});
        // Listed from the index without decoding it; the record then runs out of fields.
        row("20 MB line", "~ A| SINGLE| " + QByteArray(20 << 20, 'x'), O::Loaded, {"A"});
        row("empty", "", O::Loaded, {});
        row("none", "", O::Missing, {}, "", Absent);
        row("FIFO", "", O::Missing, {}, "", Fifo);
        row("link to /dev/zero", "", O::Missing, {}, "", DevZero);
        row("folder", "", O::Failed, {}, kNotFound, Folder);
        row("open refused", "", O::Failed, {}, "75 (Path/File access error)", NoDescriptor);
    }
    void sameInEveryFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(O, outcome);
        QFETCH(QStringList, titles);
        QFETCH(QString, failure);
        CatalogueFolder db;
        for (const char* name : kFiles)
            if (kind == Bytes || kind == NoDescriptor)
                db.write(name, bytes);
            else if (kind != Absent)
                QVERIFY(MakeSpecial(db.dbPath() + name, Special(kind)));
        rlimit before{};
        getrlimit(RLIMIT_NOFILE, &before);
        const rlimit starved{kind == NoDescriptor ? 0 : before.rlim_cur, before.rlim_max};
        CatalogueIndex index;
        for (CatalogueIndex* use : {static_cast<CatalogueIndex*>(nullptr), &index}) {
            setrlimit(RLIMIT_NOFILE, &starved);
            const TitleList list = ReadTitleList(db.dbPath(), use);
            setrlimit(RLIMIT_NOFILE, &before);
            QCOMPARE(list.outcome, outcome);
            QCOMPARE(list.titles.toStringList(), titles);
            QCOMPARE(list.failure ? shown(ReaderResult::failed(*list.failure)) : "",
                     failure.isEmpty() ? "" : critical(failure, kFiles[Title]));
            QCOMPARE(list.statusText(), outcome == O::Loaded
                                            ? QString::number(titles.size()) + " entries loaded."
                                            : "");
        }
        const CatalogueReader slow(db.dbPath(), db.coverPath());
        const CatalogueReader fast(db.dbPath(), db.coverPath(), &index);
        for (const QString& key : titles.mid(0, 4) + QStringList{"", "missing"})
            for (const int reader : {Title, Imdb, Media, History}) {
                CurrentTitle a, b;
                a.Title = b.Title = key;
                setrlimit(RLIMIT_NOFILE, &starved);
                const QString got = shown(readOne(fast, reader, key, b));
                const bool same = got == shown(readOne(slow, reader, key, a));
                setrlimit(RLIMIT_NOFILE, &before);
                QVERIFY(same && a == b);
                // What the list meets, but a missing title or history file is a failure too.
                const bool required = reader == Title || reader == History;
                const QString code = required && outcome == O::Missing ? kNotFound : failure;
                if (bytes.isEmpty())
                    QCOMPARE(got, code.isEmpty() ? "none" : critical(code, kFiles[reader]));
            }
    }

    // A file that grows past its size when opened plus a margin is a read failure.
    void growingFile() {
        const QString path = QStringLiteral("/proc/self/status");
        if (KindOf(path) != PathKind::File || QFileInfo(path).size() != 0)
            QSKIP("no file that reads longer than its size here");
        QVERIFY(RegularFile(path).readAll().value_or(QByteArray()).contains("Name:"));
        QCOMPARE(RegularFile(path).readAll(16), std::nullopt);
    }

    // A title file chosen at the root; the main window's database dialog answers the rest.
    void chosenFileAtTheRoot() {
        const auto paths = DatabasePaths::fromChosenFile("/reelkeep.dat");
        QCOMPARE(paths ? paths->dbPath + u' ' + paths->coverPath : QString(), "/ /Covers/");
    }
};

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_readers.moc"
