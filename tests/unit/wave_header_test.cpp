#include "xa/wave_header.h"

#include "wav_bytes.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WaveHeader, TemplateAndFormatStepGiveTheCanonicalLayout) {
    TWaveHeader wave;
    TXAHeader header;
    header.SampleRate = 22050;
    SetWaveFormat(wave, header, 232);
    const auto bytes = SerializeWaveHeader(wave);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), WavBytes(22050, 232, {}));
}

TEST(WaveHeader, SampleRateIsCopiedAndByteRateWrapsAt32Bits) {
    TWaveHeader wave;
    TXAHeader header;
    header.SampleRate = 0x40000001u;
    SetWaveFormat(wave, header, 0);
    EXPECT_EQ(wave.nSamplesPerSec, 0x40000001u);
    EXPECT_EQ(wave.nAvgBytesPerSec, 4u);
    EXPECT_EQ(wave.RiffSize, 36u);
}

TEST(WaveHeader, LargestDataSizeStillFitsTheRiffSize) {
    TWaveHeader wave;
    SetWaveFormat(wave, TXAHeader{}, static_cast<std::uint32_t>(kMaxWaveDataSize));
    EXPECT_EQ(wave.RiffSize, 0xFFFFFFFFu);
    EXPECT_EQ(kMaxWaveDataSize, 4294967259u);
}
