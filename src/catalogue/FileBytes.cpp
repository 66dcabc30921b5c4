// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileBytes.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RKV_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define RKV_ADDRESS_SANITIZER
#endif

// Mappings of our own are invisible to AddressSanitizer: a sanitized build keeps every block on
// the heap, where a read past the end is caught.
#if defined(Q_OS_LINUX) && !defined(RKV_ADDRESS_SANITIZER)
#define RKV_OWN_MAPPINGS
#include <sys/mman.h>
#endif

#ifdef RKV_OWN_MAPPINGS
namespace {

// Below this, the allocator's reused memory is cheaper than a mapping of its own.
constexpr qsizetype kMapFrom = qsizetype(4) << 20;

} // namespace
#endif

FileBytes::FileBytes(qsizetype size) : FileBytes(size, false) {}

FileBytes::FileBytes(qsizetype size, [[maybe_unused]] bool populate)
    : size_(qMax(qsizetype(0), size)) {
#ifdef RKV_OWN_MAPPINGS
    if (size_ >= kMapFrom) {
        const size_t length = size_t(size_);
        void* block = mmap(nullptr, length, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS | (populate ? MAP_POPULATE : 0), -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        data_ = static_cast<char*>(block);
        mapped_ = length;
        return;
    }
#endif
    data_ = static_cast<char*>(std::malloc(size_t(qMax(size_, qsizetype(1)))));
    if (!data_)
        throw std::bad_alloc();
}

FileBytes::FileBytes(QByteArrayView bytes) : FileBytes(bytes.size()) {
    if (!bytes.isEmpty())
        std::memcpy(data_, bytes.data(), size_t(bytes.size()));
}

FileBytes FileBytes::zeroed(qsizetype size) {
    FileBytes block(size, true);
    if (!block.mapped_ && block.size_ > 0)
        std::memset(block.data_, 0, size_t(block.size_));
    return block;
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
    }
    return *this;
}

FileBytes::~FileBytes() {
    release();
}

void FileBytes::release() {
#ifdef RKV_OWN_MAPPINGS
    if (mapped_) {
        munmap(data_, mapped_);
        data_ = nullptr;
        return;
    }
#endif
    std::free(data_);
    data_ = nullptr;
}
