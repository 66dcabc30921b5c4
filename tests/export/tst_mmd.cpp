// SPDX-License-Identifier: GPL-3.0-or-later
// The .mmd document byte for byte, batch rules, the written file, and failures mid-export.
#include "catalogue/GenresFor.h"
#include "export/BatchDocument.h"
#include "export/BatchExport.h"
#include "export/FileWriter.h"
#include "export/MmdDocument.h"
#include "export/SingleTitleExport.h"
#include "platform/MessageTexts.h"
#include "settings/JoveRules.h"
#include "support/CatalogueFolder.h"
#include "support/ScriptedPrompts.h"

#include <QTest>
#include <QXmlStreamReader>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(CurrentTitle)
Q_DECLARE_METATYPE(JoveRule)

using T = CurrentTitle;

class TestMmd : public QObject {
    Q_OBJECT

    // A title with the given fields set: titleWith(&T::Title, "Alien", &T::Year, "1979").
    static T titleWith() { return {}; }
    template <typename... Rest>
    static T titleWith(QString T::*member, QString value, Rest... rest) {
        T title = titleWith(rest...);
        title.*member = value;
        return title;
    }

private Q_SLOTS:
    // Real references pass; non-ASCII and "<>{|}~" become references, in Windows-1252 codes.
    void documents_data() {
        QTest::addColumn<CurrentTitle>("title");
        QTest::addColumn<QString>("genres"); // the source
        QTest::addColumn<int>("part");       // 0: the batch document
        QTest::addColumn<QString>("expected");
        QTest::newRow("batch, every text element, codecs from the medium")
            << titleWith(&T::Title, "<b>]]>&x\x01\t", &T::Location, "A z 0 \"'%{|}~", &T::Medium,
                         "DVD", &T::AkaTitle, "Amélie’s €", &T::Comments, "a\r\nb\x1f\x7f",
                         &T::ImdbName, "N", &T::Year, "<1979>", &T::Director, "七人 😀", &T::Tagline,
                         "&nbsp; &#; &#xZZ; &#1; &", &T::Summary, "R&amp;B &#233; &#xE9; &quot;",
                         &T::ImdbGenre, " R&B,Film<Noir>\r\nWar", &T::Language,
                         QChar(0xD800) + QString("English"), &T::ImdbRating, "7.5", &T::Width,
                         "720", &T::AudioBitrate, "128", &T::CoverFile, "<cover>")
            << "IMDB" << 0
            << "<genre></genre><genre>R&amp;B</genre><genre>Film&#60;Noir&#62;</genre><image>"
               "<cover></image><lang>English</lang><mtype>video</mtype>"
               "<name sort=\"\">&#60;b&#62;]]&#62;&amp;x&#9;</name>"
               "<disklabel>A z 0 \"'%&#123;&#124;&#125;&#126;</disklabel><year>&#60;1979&#62;"
               "</year><imdbname>N</imdbname><imdb-rating>7.5</imdb-rating>"
               "<imdb-summary>R&amp;B &#233; &#xE9; &quot;</imdb-summary>"
               "<aka-title>Am&#233;lie&#146;s &#128;</aka-title>"
               "<director>&#19971;&#20154; &#128512;</director><comments>a&#13;&#10;b&#127;"
               "</comments><tagline>&amp;nbsp; &amp;#; &amp;#xZZ; &amp;#1; &amp;</tagline>"
               "<codecs>DVD</codecs>";
        QTest::newRow("part 2, every video and audio element, the catalogue's genres")
            << titleWith(&T::Title, "Alien", &T::Location, "Shelf 3", &T::CatalogueGenre, "Drama, ",
                         &T::Medium, "DVD", &T::ImdbGenre, "Horror", &T::Year, "1979", &T::Width,
                         "640", &T::Height, "272", &T::VideoBitrate, "1", &T::VideoCodec, "XviD",
                         &T::AudioBitrate, "2", &T::AudioCodec, "MP3", &T::AudioChannels, "6")
            << "RK" << 2
            << "<genre>Drama</genre><genre></genre><mtype>video</mtype><name sort=\"2\">Alien"
               "</name><path>alien.cd2.avi</path><year>1979</year><video-codec>XviD</video-codec>"
               "<video-bitrate>1</video-bitrate><pixel-frame>640 x 272</pixel-frame>"
               "<aspected-ratio>2.35:1</aspected-ratio><audio-codec>MP3</audio-codec>"
               "<audio-bitrate>2</audio-bitrate><audio-channels>6</audio-channels>";
        QTest::newRow("width without height, no merged genres")
            << titleWith(&T::Title, "T", &T::CatalogueGenre, "A", &T::ImdbGenre, "B", &T::Width,
                         "720", &T::VideoCodec, "V")
            << "COMBINE" << 0
            << "<mtype>video</mtype><name sort=\"\">T</name><disklabel></disklabel><video-codec>V"
               "</video-codec>";
    }
    void documents() {
        QFETCH(CurrentTitle, title);
        QFETCH(QString, genres);
        QFETCH(int, part);
        QFETCH(QString, expected);
        CatalogueFolder covers;
        covers.write("1.jpg", "");
        title.CoverFile.replace("<cover>", covers.dbPath() + "1.jpg");
        const auto p = part ? std::optional(MmdPart{part, "alien.cd2.avi"}) : std::nullopt;
        const QString doc = BuildMmd(title, GenresFor(title, genres), p);
        QCOMPARE(doc, "<media type=\"Video\"><avitype>0</avitype>" +
                          expected.replace("<cover>", covers.dbPath() + "1.jpg") + "</media>");
        QXmlStreamReader xml(MmdFileBytes(doc));
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }

    // One rule (the third) in use or not, and whether it selects the title.
    void rules_data() {
        QTest::addColumn<JoveRule>("rule");
        QTest::addColumn<bool>("selected");
        QTest::newRow("location, other case") << JoveRule{true, "Location", "DVD-"} << true;
        QTest::newRow("rule not in use") << JoveRule{false, "Location", "DVD-"} << false;
        QTest::newRow("leading blank counts") << JoveRule{true, "Medium", "SVCD"} << false;
        QTest::newRow("user index, not Idx") << JoveRule{true, "User Index", "u-1"} << true;
        QTest::newRow("empty prefix") << JoveRule{true, "Medium", ""} << true;
        QTest::newRow("unknown field") << JoveRule{true, "Idx", ""} << false;
    }
    void rules() {
        QFETCH(JoveRule, rule);
        const std::array<JoveRule, 6> rules{{{}, {}, {}, rule}};
        const T t = titleWith(&T::Location, "dvd-Shelf", &T::Medium, " SVCD", &T::Idx, "DVD-1",
                              &T::UserIdx, "U-17");
        QTEST(EvaluateJoveBatch(rules, t), "selected");
    }

    // An index naming a file elsewhere, or a NUL, is refused; a failure names file and reason.
    void writeIt_data() {
        QTest::addColumn<QString>("idx");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");   // empty: none written
        QTest::addColumn<QString>("reason"); // the writer's, for the document's path
        const auto row = [](const char* tag, const QString& idx, const QString& folder = "<out>/",
                            const QString& file = {}, const char* reason = "") {
            QTest::newRow(tag) << idx << folder << file << QString(reason);
        };
        row("replaces an older document", "17", "<out>/", "17.mmd");
        const QString longest = " " + QString(250, u'x'); // the temporary's name is short
        row("untrimmed, longest, no closing separator", longest, "<out>", longest + ".mmd");
        row("no export path", "17", "");
        row("read-only older document", "17", "<out>/", {}, "The file is read-only");
        row("longer than names go", QString(300, u'x'), "<out>/", {}, "File name too long");
        row("no such folder", "17", "<out>/gone/", {}, "No such file or directory");
        row("NUL in the folder", "17", QString("<out>/17.mmd") + QChar(0) + "/", {},
            "The name holds a NUL character");
        for (const QString& idx : QStringList{
                 "", "a/b", "a\\b", "..", QString("imdb.dat") + QChar(0), "a\x1f", "a\x7f", "a\nb"})
            row(qPrintable("refused: \"" + VisibleName(idx) + '"'), idx);
    }
    void writeIt() {
        QFETCH(QString, idx);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        CatalogueFolder out;
        umask(022); // new files readable by all, as on most desktops
        out.write("17.mmd", "an older document, longer than the new one");
        using P = QFileDevice;
        const bool readOnly = QByteArray(QTest::currentDataTag()).startsWith("read-only");
        const auto writable = readOnly ? P::Permissions() : P::WriteOwner;
        QFile::setPermissions(out.dbPath() + "17.mmd", P::ReadOwner | P::ReadGroup | writable);
        folder.replace("<out>", out.dbPath().chopped(1));
        const T t = titleWith(&T::Title, "T", &T::Idx, idx);
        const auto error = WriteIt(folder, t, {});
        QCOMPARE(error.has_value(), file.isEmpty());
        const QString named = "File: " + VisibleName(folder + idx) + ".mmd\nReason: " + reason;
        if (error) {
            QCOMPARE(MessageTexts::errorChoice(*error).details, reason.isEmpty() ? "" : named);
            QCOMPARE(FilesIn(out.dbPath()), QStringList{"17.mmd"});
            QCOMPARE(Contents(out.dbPath() + "17.mmd"),
                     "an older document, longer than the new one");
            return;
        }
        QCOMPARE(Contents(out.dbPath() + file), MmdFileBytes(BuildMmd(t, {})));
        // Readable by Jove Player under another account; a replaced file keeps its permissions.
        const auto others = file == "17.mmd" ? P::Permissions() : P::ReadOther;
        QCOMPARE(QFile::permissions(out.dbPath() + file) & ~(P::ReadUser | P::WriteUser),
                 P::ReadOwner | P::WriteOwner | P::ReadGroup | others);
    }

    // A full disk leaves no part of a document; old temporaries of ours go; a cover folder is not
    // copied; a folder gone before the sync is named.
    void exports() {
        CatalogueFolder db, out;
        db.writeLines("reelkeep.dat", {"~ A| SINGLE| VCD-1| x| x| x| x| x| x| x| x| 1| x ~",
                                       "~ B| SINGLE| VCD-2| x| x| x| x| x| x| x| x| 2| x ~"});
        db.writeLines("History.dat", {"~ A| 2001-01-01| x| y ~"});
        QVERIFY(QDir().mkpath(db.coverPath() + "1.jpg"));
        const CatalogueReader reader(db.dbPath(), db.coverPath());
        Preferences prefs;
        prefs.JoveRules[1] = {true, "Location", "VCD-"};
        prefs.CpFolderOverwrite = true;
        ScriptedPrompts prompts;
        FileWriter writer; // knows only the files of this test
        const QString folder = out.dbPath();
        out.write("1.mmd", "the old document");
        out.write("folder.jpg", "the old picture");
        out.write(".reelkeep-new1.tmp", ""); // a running export's
        for (const char* name : {".reelkeep-old1.tmp", ".reelkeep-notes", "old.tmp"})
            QVERIFY(SetModified(folder + name, QDateTime::currentDateTime().addSecs(-7200)));
        const QStringList kept{".reelkeep-new1.tmp", ".reelkeep-notes", "1.mmd", "folder.jpg",
                               "old.tmp"};
        signal(SIGXFSZ, SIG_IGN); // a write past the size limit fails instead
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{100, limit.rlim_max}; // a document is longer
        setrlimit(RLIMIT_FSIZE, &full);
        prompts.answerMessage(Prompts::Answer::Retry);
        prompts.onAsk = [&](const ScriptedPrompts::Asked&) {
            QCOMPARE(FilesIn(folder), kept);
            QCOMPARE(Contents(folder + "1.mmd"), "the old document");
            setrlimit(RLIMIT_FSIZE, &limit);
        };
        CurrentTitle a;
        BatchExport batch(reader, prefs, prompts, nullptr, writer);
        QCOMPARE(batch.run({"A", "B"}, folder, a).written, 2);
        setrlimit(RLIMIT_FSIZE, &limit);
        prompts.onAsk = {};
        QVERIFY(prompts.messages[0].text.startsWith("Error 57 (Device I/O error) occured."));
        QCOMPARE(prompts.messages[0].details,
                 "Title: A\nFile: " + folder + "1.mmd\nReason: File too large");
        reader.ReadTitleRecord("A", a);
        QCOMPARE(Contents(folder + "1.mmd"), MmdFileBytes(BuildMmd(a, {})));
        QCOMPARE(FilesIn(folder), QStringList({".reelkeep-new1.tmp", ".reelkeep-notes", "1.mmd",
                                               "2.mmd", "folder.jpg", "old.tmp"}));
        SingleTitleExport(prompts, prefs, writer).writeParts(a, {folder + "a.avi"});
        QCOMPARE(Contents(folder + "folder.jpg"), "the old picture");
        QCOMPARE(prompts.messages[1],
                 (Message{Message::Icon::Question, "Copy failed", "Failed to copy picture?",
                          "Title: A\nFile: " + db.coverPath() +
                              "1.jpg\nReason: The picture is not a file that can be read"}));
        QVERIFY(QDir().mkdir(folder + "sub"));
        QCOMPARE(writer.write(folder + "sub/b.mmd", "b"), std::nullopt);
        QVERIFY(QDir(folder + "sub").removeRecursively());
        QCOMPARE(MessageTexts::errorChoice(writer.syncNewFiles().value_or(Failure())).details,
                 "File: " + folder + "sub\nReason: No such file or directory");
        // Ignore All passes over the titles that fail, not over documents that miss the disk.
        db.writeLines("reelkeep.dat", {"~ C| S| VCD-3| x| x| x| x| x| x| x| x| | x ~",
                                       "~ D| S| VCD-4| x| x| x| x| x| x| x| x| 4| x ~"});
        QVERIFY(QDir().mkdir(folder + "gone"));
        prompts.answerMessage(Prompts::Answer::IgnoreAll);
        const qsizetype asked = prompts.messages.size();
        const auto vanish = [&](const QString&, bool) {
            QDir(folder + "gone").removeRecursively();
        };
        FileWriter fresh; // the one above still holds the folder that went missing
        QCOMPARE(BatchExport(reader, prefs, prompts, nullptr, fresh)
                     .run({"C", "D"}, folder + "gone/", a, false, vanish)
                     .failed,
                 1);
        QCOMPARE(prompts.messages.size() - asked, 2);
        QVERIFY(prompts.messages.last().details.startsWith("File: " + folder + "gone"));
    }
};

QTEST_GUILESS_MAIN(TestMmd)
#include "tst_mmd.moc"
