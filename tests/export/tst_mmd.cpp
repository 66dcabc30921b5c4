// The .mmd document byte for byte, its escaping and genre elements, the batch rules, and the
// written file; every document is also read back by an XML parser.
#include "CatalogueFolder.h"
#include "JoveRules.h"
#include "MmdDocument.h"
#include "WriteIt.h"
#include "XmlCheck.h"

#include <QFile>
#include <QTest>

namespace {

// "Field=value" pairs into a title.
CurrentTitle titleOf(const QStringList& pairs) {
    CurrentTitle t;
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(u'=');
        for (const CurrentTitle::Field& f : CurrentTitle::fields())
            if (pair.left(eq) == QLatin1String(f.name))
                t.*f.member = pair.mid(eq + 1);
    }
    return t;
}

const QString kHead = QStringLiteral("<media type=\"Video\"><avitype>0</avitype>");

} // namespace

class TestMmd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void documents_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("part"); // 0: the batch document
        QTest::addColumn<QString>("expected");
        const QStringList example = {"Title=Alien", "ImdbGenre=Drama, War", "Location=Shelf 3",
                                     "Year=1979"};
        QTest::newRow("batch example")
            << example << 0
            << kHead + "<genre>Drama</genre><genre>War</genre><mtype>video</mtype>"
                       "<name sort=\"\">Alien</name><disklabel>Shelf 3</disklabel>"
                       "<year>1979</year></media>";
        QTest::newRow("single example, part 2")
            << example + QStringList{"VideoCodec=XviD", "Width=640", "Height=272", "AudioCodec=MP3"}
            << 2
            << kHead + "<genre>Drama</genre><genre>War</genre><mtype>video</mtype>"
                       "<name sort=\"2\">Alien</name><path>alien.cd2.avi</path><year>1979</year>"
                       "<video-codec>XviD</video-codec><pixel-frame>640 x 272</pixel-frame>"
                       "<aspected-ratio>2.35:1</aspected-ratio><audio-codec>MP3</audio-codec>"
                       "</media>";
        QTest::newRow("medium only gives codecs")
            << QStringList{"Title=T", "Medium=DVD", "Width=720", "AudioBitrate=128"} << 0
            << kHead + "<mtype>video</mtype><name sort=\"\">T</name><disklabel></disklabel>"
                       "<codecs>DVD</codecs></media>";
        QTest::newRow("all optional elements in order")
            << QStringList{"Title=T",        "Language=English", "ImdbName=N",
                           "ImdbRating=7.5", "Summary=S",        "AkaTitle=A",
                           "Director=D",     "Comments=a\r\nb",  "Tagline=G",
                           "VideoCodec=V",   "VideoBitrate=1",   "Width=720",
                           "AudioBitrate=2", "AudioChannels=6"}
            << 0
            << kHead + "<lang>English</lang><mtype>video</mtype><name sort=\"\">T</name>"
                       "<disklabel></disklabel><imdbname>N</imdbname>"
                       "<imdb-rating>7.5</imdb-rating><imdb-summary>S</imdb-summary>"
                       "<aka-title>A</aka-title><director>D</director>"
                       "<comments>a&#13;&#10;b</comments><tagline>G</tagline>"
                       "<video-codec>V</video-codec><video-bitrate>1</video-bitrate>"
                       "<audio-bitrate>2</audio-bitrate><audio-channels>6</audio-channels></media>";
        QTest::newRow("hostile title")
            << QStringList{"Title=<b>]]>&x\x01\t", "Year=<1979>"} << 0
            << kHead + "<mtype>video</mtype><name sort=\"\">&#60;b&#62;]]&#62;&amp;x&#9;</name>"
                       "<disklabel></disklabel><year>&#60;1979&#62;</year></media>";
    }
    void documents() {
        QFETCH(QStringList, fields);
        QFETCH(int, part);
        QFETCH(QString, expected);
        const CurrentTitle t = titleOf(fields);
        const auto p =
            part ? std::optional(MmdPart{part, QStringLiteral("alien.cd2.avi")}) : std::nullopt;
        const QString doc = BuildMmd(t, GenresFor(t, QStringLiteral("IMDB")), p);
        QCOMPARE(doc, expected);
        QCOMPARE(XmlProblem(MmdFileBytes(doc)), QString());
    }

    void escaping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("printable ascii") << "A z 0 \"'%"
                                         << "A z 0 \"'%";
        QTest::newRow("braces, bar, tilde") << "{|}~"
                                            << "&#123;&#124;&#125;&#126;";
        QTest::newRow("windows-1252 codes") << "Am\u00e9lie\u2019s \u20ac"
                                            << "Am&#233;lie&#146;s &#128;";
        QTest::newRow("beyond the code page") << "\u4e03\u4eba \U0001F600"
                                              << "&#19971;&#20154; &#128512;";
        QTest::newRow("lone ampersand") << "Tom & Jerry"
                                        << "Tom &amp; Jerry";
        QTest::newRow("references pass") << "R&amp;B &#233; &#xE9; &quot;"
                                         << "R&amp;B &#233; &#xE9; &quot;";
        QTest::newRow("no real reference") << "&nbsp; &#; &#xZZ; &#1; &"
                                           << "&amp;nbsp; &amp;#; "
                                              "&amp;#xZZ; &amp;#1; &amp;";
        QTest::newRow("controls left out") << "a\x01\x1f\x7f b"
                                           << "a&#127; b";
        QTest::newRow("lone surrogate left out") << QString(QChar(0xD800)) + "x"
                                                 << "x";
    }
    void escaping() {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(replaceChars(text), escaped);
        QCOMPARE(XmlProblem(("<x>" + escaped + "</x>").toLatin1()), QString());
    }

    void genres_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("elements");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("two") << "Drama, War"
                             << "<g>Drama</g><g>War</g>";
        QTest::newRow("two words are two") << "Science Fiction"
                                           << "<g>Science</g><g>Fiction</g>";
        QTest::newRow("trailing separator") << "Drama, "
                                            << "<g>Drama</g><g></g>";
        QTest::newRow("leading blank") << " Drama"
                                       << "<g></g><g>Drama</g>";
        QTest::newRow("first line only") << "Drama\r\nWar"
                                         << "<g>Drama</g>";
        QTest::newRow("escaped") << "R&B,Film<Noir>"
                                 << "<g>R&amp;B</g><g>Film&#60;Noir&#62;</g>";
    }
    void genres() {
        QFETCH(QString, value);
        QFETCH(QString, elements);
        QCOMPARE(makeXmlTags(QStringLiteral("g"), value), elements);
    }

    void genreChoice() {
        const CurrentTitle t = titleOf({"CatalogueGenre=A", "ImdbGenre=B", "Genre=A, B"});
        QCOMPARE(GenresFor(t, "IMDB"), QStringLiteral("B"));
        QCOMPARE(GenresFor(t, "RK"), QStringLiteral("A"));
        QCOMPARE(GenresFor(t, "COMBINE"), QStringLiteral("A, B"));
    }

    void rules_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("use");
        QTest::addColumn<bool>("selected");
        // The title: Location "dvd-Shelf", Medium " SVCD", UserIdx "U-17", Idx "DVD-1".
        QTest::newRow("location, other case") << "Location"
                                              << "DVD-" << true << true;
        QTest::newRow("rule not in use") << "Location"
                                         << "DVD-" << false << false;
        QTest::newRow("leading blank counts") << "Medium"
                                              << "SVCD" << true << false;
        QTest::newRow("user index, not Idx") << "User Index"
                                             << "u-1" << true << true;
        QTest::newRow("Idx is never tested") << "User Index"
                                             << "DVD" << true << false;
        QTest::newRow("empty prefix") << "Medium"
                                      << "" << true << true;
        QTest::newRow("prefix longer than field") << "User Index"
                                                  << "U-17x" << true << false;
        QTest::newRow("unknown field") << "Idx"
                                       << "" << true << false;
    }
    void rules() {
        QFETCH(QString, field);
        QFETCH(QString, prefix);
        QFETCH(bool, use);
        QFETCH(bool, selected);
        std::array<JoveRule, 6> r{};
        r[3] = {use, field, prefix};
        const CurrentTitle t =
            titleOf({"Location=dvd-Shelf", "Medium= SVCD", "UserIdx=U-17", "Idx=DVD-1"});
        QCOMPARE(EvaluateJoveBatch(r, t), selected);
    }

    void writeIt_data() {
        QTest::addColumn<QString>("idx");
        QTest::addColumn<bool>("closingSeparator");
        QTest::addColumn<QString>("file"); // empty: refused
        QTest::newRow("plain") << "17" << true << "17.mmd";
        QTest::newRow("folder without separator") << "17" << false << "17.mmd";
        QTest::newRow("untrimmed") << " 17" << true << " 17.mmd";
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("separator") << "a/b" << true << "";
        QTest::newRow("backslash") << "a\\b" << true << "";
        QTest::newRow("parent") << ".." << true << "";
    }
    void writeIt() {
        QFETCH(QString, idx);
        QFETCH(bool, closingSeparator);
        QFETCH(QString, file);
        CatalogueFolder out;
        const QString folder = closingSeparator ? out.dbPath() : out.dbPath().chopped(1);
        const CurrentTitle t = titleOf({"Title=T", "Idx=" + idx});
        out.write("17.mmd", "an older document, longer than the new one");
        const auto error = WriteIt(folder, t, {});
        QCOMPARE(error.has_value(), file.isEmpty());
        if (error) {
            QCOMPARE(error->message().title, QStringLiteral("An error occured"));
            QVERIFY(error->message().text.endsWith(" occured.\r\n\r\nWhat do you want to do?"));
            return;
        }
        QFile written(out.dbPath() + file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), MmdFileBytes(BuildMmd(t, {})));
    }

    void writeItIntoMissingFolder() {
        const auto error = WriteIt(QStringLiteral("/nonexistent/folder/"), titleOf({"Idx=1"}), {});
        QCOMPARE(error, (ExportError{76, QStringLiteral("Path not found")}));
    }
};

QTEST_GUILESS_MAIN(TestMmd)
#include "tst_mmd.moc"
