// Where a scan of one catalogue file for a key would stop: at the first record with that key,
// or at the first record that ends every scan (a stop or a failure), whichever comes first.
// Built once from the file's bytes; a lookup then decodes a single record instead of scanning.
#pragma once

#include "FileBytes.h"
#include "RecordSteps.h"
#include "TitleKeys.h"

#include <QHash>
#include <QStringView>
#include <optional>
#include <vector>

class RecordIndex {
public:
    RecordIndex(FileBytes bytes, RecordSteps::FileKind kind);
    RecordIndex(const RecordIndex&) = delete;
    RecordIndex& operator=(const RecordIndex&) = delete;

    // The text of the record a scan for `key` stops at; nullopt when it would reach the end.
    std::optional<QString> recordFor(const QString& key) const;

    // The title file as the list loader reads it: the keys before the first stopping record,
    // in file order, duplicates kept, and that record's text (nullopt: none; every record read).
    const TitleKeys& keysInOrder() const { return keys_; }
    std::optional<QString> stopRecord() const;

    qsizetype byteSize() const { return bytes_.size(); }

private:
    struct Span {
        qsizetype begin;
        qsizetype end;
    };
    // A record's standing read straight from its bytes: with Keyed, where its key lies.
    struct QuickShape {
        RecordSteps::Shape::Kind kind;
        Span key;
    };

    void build(RecordSteps::FileKind kind);
    QString text(const Span& span) const;
    void appendKey(const Span& key, qsizetype firstLineEnd);
    // The record's standing without decoding it, when its ends are plain ASCII.
    std::optional<QuickShape> quickShape(RecordSteps::FileKind kind, const Span& record,
                                         qsizetype firstLineEnd, qsizetype lastLineBegin) const;
    const QHash<QStringView, int>& firstOfEachKey() const;

    FileBytes bytes_;
    bool utf8_ = false;
    std::vector<Span> spans_; // every keyed record in file order, then the stopping record
    TitleKeys keys_;          // the key of each keyed record, in the order of spans_
    bool stops_ = false;      // the last span is the stopping record
    // Built at the first lookup, so that opening the list pays only for the keys.
    mutable QHash<QStringView, int> first_;
    mutable bool hashed_ = false;
};
