// The 40-byte header at the start of every XA file.
#pragma once

#include "platform/files.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr std::size_t kXAHeaderSize = 40;
inline constexpr int kTrackCount = 2;

struct TXAHeader {
    std::array<std::uint8_t, 4> Magic{};
    std::uint32_t Reserved1 = 0;
    std::uint32_t SampleRate = 0;  // stereo frames per second
    std::uint32_t Compression = 0; // 0 uncompressed 16-bit PCM, 1 IMA ADPCM blocks
    std::array<std::int32_t, kTrackCount> TrackOffset{}; // byte position from the start of file
    std::array<std::uint32_t, kTrackCount> TrackSize{};  // bytes; signedness is up to the reader
    std::uint32_t Reserved2 = 0;
    std::int32_t BlockSize = 0; // bytes per ADPCM block
};

// Decodes the header's fields from its 40 bytes, little-endian, field by field.
TXAHeader ParseXAHeader(std::span<const std::uint8_t, kXAHeaderSize> bytes);

// True when the four bytes are one of the two marks of an XA file.
bool IsXAMagic(std::span<const std::uint8_t, 4> magic);

// Reads the first 40 bytes of `file` into `header`; true when the file is an XA file.
bool ReadXAHeader(TInputFile& file, TXAHeader& header);

// A track is present when both its offset and its size are non-zero.
bool TrackPresent(const TXAHeader& header, int track);
