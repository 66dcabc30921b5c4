// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue file's bytes in one block of memory (or a large table built from them). Large blocks
// are mapped fresh, zero already and given back whole when freed. They are not asked for in huge
// pages: that saves a few milliseconds per 100 MB, but where memory is fragmented the kernel
// compacts it first and the read stalls for a third of a second.
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

class FileBytes {
public:
    FileBytes() = default;
    explicit FileBytes(qsizetype size); // contents undefined until written
    explicit FileBytes(QByteArrayView bytes);
    // A block of zero bytes, for a table built from a file; a fresh mapping is zero already. Its
    // pages are given writable at once: a table's first look at a slot is a read, which would map
    // the shared zero page for the write to replace, and while another thread of the program
    // runs, each replacement stops that thread's processor to flush the old page from its view
    // (a table built beside another build took five times as long).
    static FileBytes zeroed(qsizetype size);
    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    char* data() { return data_; }
    const char* data() const { return data_; }
    qsizetype size() const { return size_; }
    QByteArrayView view() const { return {data_, size_}; }

    // Keeps only the first `size` bytes (a file that came out shorter than announced).
    void truncate(qsizetype size) { size_ = qBound(qsizetype(0), size, size_); }

private:
    FileBytes(qsizetype size, bool populate);
    void release();

    char* data_ = nullptr;
    qsizetype size_ = 0;
    size_t mapped_ = 0; // the length of a mapping; 0 when the block came from the heap
};
