// Line reading, record joining, framing and field splitting, and per-file decoding.
#include "catalogue/CatalogueText.h"
#include "catalogue/LineReader.h"
#include "catalogue/RecordSyntax.h"
#include "catalogue/TitleKeys.h"

#include <QStringDecoder>
#include <QTest>

namespace {

// Every line, or with `joined` every record, of the text.
QStringList readAll(const QString& text, bool joined) {
    LineReader reader(text);
    QStringList out;
    while (!reader.atEnd())
        out << (joined ? ReadRecordLine(reader) : reader.readLine());
    return out;
}

} // namespace

class TestRecordSyntax : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linesAndRecords_data() {
        QTest::addColumn<bool>("joined");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* tag, bool joined, const char* text,
                            const QStringList& expected) {
            QTest::addRow("%s: %s", joined ? "records" : "lines", tag)
                << joined << QString(text) << expected;
        };
        row("empty", false, "", {});
        row("crlf", false, "a\r\nb\r\n", {"a", "b"});
        row("lone cr", false, "a\rb", {"a", "b"});
        row("lone lf stays", false, "a\nb\r\nc", {"a\nb", "c"});
        row("empty lines", false, "\r\n\r\nx", {"", "", "x"});
        row("cr cr lf", false, "a\r\r\nb", {"a", "", "b"});
        row("one per line", true, "~ a| b ~\r\n~ c| d ~\r\n", {"~ a| b ~", "~ c| d ~"});
        row("three lines joined", true, "~ a| one\r\ntwo\r\nthree ~\r\n~ z| y ~",
            {"~ a| one^two^three ~", "~ z| y ~"});
        row("empty line inside adds ^^", true, "~ a| x\r\n\r\ny ~", {"~ a| x^^y ~"});
        row("empty line before a record", true, "\r\n~ a| b ~", {"^~ a| b ~"});
        row("unfinished at end of file", true, "~ a| b\r\nc", {"~ a| b^c"});
    }
    void linesAndRecords() {
        QFETCH(bool, joined);
        QFETCH(QString, text);
        QTEST(readAll(text, joined), "expected");
    }

    void framingAndFields_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("framed");
        QTest::addColumn<int>("take");
        QTest::addColumn<QStringList>("fields"); // taken fields, then the remainder
        QTest::newRow("three chars cannot be framed") << "~a~" << false << 0 << QStringList{};
        QTest::newRow("four chars frame to nothing") << "~ab~" << true << 0 << QStringList{""};
        QTest::newRow("pads are skipped unchecked")
            << "~xa|yb|zcw~" << true << 2 << QStringList{"a", "b", "c"};
        QTest::newRow("remainder keeps separators")
            << "~ a| b| c| d ~" << true << 1 << QStringList{"a", "b| c| d"};
        QTest::newRow("separator last") << "~ a|~~" << true << 1 << QStringList{"a", ""};
        QTest::newRow("runs out of fields") << "~ a| b ~" << true << 2 << QStringList{"a"};
    }
    void framingAndFields() {
        QFETCH(QString, record);
        QFETCH(bool, framed);
        QFETCH(int, take);
        QFETCH(QStringList, fields);
        QString inner;
        QCOMPARE(FrameRecord(record, inner), framed);
        if (!framed)
            return;
        RecordFields cursor(inner);
        QStringList got;
        for (int i = 0; i < take; ++i) {
            QString field;
            if (!cursor.take(field)) {
                QCOMPARE(got, fields); // stopped early: only what was taken
                return;
            }
            got << field;
        }
        got << cursor.remainder();
        QCOMPARE(got, fields);
    }

    void decoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("~ Alien| x ~") << QStringLiteral("~ Alien| x ~");
        QTest::newRow("windows-1252") << QByteArray("Am\xe9lie \x93quoted\x94 \x80")
                                      << QString::fromUtf8("Am\u00e9lie \u201cquoted\u201d \u20ac");
        QTest::newRow("utf-8") << QByteArray("Am\xc3\xa9lie") << QString::fromUtf8("Am\u00e9lie");
        QTest::newRow("mixed is windows-1252")
            << QByteArray("\xc3\xa9 and \xe9") << QString::fromUtf8("\u00c3\u00a9 and \u00e9");
        QTest::newRow("undefined 1252 bytes keep their code")
            << QByteArray("\x81\x8d") << QString::fromUtf8("\u0081\u008d");
        // Lengths around the decoder's blocks of 16, a special byte at each edge of a block.
        QStringDecoder platform("windows-1252");
        for (const int length : {15, 16, 17, 31, 33})
            for (const int at : {0, 15, 16, length - 1}) {
                if (at >= length)
                    continue;
                QByteArray bytes(length, 'a');
                bytes[at] = '\x93';
                bytes[length - 1 - at] = '\xe9'; // a Latin-1 byte: not UTF-8 on its own
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
        const QString amelie = QString::fromUtf8("Am\u00e9lie");
        const QStringList expected{
            amelie, QString::fromUtf8("\u201cA long title, over one block\u201d"), amelie, amelie};
        QCOMPARE(keys.toStringList(), expected);
        QVERIFY(keys == TitleKeys(expected));
        TitleKeys reserved;
        reserved.reserve(100, 10000); // room beyond the text does not count
        reserved.append(TitleKeys(expected));
        QVERIFY(reserved == keys);
        QCOMPARE(reserved.textSize(), keys.textSize());
    }
};

QTEST_GUILESS_MAIN(TestRecordSyntax)
#include "tst_recordsyntax.moc"
