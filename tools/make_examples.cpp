// Writes the bundled example files into a directory:
//   tones.xa   uncompressed, track 0 a melody, track 1 a sweep
//   rhythm.xa  IMA ADPCM in 512-byte blocks, track 0 speech-like syllables, track 1 drums
//
// Usage: make_examples DIRECTORY

#include "ima_encoder.h"
#include "synth.h"
#include "xa_writer.h"

#include <cstdio>
#include <string>

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        std::perror(path.c_str());
        return false;
    }
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const bool closed = std::fclose(out) == 0;
    if (!wrote || !closed) {
        std::fprintf(stderr, "%s: write failed\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_examples DIRECTORY\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    constexpr double kRate = 11025;
    constexpr std::size_t kFrames = 5512; // half a second

    TXAFields pcm;
    pcm.SampleRate = 11025;
    pcm.Compression = 0;
    const auto tones = MakeXAFile(pcm, PcmBytes(SynthMelody(kFrames, kRate)),
                                  PcmBytes(SynthSweep(kFrames, kRate)));

    TXAFields adpcm;
    adpcm.SampleRate = 11025;
    adpcm.Compression = 1;
    adpcm.BlockSize = 512;
    const auto rhythm = MakeXAFile(adpcm, EncodeAdpcmTrack(SynthSpeech(4 * kFrames, kRate), 512),
                                   EncodeAdpcmTrack(SynthDrums(4 * kFrames, kRate), 512));

    return WriteFile(dir + "tones.xa", tones) && WriteFile(dir + "rhythm.xa", rhythm) ? 0 : 1;
}
