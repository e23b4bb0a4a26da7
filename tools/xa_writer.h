// Building XA files in memory, for the example generator and the tests.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The ten header fields as raw 32-bit values, so that any pattern can be written.
struct TXAFields {
    std::array<std::uint8_t, 4> Magic = {'X', 'A', '3', '0'};
    std::uint32_t Reserved1 = 0;
    std::uint32_t SampleRate = 22050;
    std::uint32_t Compression = 0;
    std::array<std::uint32_t, 2> TrackOffset{};
    std::array<std::uint32_t, 2> TrackSize{};
    std::uint32_t Reserved2 = 0;
    std::uint32_t BlockSize = 0;
};

// The 40 header bytes, little-endian.
std::vector<std::uint8_t> XAHeaderBytes(const TXAFields& fields);

// A whole XA file: the header, then track 0's data, then track 1's. An empty track is absent
// (offset and size 0). The other fields are taken from `fields`.
std::vector<std::uint8_t> MakeXAFile(TXAFields fields, std::span<const std::uint8_t> track0,
                                     std::span<const std::uint8_t> track1);

// Interleaved 16-bit samples as little-endian bytes.
std::vector<std::uint8_t> PcmBytes(std::span<const std::int16_t> samples);
