// SPDX-License-Identifier: GPL-3.0-or-later
// Where a scan of one catalogue file for a key would stop: at the first record with that key,
// or at the first record that ends every scan (a stop or a failure), whichever comes first.
// Built once from the file's bytes; a lookup then decodes a single record instead of scanning.
// Its hash table may be built on another thread while lookups begin on this one: whichever
// comes first builds it, the other waits.
#pragma once

#include "FileBytes.h"
#include "RecordSteps.h"
#include "TitleKeys.h"

#include <QHashFunctions>
#include <QStringView>
#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

class RecordIndex {
public:
    RecordIndex(FileBytes bytes, RecordSteps::FileKind kind);
    RecordIndex(const RecordIndex&) = delete;
    RecordIndex& operator=(const RecordIndex&) = delete;

    // The text of the record a scan for `key` stops at; nullopt when it would reach the end.
    std::optional<QString> recordFor(const QString& key) const;

    // The raw bytes of the record `key` has, the first with it, as the file holds them; nullopt
    // when no record before the stopping one has it. For a search of the bytes themselves.
    std::optional<QByteArrayView> keyedRecord(QStringView key) const;
    bool isUtf8() const { return utf8_; }

    // A hint, a title or two ahead of the lookups: the table slot of `afterNext` is prefetched,
    // and the record of `next`, whose slot was prefetched at the hint before.
    void expect(QStringView next, QStringView afterNext) const;

    // Builds the hash table the lookups go through, unless it is built already.
    void hashKeys() const;

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
    void prefetch(const Span& span) const;
    void appendKey(const Span& key, qsizetype firstLineEnd);
    // The record's standing without decoding it, when its ends are plain ASCII.
    std::optional<QuickShape> quickShape(RecordSteps::FileKind kind, const Span& record,
                                         qsizetype firstLineEnd, qsizetype lastLineBegin) const;
    // Open addressing over the first record of each key, built apart from the keys (at the
    // first lookup, or ahead of it on a worker thread) so that opening the list pays only for
    // the keys. A slot holds what a lookup needs: the key's hash, the record's span and whether
    // the key's bytes open the record's framed text as they read, so that the comparison reads
    // the record about to be decoded anyway rather than the key table.
    struct Slot {
        quint32 hash;
        quint32 entry : 31; // position in keys_ + 1; 0: empty (a file holds far fewer records)
        quint32 keyInRecord : 1;
        Span record;
    };
    const Slot* slotFor(QStringView key) const;
    // The first slot along `hash`'s probe sequence that has the hash and satisfies `match`.
    template <typename Match> const Slot* probe(size_t hash, Match match) const;
    bool holdsKey(const Slot& slot, QStringView key) const;

    FileBytes bytes_;
    bool utf8_ = false;
    std::vector<Span> spans_; // every keyed record in file order, then the stopping record
    TitleKeys keys_;          // the key of each keyed record, in the order of spans_
    // For each key, whether its bytes open the record's framed text and read as the key
    // character by character (one line, Windows-1252 or plain ASCII). Dropped once hashed.
    mutable std::vector<bool> keyInRecord_;
    bool stops_ = false; // the last span is the stopping record
    // Written once, under hashing_, before hashed_ is set; read freely after it is.
    mutable FileBytes slotBlock_;
    mutable size_t slotMask_ = 0;
    mutable std::mutex hashing_;
    mutable std::atomic<bool> hashed_{false};
};
