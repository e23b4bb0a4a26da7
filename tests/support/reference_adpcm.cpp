#include "reference_adpcm.h"

#include "adpcm/ima_tables.h"

#include <algorithm>

namespace {

struct TChannel {
    int Predictor;
    int Index;
};

int Step(TChannel& channel, int code) {
    const int step = StepTable[channel.Index];
    int diff = step >> 3;
    if (code & 4) {
        diff += step;
    }
    if (code & 2) {
        diff += step >> 1;
    }
    if (code & 1) {
        diff += step >> 2;
    }
    if (code & 8) {
        channel.Predictor -= diff;
    } else {
        channel.Predictor += diff;
    }
    if (channel.Predictor > 32767) {
        channel.Predictor = 32767;
    } else if (channel.Predictor < -32768) {
        channel.Predictor = -32768;
    }
    channel.Index += IndexTable[code];
    if (channel.Index < 0) {
        channel.Index = 0;
    } else if (channel.Index > 88) {
        channel.Index = 88;
    }
    return channel.Predictor;
}

} // namespace

void ReferenceDecodeInto(std::span<const std::uint8_t> bytes, std::int32_t blockSize,
                         std::span<std::int16_t> out) {
    const std::size_t size = static_cast<std::size_t>(blockSize);
    const std::size_t n = (size - 8) / 2;
    std::size_t at = 0;
    for (std::size_t block = 0; block + size <= bytes.size(); block += size) {
        const std::uint8_t* b = bytes.data() + block;
        TChannel left{static_cast<std::int16_t>(b[0] | (b[1] << 8)), std::min<int>(b[2], 88)};
        TChannel right{static_cast<std::int16_t>(b[4] | (b[5] << 8)), std::min<int>(b[6], 88)};
        out[at++] = static_cast<std::int16_t>(left.Predictor);
        out[at++] = static_cast<std::int16_t>(right.Predictor);
        for (std::size_t j = 0; j < n; ++j) {
            const std::uint8_t l = b[8 + j];
            const std::uint8_t r = b[8 + n + j];
            out[at++] = static_cast<std::int16_t>(Step(left, l & 15));
            out[at++] = static_cast<std::int16_t>(Step(right, r & 15));
            out[at++] = static_cast<std::int16_t>(Step(left, l >> 4));
            out[at++] = static_cast<std::int16_t>(Step(right, r >> 4));
        }
    }
}

std::vector<std::int16_t> ReferenceDecodeBlocks(std::span<const std::uint8_t> bytes,
                                                std::int32_t blockSize) {
    const std::size_t blocks = bytes.size() / static_cast<std::size_t>(blockSize);
    std::vector<std::int16_t> out(blocks * (2 * static_cast<std::size_t>(blockSize) - 14));
    ReferenceDecodeInto(bytes, blockSize, out);
    return out;
}
