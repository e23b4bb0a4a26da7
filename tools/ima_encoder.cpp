#include "ima_encoder.h"

#include <algorithm>
#include <array>

namespace {

// The IMA tables, written out here again so that the encoder does not share the decoder's code.
constexpr std::array<int, 89> kSteps = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
    25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
    88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
    307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
    1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
    3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
    12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr std::array<int, 8> kIndexShift = {-1, -1, -1, -1, 2, 4, 6, 8};

struct TEncoderState {
    int Predictor = 0;
    int Index = 0;
};

// Chooses the code closest to `sample` and advances the state exactly as a decoder would.
std::uint8_t EncodeSample(TEncoderState& state, int sample) {
    const int step = kSteps[state.Index];
    int diff = sample - state.Predictor;
    std::uint8_t code = 0;
    if (diff < 0) {
        code = 8;
        diff = -diff;
    }
    int delta = step >> 3;
    int part = step;
    for (std::uint8_t bit = 4; bit != 0; bit >>= 1, part >>= 1) {
        if (diff >= part) {
            code |= bit;
            diff -= part;
            delta += part;
        }
    }
    state.Predictor += (code & 8) ? -delta : delta;
    state.Predictor = std::clamp(state.Predictor, -32768, 32767);
    state.Index = std::clamp(state.Index + kIndexShift[code & 7], 0, 88);
    return code;
}

} // namespace

std::vector<std::uint8_t> EncodeAdpcmTrack(std::span<const std::int16_t> frames,
                                           std::int32_t blockSize,
                                           std::vector<std::int16_t>* decoded) {
    const std::size_t n = (static_cast<std::size_t>(blockSize) - 8) / 2;
    const std::size_t framesPerBlock = 1 + 2 * n;
    const std::size_t frameCount = frames.size() / 2;
    const std::size_t blocks = (frameCount + framesPerBlock - 1) / framesPerBlock;
    std::vector<std::uint8_t> bytes(blocks * static_cast<std::size_t>(blockSize));
    if (decoded != nullptr) {
        decoded->assign(blocks * framesPerBlock * 2, 0);
    }
    const auto sampleAt = [&](std::size_t frame, std::size_t channel) -> int {
        return frameCount == 0 ? 0 : frames[2 * std::min(frame, frameCount - 1) + channel];
    };
    std::array<TEncoderState, 2> states{};
    for (std::size_t b = 0; b < blocks; ++b) {
        std::uint8_t* block = bytes.data() + b * static_cast<std::size_t>(blockSize);
        const std::size_t first = b * framesPerBlock;
        for (std::size_t c = 0; c < 2; ++c) {
            states[c].Predictor = sampleAt(first, c);
            const auto predictor = static_cast<std::uint16_t>(states[c].Predictor);
            block[4 * c] = static_cast<std::uint8_t>(predictor);
            block[4 * c + 1] = static_cast<std::uint8_t>(predictor >> 8);
            block[4 * c + 2] = static_cast<std::uint8_t>(states[c].Index);
            block[4 * c + 3] = 0;
            if (decoded != nullptr) {
                (*decoded)[2 * first + c] = static_cast<std::int16_t>(states[c].Predictor);
            }
            for (std::size_t j = 0; j < n; ++j) {
                std::uint8_t byte = 0;
                for (std::size_t half = 0; half < 2; ++half) {
                    const std::size_t frame = first + 1 + 2 * j + half;
                    const std::uint8_t code = EncodeSample(states[c], sampleAt(frame, c));
                    byte |= static_cast<std::uint8_t>(code << (4 * half));
                    if (decoded != nullptr) {
                        (*decoded)[2 * frame + c] = static_cast<std::int16_t>(states[c].Predictor);
                    }
                }
                block[8 + c * n + j] = byte;
            }
        }
    }
    return bytes;
}
