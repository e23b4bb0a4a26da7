#include "adpcm/decoder.h"

#include "adpcm/ima_tables.h"
#include "xa/byte_order.h"

#include <algorithm>
#include <array>

namespace {

// The signed difference that `code` adds to the predictor at step index `stepIndex`: the step's
// eighth, plus the step, its half and its quarter for code bits 2, 1 and 0, each a shift of the
// table value; negated for bit 3.
constexpr int NibbleDifference(int stepIndex, unsigned code) {
    const int step = StepTable[static_cast<std::size_t>(stepIndex)];
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
    return (code & 8) ? -diff : diff;
}

constexpr int NextStepIndex(int stepIndex, unsigned code) {
    return std::clamp(stepIndex + IndexTable[code], 0, kMaxStepIndex);
}

// The decoding step for every step index and code, so that the block loop needs two table loads
// per nibble instead of a branch per code bit, which real sound makes unpredictable. A channel's
// state is its step index times 16, the start of its row in both tables; only the load of the
// next state lies on the chain from one nibble to the next.
constexpr std::size_t kStates = (kMaxStepIndex + 1) * 16;

struct TStepTables {
    std::array<std::int32_t, kStates> Difference{};
    std::array<std::uint16_t, kStates> NextState{};
};

constexpr TStepTables BuildStepTables() {
    TStepTables tables;
    for (int index = 0; index <= kMaxStepIndex; ++index) {
        for (unsigned code = 0; code < 16; ++code) {
            const auto at = static_cast<std::size_t>(index * 16) + code;
            tables.Difference[at] = NibbleDifference(index, code);
            tables.NextState[at] = static_cast<std::uint16_t>(NextStepIndex(index, code) * 16);
        }
    }
    return tables;
}

constexpr TStepTables kStepTables = BuildStepTables();

// A channel's state in the block loop: the predictor widened to int, the step index as its row.
struct TChannel {
    int Predictor;
    unsigned State;
};

// How a step keeps the predictor in 16 bits. Clamping is rare in ordinary sound, and then a branch
// is nearly always predicted and beats a branch-free clamp by 1.7 times; loud or damaged data
// clamps often and makes the branch mispredict, and there the branch-free clamp is 5 times faster.
enum class TClamp { Branch, BranchFree };

template <TClamp Clamp>
inline std::int16_t Step(TChannel& channel, unsigned code, std::size_t& clamps) {
    const std::size_t at = channel.State + code;
    int predictor = channel.Predictor + kStepTables.Difference[at];
    if constexpr (Clamp == TClamp::BranchFree) {
        predictor = std::clamp(predictor, -32768, 32767);
    } else if (static_cast<std::int16_t>(predictor) != predictor) {
        predictor = predictor < 0 ? -32768 : 32767;
        ++clamps;
    }
    channel.Predictor = predictor;
    channel.State = kStepTables.NextState[at];
    return static_cast<std::int16_t>(predictor);
}

// A channel's stored state; a step index beyond the table is taken as its last entry.
inline TChannel LoadChannel(const std::uint8_t* at) {
    return {LoadI16(at), static_cast<unsigned>(std::min<int>(at[2], kMaxStepIndex)) * 16};
}

// Decodes `Count` blocks side by side, so that the dependency chains of all their channels
// overlap: each block's two channels, and the blocks themselves, are independent. Returns how
// often a branching clamp clamped.
template <std::size_t Count, TClamp Clamp>
std::size_t DecodeBlocks(const std::uint8_t* block, std::size_t size, std::int16_t* out,
                         std::size_t values) {
    const std::size_t n = (size - 8) / 2;
    TChannel channels[Count][2];
    const std::uint8_t* codes[Count][2];
    std::int16_t* outs[Count];
    for (std::size_t k = 0; k < Count; ++k) {
        const std::uint8_t* at = block + k * size;
        channels[k][0] = LoadChannel(at);
        channels[k][1] = LoadChannel(at + 4);
        codes[k][0] = at + 8;
        codes[k][1] = at + 8 + n;
        outs[k] = out + k * values;
        outs[k][0] = static_cast<std::int16_t>(channels[k][0].Predictor);
        outs[k][1] = static_cast<std::int16_t>(channels[k][1].Predictor);
        outs[k] += 2;
    }
    std::size_t clamps = 0;
    for (std::size_t j = 0; j < n; ++j) {
        for (std::size_t k = 0; k < Count; ++k) {
            const unsigned byte0 = codes[k][0][j];
            const unsigned byte1 = codes[k][1][j];
            std::int16_t* o = outs[k] + 4 * j;
            o[0] = Step<Clamp>(channels[k][0], byte0 & 15, clamps);
            o[1] = Step<Clamp>(channels[k][1], byte1 & 15, clamps);
            o[2] = Step<Clamp>(channels[k][0], byte0 >> 4, clamps);
            o[3] = Step<Clamp>(channels[k][1], byte1 >> 4, clamps);
        }
    }
    return clamps;
}

} // namespace

bool ValidBlockSize(std::int32_t blockSize) {
    return blockSize >= 8 && blockSize % 2 == 0;
}

std::size_t ValuesPerBlock(std::int32_t blockSize) {
    return 2 * static_cast<std::size_t>(blockSize) - 14;
}

std::int16_t DecodeNibble(TAdpcmChannelState& state, std::uint8_t code) {
    state.Predictor = static_cast<std::int16_t>(
        std::clamp(state.Predictor + NibbleDifference(state.StepIndex, code), -32768, 32767));
    state.StepIndex = static_cast<std::uint8_t>(NextStepIndex(state.StepIndex, code));
    return state.Predictor;
}

void DecodeAdpcmBlocks(std::span<const std::uint8_t> bytes, std::span<std::int16_t> samples,
                       const TXAHeader& header) {
    const std::int32_t blockSize = header.BlockSize;
    if (!ValidBlockSize(blockSize)) {
        return;
    }
    const auto size = static_cast<std::size_t>(blockSize);
    const std::size_t values = ValuesPerBlock(blockSize);
    const std::size_t blocks = std::min(bytes.size() / size, samples.size() / values);
    // Pairs of blocks are decoded with the branching clamp while it seldom clamps; after a pair
    // that clamps in more than one value in 64, the next 16 pairs use the branch-free clamp.
    constexpr std::size_t kSideBySide = 2;
    constexpr std::size_t kOftenClamped = 64;
    constexpr int kBranchFreePairs = 16;
    int branchFreeLeft = 0;
    std::size_t b = 0;
    for (; b + kSideBySide <= blocks; b += kSideBySide) {
        const std::uint8_t* block = bytes.data() + b * size;
        std::int16_t* out = samples.data() + b * values;
        if (branchFreeLeft > 0) {
            DecodeBlocks<kSideBySide, TClamp::BranchFree>(block, size, out, values);
            --branchFreeLeft;
        } else if (DecodeBlocks<kSideBySide, TClamp::Branch>(block, size, out, values) *
                       kOftenClamped >
                   kSideBySide * values) {
            branchFreeLeft = kBranchFreePairs;
        }
    }
    for (; b < blocks; ++b) {
        DecodeBlocks<1, TClamp::BranchFree>(bytes.data() + b * size, size,
                                            samples.data() + b * values, values);
    }
}
