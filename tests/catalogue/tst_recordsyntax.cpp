// Line reading, record joining, framing and field splitting, and per-file decoding.
#include "CatalogueText.h"
#include "LineReader.h"
#include "RecordSyntax.h"

#include <QTest>

namespace {

QStringList allLines(const QString& text) {
    LineReader reader(text);
    QStringList lines;
    while (!reader.atEnd())
        lines << reader.readLine();
    return lines;
}

QStringList allRecords(const QString& text) {
    LineReader reader(text);
    QStringList records;
    while (!reader.atEnd())
        records << ReadRecordLine(reader);
    return records;
}

} // namespace

class TestRecordSyntax : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone cr") << QStringLiteral("a\rb") << QStringList{"a", "b"};
        QTest::newRow("lone lf stays") << QStringLiteral("a\nb\r\nc") << QStringList{"a\nb", "c"};
        QTest::newRow("empty lines") << QStringLiteral("\r\n\r\nx") << QStringList{"", "", "x"};
        QTest::newRow("cr cr lf") << QStringLiteral("a\r\r\nb") << QStringList{"a", "", "b"};
    }
    void lines() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(allLines(text), expected);
    }

    void records_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one per line")
            << QStringLiteral("~ a| b ~\r\n~ c| d ~\r\n") << QStringList{"~ a| b ~", "~ c| d ~"};
        QTest::newRow("three lines joined")
            << QStringLiteral("~ a| one\r\ntwo\r\nthree ~\r\n~ z| y ~")
            << QStringList{"~ a| one^two^three ~", "~ z| y ~"};
        QTest::newRow("empty line inside adds ^^")
            << QStringLiteral("~ a| x\r\n\r\ny ~") << QStringList{"~ a| x^^y ~"};
        QTest::newRow("empty line before a record")
            << QStringLiteral("\r\n~ a| b ~") << QStringList{"^~ a| b ~"};
        QTest::newRow("unfinished at end of file")
            << QStringLiteral("~ a| b\r\nc") << QStringList{"~ a| b^c"};
    }
    void records() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(allRecords(text), expected);
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

    void nullRule() {
        QCOMPARE(NullToEmpty(QStringLiteral("NULL")), QString());
        QCOMPARE(NullToEmpty(QStringLiteral("null")), QStringLiteral("null"));
        QCOMPARE(NullToEmpty(QStringLiteral(" NULL")), QStringLiteral(" NULL"));
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
    }
    void decoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeCatalogueBytes(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestRecordSyntax)
#include "tst_recordsyntax.moc"
