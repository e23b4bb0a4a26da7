// The decoded samples of one track: signed 16-bit values, interleaved stereo frame after frame.
#pragma once

#include "platform/memory.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

struct TSamples {
    TBuffer Memory;
    std::size_t Count = 0;

    // Sizes the array to its final length once. The values are left for the reader to fill, all
    // of them. False when the memory cannot be had.
    bool Allocate(std::size_t count) {
        Release();
        if (count > std::numeric_limits<std::size_t>::max() / sizeof(std::int16_t) ||
            !AllocateBuffer(Memory, count * sizeof(std::int16_t))) {
            return false;
        }
        Count = count;
        return true;
    }

    void Release() {
        ReleaseBuffer(Memory);
        Count = 0;
    }

    std::span<std::int16_t> View() { return {static_cast<std::int16_t*>(Memory.Data), Count}; }
};
