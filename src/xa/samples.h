// The decoded samples of one track: signed 16-bit values, interleaved stereo frame after frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>

struct TSamples {
    std::unique_ptr<std::int16_t[]> Values;
    std::size_t Count = 0;

    // Sizes the array to its final length once. The values are left for the reader to fill, all
    // of them. False when the memory cannot be had.
    bool Allocate(std::size_t count) {
        Release();
        Values.reset(new (std::nothrow) std::int16_t[count]);
        if (!Values) {
            return false;
        }
        Count = count;
        return true;
    }

    void Release() {
        Values.reset();
        Count = 0;
    }

    std::span<std::int16_t> View() { return {Values.get(), Count}; }
};
