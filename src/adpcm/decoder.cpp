#include "adpcm/decoder.h"

#include "adpcm/ima_tables.h"
#include "xa/byte_order.h"

#include <algorithm>

namespace {

// A block's stored channel state. A step index beyond the table is taken as its last entry.
TAdpcmChannelState LoadChannelState(const std::uint8_t* at) {
    return {LoadI16(at), static_cast<std::uint8_t>(std::min<int>(at[2], kMaxStepIndex))};
}

} // namespace

bool ValidBlockSize(std::int32_t blockSize) {
    return blockSize >= 8 && blockSize % 2 == 0;
}

std::size_t ValuesPerBlock(std::int32_t blockSize) {
    return 2 * static_cast<std::size_t>(blockSize) - 14;
}

std::int16_t DecodeNibble(TAdpcmChannelState& state, std::uint8_t code) {
    const int step = StepTable[state.StepIndex];
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
        diff = -diff;
    }
    state.Predictor = static_cast<std::int16_t>(std::clamp(state.Predictor + diff, -32768, 32767));
    state.StepIndex =
        static_cast<std::uint8_t>(std::clamp(state.StepIndex + IndexTable[code], 0, kMaxStepIndex));
    return state.Predictor;
}

void DecodeAdpcmBlocks(std::span<const std::uint8_t> bytes, std::span<std::int16_t> samples,
                       const TXAHeader& header) {
    const std::int32_t blockSize = header.BlockSize;
    if (!ValidBlockSize(blockSize)) {
        return;
    }
    const auto size = static_cast<std::size_t>(blockSize);
    const std::size_t n = (size - 8) / 2;
    const std::size_t values = ValuesPerBlock(blockSize);
    const std::size_t blocks = std::min(bytes.size() / size, samples.size() / values);
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::uint8_t* block = bytes.data() + b * size;
        std::int16_t* out = samples.data() + b * values;
        TAdpcmChannelState states[2] = {LoadChannelState(block), LoadChannelState(block + 4)};
        out[0] = states[0].Predictor;
        out[1] = states[1].Predictor;
        for (std::size_t c = 0; c < 2; ++c) {
            const std::uint8_t* codes = block + 8 + c * n;
            for (std::size_t j = 0; j < n; ++j) {
                out[2 + 4 * j + c] = DecodeNibble(states[c], codes[j] & 0x0F);
                out[2 + 4 * j + 2 + c] = DecodeNibble(states[c], codes[j] >> 4);
            }
        }
    }
}
