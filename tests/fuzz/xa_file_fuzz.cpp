// libFuzzer target: takes its input as one whole XA file, converts it exactly as the converter
// does (header check, both track readers, WAV writer) in a temporary directory, and checks every
// output file against what an independent reading of the input says it must be.

#include "platform/files.h"
#include "reference_adpcm.h"
#include "temp_dir.h"
#include "xa/byte_order.h"
#include "xa/convert_tracks.h"
#include "xa/xa_header.h"
#include "xa_writer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using TBytes = std::vector<std::uint8_t>;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// The track's expected sample bytes, or false when the converter must not write the track.
bool ExpectedPayload(const std::uint8_t* data, std::size_t size, int track, TBytes& payload) {
    const std::uint32_t compression = LoadU32(data + 12);
    const auto offset = static_cast<std::int32_t>(LoadU32(data + 16 + 4 * track));
    const std::uint32_t length = LoadU32(data + 24 + 4 * track);
    const auto blockSize = static_cast<std::int32_t>(LoadU32(data + 36));
    if (compression > 1 || offset == 0 || length == 0 || offset < 0) {
        return false;
    }
    const auto start = static_cast<std::uint64_t>(offset);
    if (compression == 0) {
        const std::uint64_t bytes = length / 2 * 2;
        if (start + bytes > size) {
            return false;
        }
        payload.assign(data + start, data + start + bytes);
        return true;
    }
    const auto signedLength = static_cast<std::int32_t>(length);
    if (blockSize < 8 || blockSize % 2 != 0 || signedLength < 0 || start + length > size) {
        return false;
    }
    payload = PcmBytes(ReferenceDecodeBlocks({data + start, length}, blockSize));
    return true;
}

void CheckWav(const TBytes& wav, const std::uint8_t* data, const TBytes& payload) {
    Check(wav.size() == 44 + payload.size(), "file size is header plus samples");
    Check(std::memcmp(wav.data(), "RIFF", 4) == 0 &&
              std::memcmp(wav.data() + 8, "WAVEfmt ", 8) == 0 &&
              std::memcmp(wav.data() + 36, "data", 4) == 0,
          "chunk ids");
    Check(LoadU32(wav.data() + 4) == payload.size() + 36, "RIFF size");
    Check(LoadU32(wav.data() + 16) == 16 && LoadU32(wav.data() + 20) == (1u | 2u << 16),
          "format chunk");
    Check(LoadU32(wav.data() + 24) == LoadU32(data + 8), "sample rate");
    Check(LoadU32(wav.data() + 28) == LoadU32(data + 8) * 4, "byte rate");
    Check(LoadU32(wav.data() + 32) == (4u | 16u << 16), "block align and bits");
    Check(LoadU32(wav.data() + 40) == payload.size(), "data size");
    Check(std::equal(payload.begin(), payload.end(), wav.begin() + 44), "samples");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TTempDir* dir = new TTempDir(); // lives for the whole fuzzing run
    const std::string path = *dir / "in.xa";
    const std::string outputs[2] = {path + "#0.wav", path + "#1.wav"};
    for (const auto& output : outputs) {
        std::remove(output.c_str());
    }
    WriteBytes(path, TBytes(data, data + size));

    TInputFile file;
    Check(OpenInput(file, path), "opening the input");
    TXAHeader header;
    const bool valid = ReadXAHeader(file, header);
    Check(valid == (size >= 40 && (std::memcmp(data, "XA30", 4) == 0 ||
                                   std::memcmp(data, "\x65\x34\x78\x92", 4) == 0)),
          "header check");
    if (valid) {
        ConvertTracks(file, path, header);
        for (int track = 0; track < 2; ++track) {
            TBytes payload;
            const bool expected = ExpectedPayload(data, size, track, payload);
            const bool written = fs::exists(outputs[track]);
            Check(written == expected, "an output exactly where one is due");
            if (written) {
                CheckWav(ReadBytes(outputs[track]), data, payload);
            }
        }
    }
    CloseInput(file);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir->Path)) {
        ++entries;
    }
    Check(entries <= 3, "no temporary file left behind");
    return 0;
}
