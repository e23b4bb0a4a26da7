// An IMA ADPCM encoder for the block layout of XA tracks, used to make example and test files.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Encodes interleaved stereo samples (left, right, frame after frame) into blocks of `blockSize`
// bytes (even, at least 8). Each block starts with both channels' state, the predictor being the
// block's first frame; a last partial block is padded by repeating the last frame. Also returns,
// in `decoded`, what a standard decoder reconstructs from the codes, frame for frame.
std::vector<std::uint8_t> EncodeAdpcmTrack(std::span<const std::int16_t> frames,
                                           std::int32_t blockSize,
                                           std::vector<std::int16_t>* decoded = nullptr);
