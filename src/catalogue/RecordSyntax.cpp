// SPDX-License-Identifier: GPL-3.0-or-later
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
    QStringView view;
    if (!FrameRecord(QStringView(record), view))
        return false;
    framed = view.toString();
    return true;
}

bool FrameRecord(QStringView record, QStringView& framed) {
    if (record.size() < 4)
        return false;
    framed = record.mid(2, record.size() - 4);
    return true;
}

bool RecordFields::take(QString& field) {
    const qsizetype bar = text_.indexOf(u'|', at_);
    if (bar < 0)
        return false;
    field = text_.mid(at_, bar - at_).toString();
    at_ = bar + 2;
    return true;
}
