// The .mmd document byte for byte (and well-formed), escaping, genres, batch rules, the written
// file; a disk that fills mid-export leaves no part of a file behind.
#include "export/BatchExport.h"
#include "export/FileWriter.h"
#include "export/JoveRules.h"
#include "export/MmdDocument.h"
#include "export/SingleTitleExport.h"
#include "export/WriteIt.h"
#include "platform/Progress.h"
#include "support/CatalogueFolder.h"
#include "support/ScriptedPrompts.h"

#include <QTest>
#include <QXmlStreamReader>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// "Field=value" pairs, "|"-separated, into a title.
CurrentTitle titleOf(const QString& pairs) {
    CurrentTitle t;
    for (const QString& pair : pairs.split(u'|')) {
        const qsizetype eq = pair.indexOf(u'=');
        for (const CurrentTitle::Field& f : CurrentTitle::fields())
            if (pair.left(eq) == QLatin1String(f.name))
                t.*f.member = pair.mid(eq + 1);
    }
    return t;
}

// Rows of a tag and two text columns.
void rows(std::initializer_list<std::array<QString, 3>> list) {
    for (const auto& [tag, a, b] : list)
        QTest::newRow(qPrintable(tag)) << a << b;
}

// Empty when `bytes` parse as one well-formed XML document; the parser's complaint otherwise.
QString XmlProblem(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}

// Titles A to C (1.mmd to 3.mmd, A with a cover); `at` runs at each, `full` fails writes halfway.
struct Export final : Progress, FileWriter {
    CatalogueFolder db, out;
    const CatalogueReader reader{db.dbPath(), db.coverPath()};
    Preferences prefs;
    ScriptedPrompts prompts;
    std::function<void(int)> at = [](int) {};
    bool full = false;

    Export() {
        db.writeLines("reelkeep.dat", {"~ A| SINGLE| VCD-1| x| x| x| x| x| x| x| x| 1| x ~",
                                       "~ B| SINGLE| VCD-2| x| x| x| x| x| x| x| x| 2| x ~",
                                       "~ C| SINGLE| VCD-3| x| x| x| x| x| x| x| x| 3| x ~"});
        db.writeLines("History.dat", {"~ A| 2001-01-01| x| y ~"});
        db.write("Covers/1.jpg", QByteArray(5000, 'j'));
        prefs.JoveRules[1] = {true, QStringLiteral("Location"), QStringLiteral("VCD-")};
        prefs.CpFolderImage = prefs.CpFolderOverwrite = true;
    }
    int batch(const QString& folder) {
        CurrentTitle current;
        return BatchExport(reader, prefs, prompts, this, *this)
            .run({"A", "B", "C"}, folder, current)
            .written;
    }
    void start(int) override {}
    void step(int index) override { at(index); }
    void finish() override {}
    bool writeBytes(QIODevice& file, const QByteArray& bytes) override {
        if (!full)
            return FileWriter::writeBytes(file, bytes);
        file.write(bytes.left(bytes.size() / 2));
        return false;
    }
};

} // namespace

class TestMmd : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The expected document between its fixed head and "</media>".
    void documents_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<int>("part"); // 0: the batch document
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const QString& fields, const char* doc, int part = 0) {
            QTest::newRow(tag) << fields << part << QString(doc);
        };
        const QString alien = "Title=Alien|ImdbGenre=Drama, War|Location=Shelf 3|Year=1979";
        row("batch example", alien,
            "<genre>Drama</genre><genre>War</genre><mtype>video</mtype>"
            "<name sort=\"\">Alien</name><disklabel>Shelf 3</disklabel><year>1979</year>");
        row("single example, part 2",
            alien + "|VideoCodec=XviD|Width=640|Height=272|AudioCodec=MP3",
            "<genre>Drama</genre><genre>War</genre><mtype>video</mtype>"
            "<name sort=\"2\">Alien</name><path>alien.cd2.avi</path><year>1979</year>"
            "<video-codec>XviD</video-codec><pixel-frame>640 x 272</pixel-frame>"
            "<aspected-ratio>2.35:1</aspected-ratio><audio-codec>MP3</audio-codec>",
            2);
        row("medium only gives codecs", "Title=T|Medium=DVD|Width=720|AudioBitrate=128",
            "<mtype>video</mtype><name sort=\"\">T</name><disklabel></disklabel>"
            "<codecs>DVD</codecs>");
        row("all optional elements in order",
            "Title=T|Language=English|ImdbName=N|ImdbRating=7.5|Summary=S|AkaTitle=A|Director=D|"
            "Comments=a\r\nb|Tagline=G|VideoCodec=V|VideoBitrate=1|Width=720|AudioBitrate=2|"
            "AudioChannels=6",
            "<lang>English</lang><mtype>video</mtype><name sort=\"\">T</name>"
            "<disklabel></disklabel><imdbname>N</imdbname><imdb-rating>7.5</imdb-rating>"
            "<imdb-summary>S</imdb-summary><aka-title>A</aka-title><director>D</director>"
            "<comments>a&#13;&#10;b</comments><tagline>G</tagline><video-codec>V</video-codec>"
            "<video-bitrate>1</video-bitrate><audio-bitrate>2</audio-bitrate>"
            "<audio-channels>6</audio-channels>");
        row("hostile title", "Title=<b>]]>&x\x01\t|Year=<1979>",
            "<mtype>video</mtype><name sort=\"\">&#60;b&#62;]]&#62;&amp;x&#9;</name>"
            "<disklabel></disklabel><year>&#60;1979&#62;</year>");
    }
    void documents() {
        QFETCH(QString, fields);
        QFETCH(int, part);
        QFETCH(QString, expected);
        const CurrentTitle t = titleOf(fields);
        const auto p = part ? std::optional(MmdPart{part, "alien.cd2.avi"}) : std::nullopt;
        const QString doc = BuildMmd(t, GenresFor(t, QStringLiteral("IMDB")), p);
        QCOMPARE(doc, "<media type=\"Video\"><avitype>0</avitype>" + expected + "</media>");
        QCOMPARE(XmlProblem(MmdFileBytes(doc)), QString());
    }

    void escaping_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        rows({{"printable ascii", "A z 0 \"'%", "A z 0 \"'%"},
              {"braces, bar, tilde", "{|}~", "&#123;&#124;&#125;&#126;"},
              {"windows-1252 codes", "Am\u00e9lie\u2019s \u20ac", "Am&#233;lie&#146;s &#128;"},
              {"beyond the code page", "\u4e03\u4eba \U0001F600", "&#19971;&#20154; &#128512;"},
              {"lone ampersand", "Tom & Jerry", "Tom &amp; Jerry"},
              {"references pass", "R&amp;B &#233; &#xE9; &quot;", "R&amp;B &#233; &#xE9; &quot;"},
              {"no real reference", "&nbsp; &#; &#xZZ; &#1; &",
               "&amp;nbsp; &amp;#; &amp;#xZZ; &amp;#1; &amp;"},
              {"controls left out", "a\x01\x1f\x7f b", "a&#127; b"},
              {"lone surrogate left out", QString(QChar(0xD800)) + "x", "x"}});
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
        rows({{"empty", "", ""},
              {"two", "Drama, War", "<g>Drama</g><g>War</g>"},
              {"two words are two", "Science Fiction", "<g>Science</g><g>Fiction</g>"},
              {"trailing separator", "Drama, ", "<g>Drama</g><g></g>"},
              {"leading blank", " Drama", "<g></g><g>Drama</g>"},
              {"first line only", "Drama\r\nWar", "<g>Drama</g>"},
              {"escaped", "R&B,Film<Noir>", "<g>R&amp;B</g><g>Film&#60;Noir&#62;</g>"}});
    }
    void genres() {
        QFETCH(QString, value);
        QTEST(makeXmlTags(QStringLiteral("g"), value), "elements");
    }

    void genreChoice() {
        const CurrentTitle t = titleOf("CatalogueGenre=A|ImdbGenre=B|Genre=A, B");
        QCOMPARE(GenresFor(t, "IMDB"), QStringLiteral("B"));
        QCOMPARE(GenresFor(t, "RK"), QStringLiteral("A"));
        QCOMPARE(GenresFor(t, "COMBINE"), QStringLiteral("A, B"));
    }

    // One rule in use or not, "Field=prefix", and whether it selects the title.
    void rules_data() {
        QTest::addColumn<bool>("use");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("selected");
        const auto row = [](const char* tag, bool use, const char* rule, bool selected) {
            QTest::newRow(tag) << use << QString(rule) << selected;
        };
        row("location, other case", true, "Location=DVD-", true);
        row("rule not in use", false, "Location=DVD-", false);
        row("leading blank counts", true, "Medium=SVCD", false);
        row("user index, not Idx", true, "User Index=u-1", true);
        row("empty prefix", true, "Medium=", true);
        row("prefix longer than field", true, "User Index=U-17x", false);
        row("unknown field", true, "Idx=", false);
    }
    void rules() {
        QFETCH(bool, use);
        QFETCH(QString, rule);
        std::array<JoveRule, 6> r{};
        r[3] = {use, rule.section(u'=', 0, 0), rule.section(u'=', 1)};
        const CurrentTitle t = titleOf("Location=dvd-Shelf|Medium= SVCD|UserIdx=U-17|Idx=DVD-1");
        QTEST(EvaluateJoveBatch(r, t), "selected");
    }

    // Rows of the index, the folder and the file written, or the details of the refusal: an
    // index that would name a file elsewhere writes nothing (a NUL would cut the name to
    // "imdb.dat"); a failure of the system names the file and its reason.
    void writeIt_data() {
        QTest::addColumn<QString>("idx");
        QTest::addColumn<QString>("folder");  // <out>: the export folder, without its separator
        QTest::addColumn<QString>("file");    // empty: refused
        QTest::addColumn<QString>("details"); // of the refusal
        const auto row = [](const char* tag, const QString& idx, const char* folder,
                            const QString& file, const QString& details = {}) {
            QTest::newRow(tag) << idx << folder << file << details;
        };
        row("plain", "17", "<out>/", "17.mmd");
        row("untrimmed", " 17", "<out>", " 17.mmd"); // a folder without its separator too
        row("as long as names go", QString(251, u'x'), "<out>/", QString(251, u'x') + ".mmd");
        row("no export path", "17", "", QString());
        row("read-only older document", "17", "<out>/", QString(),
            "File: <out>/17.mmd\nReason: The file is read-only");
        row("longer than names go", QString(300, u'x'), "<out>/", QString(),
            "File: <out>/" + QString(300, u'x') + ".mmd\nReason: File name too long");
        row("no such folder", "17", "<out>/gone/", QString(),
            "File: <out>/gone/17.mmd\nReason: No such file or directory");
        row("file size limit", "17", "<out>/", QString(),
            "File: <out>/17.mmd\nReason: File too large");
        const QString refused[] = {"",      "a/b",   "a\\b",  "..",  QString("imdb.dat") + QChar(0),
                                   "a\x01", "a\x1f", "a\x7f", "a\nb"};
        for (const QString& idx : refused)
            row(qPrintable(VisibleName(idx).isEmpty() ? "empty" : VisibleName(idx)), idx, "<out>/",
                QString());
    }
    void writeIt() {
        QFETCH(QString, idx);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, details);
        CatalogueFolder out;
        const QString outPath = out.dbPath().chopped(1);
        const CurrentTitle t = titleOf("Title=T|Idx=" + idx);
        out.write("17.mmd", "an older document, longer than the new one");
        using P = QFileDevice;
        const QByteArray tag = QTest::currentDataTag();
        QFile::setPermissions(out.dbPath() + "17.mmd",
                              P::ReadOwner |
                                  (tag.startsWith("read-only") ? P::Permissions() : P::WriteOwner) |
                                  P::ReadGroup);
        const mode_t umaskBefore = umask(022);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{16, limit.rlim_max};
        const auto sigxfsz = signal(SIGXFSZ, SIG_IGN); // the write fails instead
        if (tag == "file size limit")
            setrlimit(RLIMIT_FSIZE, &small);
        const auto error = WriteIt(folder.replace("<out>", outPath), t, {});
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, sigxfsz);
        umask(umaskBefore);
        QCOMPARE(error.has_value(), file.isEmpty());
        if (error) {
            QCOMPARE(error->message().title, QStringLiteral("An error occured"));
            QVERIFY(error->message().text.endsWith(" occured.\r\n\r\nWhat do you want to do?"));
            QCOMPARE(error->message().details, details.replace("<out>", outPath));
            QCOMPARE(FilesIn(out.dbPath()), QStringList{"17.mmd"});
            QCOMPARE(Contents(out.dbPath() + "17.mmd"),
                     "an older document, longer than the new one");
            return;
        }
        QCOMPARE(Contents(out.dbPath() + file), MmdFileBytes(BuildMmd(t, {})));
        // Readable by Jove Player under another account as any new file is; a replaced one keeps
        // its permissions.
        const auto others = file == "17.mmd" ? P::Permissions() : P::ReadOther;
        QCOMPARE(QFile::permissions(out.dbPath() + file) & ~(P::ReadUser | P::WriteUser),
                 P::ReadOwner | P::WriteOwner | P::ReadGroup | others);
        QCOMPARE(FilesIn(out.dbPath()).size(), 2 - (file == "17.mmd"));
    }

    // The writer itself refuses a name with a NUL, whoever asks: the system would write to the
    // name cut short there.
    void writerRefusesNul() {
        CatalogueFolder out;
        const auto error =
            FileWriter::standard().write(out.dbPath() + "imdb.dat" + QChar(0) + ".mmd", "document");
        QCOMPARE(error.value_or(ExportError()).number, 52);
        QCOMPARE(FilesIn(out.dbPath()), QStringList());
    }

    // A disk that fills mid-batch leaves no part of a document, and Retry writes it. A batch
    // killed mid-way leaves its temporary file behind; the next batch removes those of ours over
    // an hour old, and nothing else.
    void batchOverOlderFiles() {
        Export e;
        const QString folder = e.out.dbPath();
        e.out.write("2.mmd", "the old document");
        for (const char* name :
             {".reelkeep-old1.tmp", ".reelkeep-new1.tmp", ".reelkeep-notes", "old.tmp"}) {
            QFile file(folder + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (QByteArray(name) != ".reelkeep-new1.tmp")
                file.setFileTime(QDateTime::currentDateTime().addSecs(-7200),
                                 QFileDevice::FileModificationTime);
        }
        e.prompts.answerMessage(Prompts::Answer::Retry);
        e.prompts.onAsk = [&](const ScriptedPrompts::Asked&) {
            QCOMPARE(FilesIn(folder), QStringList({".reelkeep-new1.tmp", ".reelkeep-notes", "1.mmd",
                                                   "2.mmd", "old.tmp"}));
            QCOMPARE(Contents(folder + "2.mmd"), "the old document");
            e.full = false;
        };
        e.at = [&](int index) { e.full = index == 1; };
        QCOMPARE(e.batch(folder), 3);
        QCOMPARE(e.prompts.messages.size(), 1);
        QVERIFY(e.prompts.messages.first().text.startsWith("Error 57 (Device I/O error) occ"));
        CurrentTitle b;
        e.reader.ReadTitleRecord("B", b);
        QCOMPARE(Contents(folder + "2.mmd"), MmdFileBytes(BuildMmd(b, {})));
        QCOMPARE(FilesIn(folder), QStringList({".reelkeep-new1.tmp", ".reelkeep-notes", "1.mmd",
                                               "2.mmd", "3.mmd", "old.tmp"}));
    }

    void diskFillsDuringSingleExport() {
        Export e;
        e.out.write("folder.jpg", "the old picture");
        CurrentTitle title;
        e.reader.ReadTitleRecord("A", title);
        e.full = true;
        e.prompts.answerMessage(Prompts::Answer::Ignore); // the document of part 1
        SingleTitleExport(e.prompts, e.prefs, e).writeParts(title, {e.out.dbPath() + "a.avi"});
        QCOMPARE(FilesIn(e.out.dbPath()), QStringList{"folder.jpg"});
        QCOMPARE(Contents(e.out.dbPath() + "folder.jpg"), "the old picture");
        QCOMPARE(e.prompts.messages[1],
                 (Message{Message::Icon::Question, "Copy failed", "Failed to copy picture?",
                          "Title: A\nFile: " + e.out.dbPath() + "folder.jpg"}));
    }
};

QTEST_GUILESS_MAIN(TestMmd)
#include "tst_mmd.moc"
