#include "xa/wave_header.h"

#include "xa/byte_order.h"

#include <algorithm>

TWaveHeader WaveHeader;

void SetWaveFormat(TWaveHeader& wave, const TXAHeader& header, std::uint32_t dataSize) {
    wave.RiffSize = dataSize + 36;
    wave.nChannels = ChannelCount;
    wave.nSamplesPerSec = header.SampleRate;
    wave.nAvgBytesPerSec = header.SampleRate * ChannelCount * 2; // wraps like the 32-bit field
    wave.nBlockAlign = ChannelCount * 2;
    wave.wBitsPerSample = 16;
    wave.DataSize = dataSize;
}

std::array<std::uint8_t, kWaveHeaderSize> SerializeWaveHeader(const TWaveHeader& wave) {
    std::array<std::uint8_t, kWaveHeaderSize> bytes{};
    std::uint8_t* at = bytes.data();
    const auto putId = [&at](const std::array<char, 4>& id) {
        at = std::copy(id.begin(), id.end(), at);
    };
    const auto put16 = [&at](std::uint16_t value) {
        StoreU16(at, value);
        at += 2;
    };
    const auto put32 = [&at](std::uint32_t value) {
        StoreU32(at, value);
        at += 4;
    };
    putId(wave.RiffId);
    put32(wave.RiffSize);
    putId(wave.WaveId);
    putId(wave.FmtId);
    put32(wave.FmtSize);
    put16(wave.wFormatTag);
    put16(wave.nChannels);
    put32(wave.nSamplesPerSec);
    put32(wave.nAvgBytesPerSec);
    put16(wave.nBlockAlign);
    put16(wave.wBitsPerSample);
    putId(wave.DataId);
    put32(wave.DataSize);
    return bytes;
}
