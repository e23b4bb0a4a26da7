#include "xa/xa_header.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

TEST(XAHeader, FieldsAreReadLittleEndianInFileOrder) {
    std::array<std::uint8_t, kXAHeaderSize> bytes{};
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0x80}); // every byte distinct
    const TXAHeader header = ParseXAHeader(bytes);
    EXPECT_EQ(header.Magic, (std::array<std::uint8_t, 4>{0x80, 0x81, 0x82, 0x83}));
    EXPECT_EQ(header.Reserved1, 0x87868584u);
    EXPECT_EQ(header.SampleRate, 0x8B8A8988u);
    EXPECT_EQ(header.Compression, 0x8F8E8D8Cu);
    EXPECT_EQ(header.TrackOffset[0], static_cast<std::int32_t>(0x93929190u));
    EXPECT_EQ(header.TrackOffset[1], static_cast<std::int32_t>(0x97969594u));
    EXPECT_EQ(header.TrackSize[0], 0x9B9A9998u);
    EXPECT_EQ(header.TrackSize[1], 0x9F9E9D9Cu);
    EXPECT_EQ(header.Reserved2, 0xA3A2A1A0u);
    EXPECT_EQ(header.BlockSize, static_cast<std::int32_t>(0xA7A6A5A4u));
    EXPECT_LT(header.TrackOffset[0], 0); // offsets and the block size are signed
    EXPECT_LT(header.BlockSize, 0);
}

TEST(XAHeader, OnlyTheTwoMarksAreAccepted) {
    struct TCase {
        std::array<std::uint8_t, 4> Magic;
        bool Accepted;
    };
    const TCase cases[] = {
        {{'X', 'A', '3', '0'}, true},      {{0x65, 0x34, 0x78, 0x92}, true},
        {{'x', 'a', '3', '0'}, false},     {{'X', 'A', '3', '1'}, false},
        {{'Y', 'A', '3', '0'}, false},     {{'X', 'B', '3', '0'}, false},
        {{'X', 'A', '4', '0'}, false},     {{0x65, 0x34, 0x78, 0x93}, false},
        {{0x64, 0x34, 0x78, 0x92}, false}, {{0, 0, 0, 0}, false},
        {{'R', 'I', 'F', 'F'}, false},     {{'X', 'A', 0x78, 0x92}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsXAMagic(c.Magic), c.Accepted)
            << int(c.Magic[0]) << " " << int(c.Magic[1]) << " " << int(c.Magic[2]) << " "
            << int(c.Magic[3]);
    }
}

TEST(XAHeader, TrackIsPresentOnlyWithOffsetAndSize) {
    TXAHeader header;
    header.TrackOffset = {40, 0};
    header.TrackSize = {0, 100};
    EXPECT_FALSE(TrackPresent(header, 0));
    EXPECT_FALSE(TrackPresent(header, 1));
    header.TrackOffset = {-1, 40};
    header.TrackSize = {1, 0xFFFFFFFFu};
    EXPECT_TRUE(TrackPresent(header, 0));
    EXPECT_TRUE(TrackPresent(header, 1));
}
