// The bytes a WAV file of 16-bit stereo PCM is expected to hold, spelled out independently of the
// converter's own writer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

std::vector<std::uint8_t> WavBytes(std::uint32_t sampleRate, std::uint32_t dataSize,
                                   std::span<const std::uint8_t> payload);
