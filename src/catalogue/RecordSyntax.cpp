#include "RecordSyntax.h"

#include "LineReader.h"

QString ReadRecordLine(LineReader& lines) {
    QString record = lines.readLine();
    if (record.endsWith(u'~'))
        return record;
    while (!lines.atEnd()) {
        const QString next = lines.readLine();
        record += u'^';
        record += next;
        if (next.endsWith(u'~'))
            break;
    }
    return record;
}

bool FrameRecord(const QString& record, QString& framed) {
    if (record.size() < 4)
        return false;
    framed = record.mid(2, record.size() - 4);
    return true;
}

bool RecordFields::take(QString& field) {
    const qsizetype bar = rest_.indexOf(u'|');
    if (bar < 0)
        return false;
    field = rest_.left(bar);
    rest_ = bar + 2 <= rest_.size() ? rest_.mid(bar + 2) : QString();
    return true;
}
