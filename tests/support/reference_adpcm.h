// A straightforward IMA ADPCM decoder for XA track blocks: one nibble at a time, with the
// standard step's branches, written for clarity only. Tests and the benchmark hold the converter's
// decoder against it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Decodes every whole block of `bytes`; `blockSize` must be even and at least 8.
std::vector<std::int16_t> ReferenceDecodeBlocks(std::span<const std::uint8_t> bytes,
                                                std::int32_t blockSize);

// The same into `out`, which holds exactly the decoded values of the whole blocks.
void ReferenceDecodeInto(std::span<const std::uint8_t> bytes, std::int32_t blockSize,
                         std::span<std::int16_t> out);
