#include "fixtures.h"

#include "ima_encoder.h"
#include "temp_dir.h"
#include "wav_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

const std::string kBinary = XACONV_BINARY;

const std::string kBoth = "    track #0: present\n    track #1: present\n";
const std::string kOnly0 = "    track #0: present\n    track #1: not present\n";
const std::string kNone = "    track #0: not present\n    track #1: not present\n";

TBytes Concat(std::initializer_list<TBytes> parts) {
    TBytes out;
    for (const auto& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

TBytes Text(std::string_view text) {
    return TBytes(text.begin(), text.end());
}

TXAFields Fields(std::uint32_t compression, std::uint32_t blockSize, std::uint32_t sampleRate) {
    TXAFields fields;
    fields.Compression = compression;
    fields.BlockSize = blockSize;
    fields.SampleRate = sampleRate;
    return fields;
}

TBytes RawXa(TXAFields fields, std::array<std::uint32_t, 2> offsets,
             std::array<std::uint32_t, 2> sizes, const TBytes& body) {
    fields.TrackOffset = offsets;
    fields.TrackSize = sizes;
    return Concat({XAHeaderBytes(fields), body});
}

TAdpcm Adpcm(const std::vector<std::int16_t>& frames, std::int32_t blockSize) {
    std::vector<std::int16_t> decoded;
    TAdpcm track;
    track.Bytes = EncodeAdpcmTrack(frames, blockSize, &decoded);
    track.Decoded = PcmBytes(decoded);
    return track;
}

TBytes Wav(const TBytes& payload, std::uint32_t sampleRate) {
    return WavBytes(sampleRate, static_cast<std::uint32_t>(payload.size()), payload);
}

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (const auto line : lines) {
        out.append(line);
        out.push_back('\n');
    }
    return out;
}

void WriteInputs(const TTempDir& dir, const std::vector<TFile>& inputs) {
    for (const auto& input : inputs) {
        fs::create_directories(fs::path(dir / input.Name).parent_path());
        WriteBytes(dir / input.Name, input.Bytes);
    }
}

std::map<std::string, TBytes> Expected(const std::vector<TFile>& inputs,
                                       const std::vector<TFile>& outputs) {
    std::map<std::string, TBytes> files;
    for (const auto& file : inputs) {
        files[file.Name] = file.Bytes;
    }
    for (const auto& file : outputs) {
        files[file.Name] = file.Bytes;
    }
    return files;
}

void ExpectTree(const TTempDir& dir, const std::map<std::string, TBytes>& expected) {
    std::set<std::string> names;
    for (const auto& [name, bytes] : expected) {
        names.insert(name);
        for (auto slash = name.find('/'); slash != std::string::npos;
             slash = name.find('/', slash + 1)) {
            names.insert(name.substr(0, slash + 1));
        }
    }
    EXPECT_EQ(ListTree(dir.Path), std::vector<std::string>(names.begin(), names.end()));
    for (const auto& [name, bytes] : expected) {
        if (fs::is_regular_file(dir / name)) {
            EXPECT_EQ(ReadBytes(dir / name), bytes) << name;
        }
    }
}
