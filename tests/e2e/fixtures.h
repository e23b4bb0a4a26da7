// Building the inputs of an end-to-end case and checking the directory after the run.
#pragma once

#include "xa_writer.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct TTempDir;

using TBytes = std::vector<std::uint8_t>;

// The converter as built.
extern const std::string kBinary;

struct TFile {
    std::string Name; // relative to the case's directory; may hold subdirectories
    TBytes Bytes;
};

TBytes Concat(std::initializer_list<TBytes> parts);
TBytes Text(std::string_view text);

TXAFields Fields(std::uint32_t compression, std::uint32_t blockSize = 0,
                 std::uint32_t sampleRate = 22050);

// A header with the given tracks' fields, followed by `body`.
TBytes RawXa(TXAFields fields, std::array<std::uint32_t, 2> offsets,
             std::array<std::uint32_t, 2> sizes, const TBytes& body = {});

struct TAdpcm {
    TBytes Bytes;   // the track's blocks
    TBytes Decoded; // what they decode to, as little-endian bytes
};

// `frames` encoded into blocks of `blockSize` bytes.
TAdpcm Adpcm(const std::vector<std::int16_t>& frames, std::int32_t blockSize);

// The WAV file for `payload` at `sampleRate`.
TBytes Wav(const TBytes& payload, std::uint32_t sampleRate = 22050);

// Each line followed by a line end.
std::string Lines(std::initializer_list<std::string_view> lines);

// Track lines of a file whose tracks are both present, only track 0 is, or neither is.
extern const std::string kBoth;
extern const std::string kOnly0;
extern const std::string kNone;

void WriteInputs(const TTempDir& dir, const std::vector<TFile>& inputs);

// The inputs with the outputs laid over them: what the directory must hold after a run.
std::map<std::string, TBytes> Expected(const std::vector<TFile>& inputs,
                                       const std::vector<TFile>& outputs);

// Every file in `dir` is one of `expected`, with exactly its bytes, and none is missing.
void ExpectTree(const TTempDir& dir, const std::map<std::string, TBytes>& expected);
