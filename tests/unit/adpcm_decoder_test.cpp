#include "adpcm/decoder.h"

#include "adpcm/ima_tables.h"
#include "ima_encoder.h"
#include "reference_adpcm.h"
#include "synth.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace {

TXAHeader WithBlockSize(std::int32_t blockSize) {
    TXAHeader header;
    header.Compression = 1;
    header.BlockSize = blockSize;
    return header;
}

std::vector<std::int16_t> Decode(const std::vector<std::uint8_t>& bytes, std::int32_t blockSize) {
    const std::size_t blocks = bytes.size() / static_cast<std::size_t>(blockSize);
    std::vector<std::int16_t> samples(blocks * ValuesPerBlock(blockSize), 0x5555);
    DecodeAdpcmBlocks(bytes, samples, WithBlockSize(blockSize));
    return samples;
}

} // namespace

TEST(DecodeNibble, WorkedSteps) {
    TAdpcmChannelState state{0, 0};
    EXPECT_EQ(DecodeNibble(state, 7), 11);
    EXPECT_EQ(state.StepIndex, 8);
    EXPECT_EQ(DecodeNibble(state, 15), -19);
    EXPECT_EQ(state.Predictor, -19);
    EXPECT_EQ(state.StepIndex, 16);
}

TEST(DecodeNibble, PredictorAndStepIndexStayInRange) {
    TAdpcmChannelState high{32000, kMaxStepIndex};
    EXPECT_EQ(DecodeNibble(high, 7), 32767);
    EXPECT_EQ(DecodeNibble(high, 7), 32767);
    TAdpcmChannelState low{-32000, kMaxStepIndex};
    EXPECT_EQ(DecodeNibble(low, 15), -32768);
    EXPECT_EQ(DecodeNibble(low, 15), -32768);

    for (std::uint8_t code = 0; code < 16; ++code) {
        TAdpcmChannelState top{0, kMaxStepIndex};
        DecodeNibble(top, code);
        EXPECT_EQ(top.StepIndex, (code & 7) >= 4 ? kMaxStepIndex : kMaxStepIndex - 1) << int(code);
        TAdpcmChannelState bottom{0, 0};
        DecodeNibble(bottom, code);
        EXPECT_EQ(bottom.StepIndex, (code & 7) < 4 ? 0 : IndexTable[code]) << int(code);
    }
}

TEST(DecodeNibble, StepUsesShiftsOfTheTableValue) {
    // At step 32767 the shifted parts differ from (code + 0.5) * step / 4 rounded once.
    TAdpcmChannelState state{0, kMaxStepIndex};
    EXPECT_EQ(DecodeNibble(state, 3), 4095 + 16383 + 8191);
    state = {0, kMaxStepIndex};
    EXPECT_EQ(DecodeNibble(state, 8 + 7), -32768); // -(4095 + 32767 + 16383 + 8191), clamped
    state = {0, 10};                               // step 19
    EXPECT_EQ(DecodeNibble(state, 5), 2 + 19 + 4);
}

TEST(DecodeAdpcmBlocks, WorkedBlock) {
    const std::vector<std::uint8_t> block = {0x10, 0x00, 0x00, 0x00, 0xF0, 0xFF,
                                             0x00, 0x00, 0x77, 0x00, 0xF8, 0x08};
    EXPECT_EQ(Decode(block, 12),
              (std::vector<std::int16_t>{16, -16, 27, -16, 57, -27, 61, -29, 64, -28}));
}

TEST(DecodeAdpcmBlocks, EightByteBlocksYieldTheirStoredPredictors) {
    const std::vector<std::uint8_t> bytes = {0x01, 0x00, 0x05, 0x00, 0xFF, 0x7F, 0x58, 0x00,
                                             0x00, 0x80, 0x00, 0xAA, 0x02, 0x00, 0x00, 0x00};
    EXPECT_EQ(Decode(bytes, 8), (std::vector<std::int16_t>{1, 32767, -32768, 2}));
}

TEST(DecodeAdpcmBlocks, EveryBlockStartsAfreshFromItsStoredState) {
    // Two identical blocks decode identically, whatever the first one ended with; a stored
    // predictor is output as stored.
    std::vector<std::uint8_t> block = {0x00, 0x10, 0x20, 0x00, 0x00, 0xF0,
                                       0x30, 0x00, 0x77, 0x77, 0x99, 0x99};
    std::vector<std::uint8_t> twice = block;
    twice.insert(twice.end(), block.begin(), block.end());
    const auto one = Decode(block, 12);
    const auto two = Decode(twice, 12);
    ASSERT_EQ(two.size(), 2 * one.size());
    EXPECT_EQ(std::vector<std::int16_t>(two.begin(), two.begin() + 10), one);
    EXPECT_EQ(std::vector<std::int16_t>(two.begin() + 10, two.end()), one);
    EXPECT_EQ(two[10], 0x1000);
    EXPECT_EQ(two[11], static_cast<std::int16_t>(0xF000));
}

TEST(DecodeAdpcmBlocks, StepIndexAboveTheTableIsTakenAsTheLast) {
    const auto blockWithIndex = [](std::uint8_t index) {
        return std::vector<std::uint8_t>{0, 0, index, 0, 0, 0, index, 0, 0x3F, 0xC1, 0x77, 0x08};
    };
    const auto expected = Decode(blockWithIndex(88), 12);
    EXPECT_EQ(Decode(blockWithIndex(89), 12), expected);
    EXPECT_EQ(Decode(blockWithIndex(255), 12), expected);
}

TEST(DecodeAdpcmBlocks, DecodesOnlyWholeBlocksThatFitBothSpans) {
    const std::vector<std::uint8_t> bytes(12 * 2 + 6, 0x11); // 2.5 blocks
    std::vector<std::int16_t> samples(25, 0x5555);
    DecodeAdpcmBlocks(bytes, samples, WithBlockSize(12));
    EXPECT_NE(samples[19], 0x5555);
    EXPECT_EQ(samples[20], 0x5555); // the half block is not decoded

    std::vector<std::int16_t> untouched(10, 0x5555);
    for (const std::int32_t invalid : {0, 7, 6, -36, 9}) {
        DecodeAdpcmBlocks(bytes, untouched, WithBlockSize(invalid));
        EXPECT_EQ(untouched, std::vector<std::int16_t>(10, 0x5555)) << invalid;
    }
}

// The encoder keeps its own copy of the IMA arithmetic; its reconstruction of what it encoded
// must match the decoder value for value, in every block size.
class AdpcmRoundTrip : public testing::TestWithParam<std::int32_t> {};

TEST_P(AdpcmRoundTrip, DecoderReproducesTheEncodersReconstruction) {
    const std::int32_t blockSize = GetParam();
    std::vector<std::int16_t> signal = SynthSpeech(3000, 22050);
    const auto drums = SynthDrums(3000, 22050);
    signal.insert(signal.end(), drums.begin(), drums.end());
    std::vector<std::int16_t> reconstructed;
    const auto bytes = EncodeAdpcmTrack(signal, blockSize, &reconstructed);
    const auto decoded = Decode(bytes, blockSize);
    ASSERT_EQ(decoded, reconstructed);

    long long error = 0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        error += std::abs(decoded[i] - signal[i]);
    }
    EXPECT_LT(error / static_cast<long long>(signal.size()), 200); // the encoder tracks the signal
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, AdpcmRoundTrip, testing::Values(8, 10, 36, 512, 2048));

// Random bytes exercise every code, step index (stored ones above 88 too) and both clamps.
TEST(DecodeAdpcmBlocks, MatchesTheReferenceDecoderOnRandomBlocks) {
    std::mt19937 random(2026);
    for (const std::int32_t blockSize : {8, 10, 12, 36, 514, 2048}) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(blockSize) * 40 + 3);
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
        }
        EXPECT_EQ(Decode(bytes, blockSize), ReferenceDecodeBlocks(bytes, blockSize)) << blockSize;
    }
}

// Every stored step index (the table's and two beyond it), every code byte on both channels, at
// the predictor's extremes and in between: one-byte-per-channel blocks, decoded all at once.
TEST(DecodeAdpcmBlocks, MatchesTheReferenceDecoderForEveryStateAndCode) {
    std::vector<std::uint8_t> bytes;
    for (int index = 0; index <= 90; ++index) {
        const auto stored = static_cast<std::uint8_t>(index <= 88 ? index : 165 + index);
        for (const int predictor : {-32768, -30000, -7, 0, 5, 30000, 32767}) {
            const auto bits = static_cast<std::uint16_t>(predictor);
            for (int code = 0; code < 256; ++code) {
                const auto lo = static_cast<std::uint8_t>(bits);
                const auto hi = static_cast<std::uint8_t>(bits >> 8);
                const auto other = static_cast<std::uint8_t>(255 - code);
                bytes.insert(bytes.end(), {lo, hi, stored, 0, hi, lo, stored, 0,
                                           static_cast<std::uint8_t>(code), other});
            }
        }
    }
    EXPECT_EQ(Decode(bytes, 10), ReferenceDecodeBlocks(bytes, 10));
}
