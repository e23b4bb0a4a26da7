// IMA ADPCM decoding of XA track blocks.
//
// A block of BlockSize bytes holds, with n = (BlockSize - 8) / 2: channel 0's state (predictor,
// step index, one reserved byte), channel 1's state, then n code bytes for channel 0 and n for
// channel 1, two 4-bit codes per byte, low nibble first. It decodes to 1 + 2n stereo frames: the
// two stored predictors, then one frame per nibble position.
#pragma once

#include "xa/xa_header.h"

#include <cstddef>
#include <cstdint>
#include <span>

struct TAdpcmChannelState {
    std::int16_t Predictor = 0;
    std::uint8_t StepIndex = 0; // 0 to 88
};

// True for a block size that the layout can hold: even and at least 8.
bool ValidBlockSize(std::int32_t blockSize);

// Values (16-bit samples) that one block of `blockSize` bytes decodes to: 2 * blockSize - 14.
std::size_t ValuesPerBlock(std::int32_t blockSize);

// One standard IMA ADPCM step: updates `state` from the 4-bit `code` and returns the new
// predictor, the decoded sample.
std::int16_t DecodeNibble(TAdpcmChannelState& state, std::uint8_t code);

// Decodes the whole blocks of `bytes` (a track's data) into `samples`, block after block, with the
// header's BlockSize. Decodes as many blocks as both spans hold, none for an invalid block size;
// bytes after the last whole block are ignored.
void DecodeAdpcmBlocks(std::span<const std::uint8_t> bytes, std::span<std::int16_t> samples,
                       const TXAHeader& header);
