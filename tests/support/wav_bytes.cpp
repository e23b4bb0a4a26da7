#include "wav_bytes.h"

#include <string_view>

std::vector<std::uint8_t> WavBytes(std::uint32_t sampleRate, std::uint32_t dataSize,
                                   std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> out;
    out.reserve(44 + payload.size());
    const auto text = [&out](std::string_view id) {
        for (const char c : id) {
            out.push_back(static_cast<std::uint8_t>(c));
        }
    };
    const auto le = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    text("RIFF");
    le(dataSize + 36, 4);
    text("WAVE");
    text("fmt ");
    le(16, 4);
    le(1, 2); // PCM
    le(2, 2); // channels
    le(sampleRate, 4);
    le(sampleRate * 4, 4);
    le(4, 2);
    le(16, 2);
    text("data");
    le(dataSize, 4);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}
