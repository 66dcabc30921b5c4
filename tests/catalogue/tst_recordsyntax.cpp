// SPDX-License-Identifier: GPL-3.0-or-later
// Lines, records, fields, decoding, the title keys, numbers as the catalogue writes them, and
// text compared with case and accents ignored.
#include "catalogue/CatalogueText.h"
#include "catalogue/FoldedNeedle.h"
#include "catalogue/FoldedText.h"
#include "catalogue/LineReader.h"
#include "catalogue/NumberText.h"
#include "catalogue/RecordSyntax.h"
#include "catalogue/TitleKeys.h"

#include <QStringDecoder>
#include <QTest>

class TestRecordSyntax : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The decoded text folded and the file's bytes searched raw agree, in both encodings; the
    // part of the text a match covers is what a find shows.
    void folding_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("covered"); // empty: no match
        const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
            {"accents in the text", "Léon", "leon", "Léon"},
            {"case and accents in the needle", "école", "ÉCOLE", "école"},
            {"no full case folding", "Straße", "strasse", ""},
            {"ß finds ß", "Straße", "STRAß", "Straß"},
            {"ligature stays a letter", "Cœur", "coeur", ""},
            {"Œ folds to œ", "CŒUR", "cœur", "CŒUR"},
            {"a decomposed accent belongs to its letter", "Le\u0301on 2", "le", "Le\u0301"},
            {"line breaks are characters", "a\r\nb", "a b", ""},
            {"match at the very end", "Harrison Ford", "FORD", "Ford"},
            {"needle longer than text", "Ford", "Fords", ""},
            {"dotted capital I", "İstanbul", "istanbul", "İstanbul"},
            {"characters past Windows-1252", "Kraków, Łódź", "łodz", "Łódź"}};
        for (const auto& [tag, text, needle, covered] : rows)
            QTest::newRow(tag) << QString(text) << QString(needle) << QString(covered);
    }
    void folding() {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(QString, covered);
        const FoldedNeedle folded(needle);
        const auto span = FoldedText::find(text, folded.folded());
        QCOMPARE(span ? text.sliced(span->begin, span->end - span->begin) : QString(), covered);
        QCOMPARE(folded.foundIn(text.toUtf8(), true), !covered.isEmpty());
        QStringEncoder cp1252("windows-1252");
        const QByteArray bytes = cp1252.encode(text);
        if (!cp1252.hasError() && DecodeCatalogueText(bytes, false) == text)
            QCOMPARE(folded.foundIn(bytes, false), !covered.isEmpty());
        // Behind 40 plain bytes, where the search goes sixteen bytes at a time.
        const QString padded = QString(40, u'x') + text;
        QCOMPARE(folded.foundIn(padded.toUtf8(), true), !covered.isEmpty());
    }

    void linesAndRecords_data() {
        QTest::addColumn<bool>("joined");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("lines: CR LF or CR ends one, LF does not")
            << false << QString("a\nb\r\nc\rd\r\r\n\r\ne\r\n")
            << QStringList{"a\nb", "c", "d", "", "", "e"};
        QTest::newRow("records") << true << QString("\r\n~ a| x\r\n\r\ny ~\r\n~ z| y ~\r\n~ b\r\nc")
                                 << QStringList{"^~ a| x^^y ~", "~ z| y ~", "~ b^c"};
    }
    void linesAndRecords() {
        QFETCH(bool, joined);
        QFETCH(QString, text);
        LineReader reader(text);
        QStringList got;
        while (!reader.atEnd())
            got << (joined ? ReadRecordLine(reader) : reader.readLine());
        QTEST(got, "expected");
    }

    void framingAndFields_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("take");
        QTest::addColumn<QStringList>("fields"); // taken, then the remainder; none: not framed
        QTest::newRow("three chars cannot be framed") << "~a~" << 0 << QStringList();
        QTest::newRow("four chars frame to nothing") << "~ab~" << 0 << QStringList{""};
        QTest::newRow("pads are skipped unchecked, the remainder keeps separators")
            << "~xa|yb|zc| dw~" << 2 << QStringList{"a", "b", "c| d"};
        QTest::newRow("separator last") << "~ a|~~" << 1 << QStringList{"a", ""};
        QTest::newRow("runs out of fields") << "~ a| b ~" << 2 << QStringList{"a"};
    }
    void framingAndFields() {
        QFETCH(QString, record);
        QFETCH(int, take);
        QString inner, field;
        const bool framed = FrameRecord(record, inner);
        RecordFields cursor(inner);
        QStringList got;
        while (framed && got.size() < take && cursor.take(field))
            got << field;
        if (framed && got.size() == take)
            got << cursor.remainder();
        QTEST(got, "fields");
    }

    void decoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("mixed is 1252") << QByteArray("\xc3\xa9 and \xe9") << QString("Ã© and é");
        const QByteArray megabyte((1 << 20) - 1, 'a');
        QTest::newRow("utf-8, é across 1 MB") << megabyte + "\xc3\xa9" << QString(megabyte) + "é";
        // Lengths around the decoder's blocks of 16, a special byte at an edge of a block.
        QStringDecoder platform("windows-1252");
        for (const auto& [length, at] :
             {std::pair{15, 0}, {16, 15}, {17, 16}, {31, 16}, {32, 16}, {33, 15}, {33, 32}}) {
            QByteArray bytes(length, 'a');
            bytes[length - 1 - at] = '\xe9'; // a Latin-1 byte: not UTF-8 on its own
            bytes[at] = '\x93';
            QTest::addRow("%d bytes, quote at %d", length, at)
                << bytes << QString(platform.decode(bytes));
        }
        QByteArray every(256, '\0'); // the table against the platform's converter
        for (int i = 0; i < 256; ++i)
            every[i] = char(i);
        QTest::newRow("every byte") << every << QString(platform.decode(every));
    }
    void decoding() {
        QFETCH(QByteArray, bytes);
        QTEST(DecodeCatalogueBytes(bytes), "text");
        if (IsUtf8Catalogue(bytes))
            return;
        // The byte-by-byte path, which compilers without vector types build, reads the same.
        QString portable(bytes.size(), Qt::Uninitialized);
        WidenCatalogueTextPortable(reinterpret_cast<char16_t*>(portable.data()), bytes);
        QTEST(portable, "text");
    }

    void titleKeys() {
        TitleKeys keys;
        keys.appendCatalogueText("Am\xe9lie", false);
        keys.appendCatalogueText("\223A long title, over one block\224", false);
        keys.append(keys.at(0)); // a title of the list itself, moved as the list grows
        keys.appendCatalogueText("Am\xc3\xa9lie", true);
        const QStringList expected{"Amélie", "“A long title, over one block”", "Amélie", "Amélie"};
        QCOMPARE(keys.toStringList(), expected);
        TitleKeys reserved{"Amélie"};
        reserved.reserve(100, 10000); // room beyond the text does not count
        reserved.append(TitleKeys(expected.mid(1)));
        QVERIFY(reserved == keys);
    }

    // Each ratio band at its lower edge, and what names no ratio.
    void aspected_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("aspect");
        const auto row = [](const QString& width, const QString& height, const char* aspect) {
            QTest::addRow("%s x %s", qPrintable(width), qPrintable(height))
                << width << height << QString(aspect);
        };
        const char* const bands[] = {"2.35:1",        "1.85:1",       "1.78:1 (16:9)",
                                     "1.56:1 (14:9)", "1.33:1 (4:3)", ""};
        const int edges[] = {2341, 1841, 1771, 1551, 1331}; // per thousand of the height
        for (int i = 0; i < 5; ++i) {
            row(QString::number(edges[i]), "1000", bands[i]);
            row(QString::number(edges[i] - 1), "1000", bands[i + 1]);
        }
        row("640", "0", "");
        row("wide", "272", "");
    }
    void aspected() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QTEST(Aspected(width, height), "aspect");
    }
};

QTEST_GUILESS_MAIN(TestRecordSyntax)
#include "tst_recordsyntax.moc"
