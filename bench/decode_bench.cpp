// Decoding speed of DecodeAdpcmBlocks against the straightforward reference decoder, on the same
// blocks, reported as decoded values (16-bit samples) per second.

#include "adpcm/decoder.h"
#include "ima_encoder.h"
#include "reference_adpcm.h"
#include "synth.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>
#include <utility>
#include <vector>

namespace {

enum TSignal { kSpeech, kMusic, kRandom };

constexpr std::size_t kFrames = 22050 * 20; // twenty seconds at 22050 Hz

// The encoded blocks of a signal, made once per signal and block size.
const std::vector<std::uint8_t>& Blocks(TSignal signal, std::int32_t blockSize) {
    static std::map<std::pair<int, int>, std::vector<std::uint8_t>> cache;
    auto& bytes = cache[{signal, blockSize}];
    if (bytes.empty()) {
        if (signal == kRandom) {
            std::mt19937 random(1);
            const std::size_t blocks = kFrames / (static_cast<std::size_t>(blockSize) - 7);
            bytes.resize(blocks * static_cast<std::size_t>(blockSize));
            for (auto& byte : bytes) {
                byte = static_cast<std::uint8_t>(random());
            }
        } else {
            const auto frames =
                signal == kSpeech ? SynthSpeech(kFrames, 22050) : SynthMelody(kFrames, 22050);
            bytes = EncodeAdpcmTrack(frames, blockSize);
        }
    }
    return bytes;
}

template <bool Reference> void Decode(benchmark::State& state) {
    const auto signal = static_cast<TSignal>(state.range(0));
    const auto blockSize = static_cast<std::int32_t>(state.range(1));
    const auto& bytes = Blocks(signal, blockSize);
    const std::size_t values =
        bytes.size() / static_cast<std::size_t>(blockSize) * ValuesPerBlock(blockSize);
    std::vector<std::int16_t> samples(values);
    TXAHeader header;
    header.Compression = 1;
    header.BlockSize = blockSize;
    for (auto _ : state) {
        if constexpr (Reference) {
            ReferenceDecodeInto(bytes, blockSize, samples);
        } else {
            DecodeAdpcmBlocks(bytes, samples, header);
        }
        benchmark::DoNotOptimize(samples.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * values));
    static const char* const kNames[] = {"speech", "music", "random"};
    state.SetLabel(kNames[signal]);
}

void Arguments(benchmark::internal::Benchmark* b) {
    b->ArgNames({"signal", "block"});
    for (const int signal : {kSpeech, kMusic, kRandom}) {
        for (const int blockSize : {36, 512, 2048}) {
            b->Args({signal, blockSize});
        }
    }
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(Decode<false>)->Name("DecodeAdpcmBlocks")->Apply(Arguments);
BENCHMARK(Decode<true>)->Name("ReferenceDecoder")->Apply(Arguments);

} // namespace

BENCHMARK_MAIN();
