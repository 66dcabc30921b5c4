// SPDX-License-Identifier: GPL-3.0-or-later
// The record syntax shared by the four catalogue files:
//   ~?field|?field|?...|?remainder?~
// Two framing characters at each end (only the outer "~" are ever tested), fields separated
// by "|" plus one pad character, and a last field that keeps whatever separators remain.
#pragma once

#include <QString>

class LineReader;

// One record of the title or IMDB file: a line not ending in "~" is continued by the following
// lines, joined with "^", up to and including a line that ends in "~" or the end of the file.
QString ReadRecordLine(LineReader& lines);

// Drops two characters at each end. False when the record is too short to frame (fewer than
// four characters), which the readers report as a read failure.
bool FrameRecord(const QString& record, QString& framed);
// The same without a copy: a record may hold a field of many megabytes.
bool FrameRecord(QStringView record, QStringView& framed);

// "NULL", exactly, is the catalogue's "no value".
inline QString NullToEmpty(const QString& field) {
    return field == QLatin1String("NULL") ? QString() : field;
}

// Takes fields from the front of a framed record, which must outlive it.
class RecordFields {
public:
    explicit RecordFields(QStringView framed) : text_(framed) {}

    // The text before the next "|"; the rest continues two characters after it. False when no
    // "|" is left: the record has fewer fields than the reader takes.
    bool take(QString& field);
    // Everything not taken yet, separators included.
    QString remainder() const { return at_ < text_.size() ? text_.mid(at_).toString() : QString(); }

private:
    QStringView text_;
    qsizetype at_ = 0;
};
