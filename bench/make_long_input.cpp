// Writes one long stereo test signal both as an XA file with one IMA ADPCM track and as the
// equivalent IMA ADPCM WAV file, holding the same codes, for comparing decoders.
//
// Usage: make_long_input MINUTES OUT.xa OUT-ima.wav
//
// A stereo IMA ADPCM WAV block holds the same bytes as an XA block: both channels' 4-byte states,
// then the codes, regrouped from one run per channel into alternating 4-byte runs.

#include "ima_encoder.h"
#include "synth.h"
#include "xa_writer.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint32_t kRate = 22050;
constexpr std::int32_t kBlockSize = 2048;

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void PutId(std::vector<std::uint8_t>& out, const char* id) {
    out.insert(out.end(), id, id + 4);
}

std::vector<std::uint8_t> ImaWav(const std::vector<std::uint8_t>& blocks) {
    const std::size_t n = (kBlockSize - 8) / 2; // code bytes per channel and block
    const std::uint32_t framesPerBlock = 2 * n + 1;
    const std::size_t blockCount = blocks.size() / kBlockSize;
    std::vector<std::uint8_t> out;
    PutId(out, "RIFF");
    Put(out, static_cast<std::uint32_t>(4 + 28 + 12 + 8 + blocks.size()), 4);
    PutId(out, "WAVE");
    PutId(out, "fmt ");
    Put(out, 20, 4);
    Put(out, 0x11, 2); // IMA ADPCM
    Put(out, 2, 2);
    Put(out, kRate, 4);
    Put(out, static_cast<std::uint32_t>(kRate * kBlockSize / framesPerBlock), 4);
    Put(out, kBlockSize, 2);
    Put(out, 4, 2);
    Put(out, 2, 2);
    Put(out, framesPerBlock, 2);
    PutId(out, "fact");
    Put(out, 4, 4);
    Put(out, static_cast<std::uint32_t>(blockCount * framesPerBlock), 4);
    PutId(out, "data");
    Put(out, static_cast<std::uint32_t>(blocks.size()), 4);
    for (std::size_t b = 0; b < blockCount; ++b) {
        const std::uint8_t* block = blocks.data() + b * kBlockSize;
        out.insert(out.end(), block, block + 8);
        for (std::size_t k = 0; k < n; k += 4) {
            out.insert(out.end(), block + 8 + k, block + 8 + k + 4);
            out.insert(out.end(), block + 8 + n + k, block + 8 + n + k + 4);
        }
    }
    return out;
}

bool Write(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* out = std::fopen(path, "wb");
    const bool ok =
        out != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return (out != nullptr && std::fclose(out) == 0) && ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_long_input MINUTES OUT.xa OUT-ima.wav\n");
        return 2;
    }
    const std::size_t frames = static_cast<std::size_t>(std::atof(argv[1]) * 60 * kRate);
    // Music with pauses of speech: half a minute of each, in turn.
    std::vector<std::int16_t> signal;
    signal.reserve(2 * frames);
    const std::size_t part = 30 * kRate;
    for (std::size_t at = 0; at < frames; at += part) {
        const std::size_t length = std::min(part, frames - at);
        const auto piece =
            (at / part) % 2 == 0 ? SynthMelody(length, kRate) : SynthSpeech(length, kRate);
        signal.insert(signal.end(), piece.begin(), piece.end());
    }
    const auto blocks = EncodeAdpcmTrack(signal, kBlockSize);
    TXAFields fields;
    fields.SampleRate = kRate;
    fields.Compression = 1;
    fields.BlockSize = kBlockSize;
    if (!Write(argv[2], MakeXAFile(fields, blocks, {})) || !Write(argv[3], ImaWav(blocks))) {
        std::perror("make_long_input");
        return 1;
    }
    return 0;
}
