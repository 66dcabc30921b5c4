#include "FileBytes.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {

// Below this, the allocator's reused memory is cheaper than a mapping of its own.
constexpr qsizetype kMapFrom = qsizetype(4) << 20;
constexpr size_t kHugePage = size_t(2) << 20;

} // namespace

FileBytes::FileBytes(qsizetype size) : size_(qMax(qsizetype(0), size)) {
#ifdef Q_OS_LINUX
    if (size_ >= kMapFrom) {
        const size_t length = (size_t(size_) + kHugePage - 1) / kHugePage * kHugePage;
        void* block =
            mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        madvise(block, length, MADV_HUGEPAGE); // a hint: without huge pages it still works
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
#ifdef Q_OS_LINUX
    if (mapped_) {
        munmap(data_, mapped_);
        data_ = nullptr;
        return;
    }
#endif
    std::free(data_);
    data_ = nullptr;
}
