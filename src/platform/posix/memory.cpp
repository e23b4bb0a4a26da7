#include "platform/memory.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

} // namespace

TBuffer::~TBuffer() {
    ReleaseBuffer(*this);
}

bool AllocateBuffer(TBuffer& buffer, std::size_t size) {
    ReleaseBuffer(buffer);
    if (size < kHugePage) {
        buffer.Data = ::operator new(size == 0 ? 1 : size, std::nothrow);
        return buffer.Data != nullptr;
    }
    // Map a little more, so that the block can start on a huge page boundary.
    const std::size_t mapped = (size + 2 * kHugePage - 1) / kHugePage * kHugePage;
    void* base =
        ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) {
        return false;
    }
    const auto start = reinterpret_cast<std::uintptr_t>(base);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    const std::size_t head = aligned - start;
    if (head > 0) {
        ::munmap(base, head);
    }
    const std::size_t length = mapped - head;
#ifdef MADV_HUGEPAGE
    ::madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE); // advice only
#endif
    buffer.Data = reinterpret_cast<void*>(aligned);
    buffer.Mapped = length;
    return true;
}

void ReleaseBuffer(TBuffer& buffer) {
    if (buffer.Mapped > 0) {
        ::munmap(buffer.Data, buffer.Mapped);
    } else {
        ::operator delete(buffer.Data);
    }
    buffer.Data = nullptr;
    buffer.Mapped = 0;
}
