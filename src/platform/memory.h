// Memory for whole tracks: one block per array, sized once.
#pragma once

#include <cstddef>

// A block of memory, released when the holder ends. Its contents are unspecified until written.
struct TBuffer {
    void* Data = nullptr;
    std::size_t Mapped = 0; // bytes obtained from the system by mapping, 0 when allocated

    TBuffer() = default;
    TBuffer(const TBuffer&) = delete;
    TBuffer& operator=(const TBuffer&) = delete;
    ~TBuffer();
};

// Gives `buffer` room for `size` bytes. Large blocks are asked of the system in huge pages where
// it offers them, so that filling them costs a few page faults rather than one per 4 KiB. False
// when the memory cannot be had.
bool AllocateBuffer(TBuffer& buffer, std::size_t size);
void ReleaseBuffer(TBuffer& buffer);
