// The 44-byte RIFF/WAVE header that starts every output file.
#pragma once

#include "xa/xa_header.h"

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kWaveHeaderSize = 44;
inline constexpr std::uint16_t ChannelCount = 2;
// The most sample data a WAV file can hold: its RIFF chunk size, data size + 36, is 32 bits.
inline constexpr std::uint64_t kMaxWaveDataSize = 0xFFFFFFFFu - 36;

struct TWaveHeader {
    std::array<char, 4> RiffId{'R', 'I', 'F', 'F'};
    std::uint32_t RiffSize = 36;
    std::array<char, 4> WaveId{'W', 'A', 'V', 'E'};
    std::array<char, 4> FmtId{'f', 'm', 't', ' '};
    std::uint32_t FmtSize = 16;
    std::uint16_t wFormatTag = 1; // PCM
    std::uint16_t nChannels = ChannelCount;
    std::uint32_t nSamplesPerSec = 0;
    std::uint32_t nAvgBytesPerSec = 0;
    std::uint16_t nBlockAlign = ChannelCount * 2;
    std::uint16_t wBitsPerSample = 16;
    std::array<char, 4> DataId{'d', 'a', 't', 'a'};
    std::uint32_t DataSize = 0;
};

// The run's header record: every successful track read sets its format fields, and the writer
// writes it as it stands.
extern TWaveHeader WaveHeader;

// Sets the format fields and sizes for `dataSize` bytes of 16-bit stereo samples at the XA
// header's sample rate. `dataSize` is at most kMaxWaveDataSize.
void SetWaveFormat(TWaveHeader& wave, const TXAHeader& header, std::uint32_t dataSize);

// The header's 44 bytes, little-endian, field by field in file order.
std::array<std::uint8_t, kWaveHeaderSize> SerializeWaveHeader(const TWaveHeader& wave);
