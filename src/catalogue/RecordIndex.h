// Where a scan of one catalogue file for a key would stop: at the first record with that key,
// or at the first record that ends every scan (a stop or a failure), whichever comes first.
// Built once from the file's bytes; a lookup then decodes a single record instead of scanning.
#pragma once

#include "RecordSteps.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <optional>
#include <vector>

class RecordIndex {
public:
    RecordIndex(QByteArray bytes, RecordSteps::FileKind kind);

    // The text of the record a scan for `key` stops at; nullopt when it would reach the end.
    std::optional<QString> recordFor(const QString& key) const;

    // The title file as the list loader reads it: the keys before the first stopping record,
    // in file order, duplicates kept, and that record's text (nullopt: none; every record read).
    const QStringList& keysInOrder() const { return keysInOrder_; }
    std::optional<QString> stopRecord() const;

    qsizetype byteSize() const { return bytes_.size(); }

private:
    struct Span {
        qsizetype begin;
        qsizetype end;
    };

    void build(RecordSteps::FileKind kind);
    QString text(const Span& span) const;
    // The record's standing without decoding it, when its ends are plain ASCII.
    std::optional<RecordSteps::Shape> quickShape(RecordSteps::FileKind kind, const Span& record,
                                                 qsizetype firstLineEnd,
                                                 qsizetype lastLineBegin) const;

    QByteArray bytes_;
    bool utf8_ = false;
    std::vector<Span> spans_;   // the records a lookup can land on, in file order
    QHash<QString, int> first_; // key -> its first record in spans_
    int stop_ = -1;             // the stopping record in spans_, -1 for none
    QStringList keysInOrder_;
};
