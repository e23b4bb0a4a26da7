// One row per damaged input: every header field at its extremes, tracks overlapping each other
// and the header or ending at and past the end of the file, unusual block sizes and step indexes.
// Each row names the outcome of both tracks; the console text follows from those outcomes, and a
// converted track's WAV file must hold the track's bytes as read from the damaged file.

#include "fixtures.h"
#include "ima_encoder.h"
#include "reference_adpcm.h"
#include "run_program.h"
#include "synth.h"
#include "temp_dir.h"
#include "wav_bytes.h"
#include "xa/byte_order.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

enum class TOutcome { Converted, Absent, ReadError, BadBlockSize };
using enum TOutcome;

struct TRow {
    std::string Title;
    bool Adpcm;          // which base file is damaged
    std::size_t At;      // byte position of the damage
    std::uint32_t Value; // written there, little-endian
    std::size_t Width;   // 4 for a header field, 1 for a single byte
    TOutcome Track[2];   // ignored when the compression is unknown
};

void PrintTo(const TRow& row, std::ostream* os) {
    *os << row.Title;
}

std::uint32_t U32(const TBytes& bytes, std::size_t at) {
    return LoadU32(bytes.data() + at);
}

// ADPCM: track 0 two blocks of 36 bytes at 40, track 1 one block at 112, ending with the file.
// PCM: track 0 eight bytes at 40, track 1 four bytes at 48, ending with the file.
TBytes Base(bool adpcm) {
    if (adpcm) {
        return MakeXAFile(Fields(1, 36), EncodeAdpcmTrack(SynthMelody(58, 22050), 36),
                          EncodeAdpcmTrack(SynthDrums(29, 22050), 36));
    }
    return MakeXAFile(Fields(0), TBytes{1, 2, 3, 4, 5, 6, 7, 8}, TBytes{9, 10, 11, 12});
}

// The samples of a track that is converted, read from the damaged file by its header.
TBytes Payload(const TBytes& file, int track) {
    const std::uint32_t offset = U32(file, 16 + 4 * track);
    const std::uint32_t size = U32(file, 24 + 4 * track);
    if (U32(file, 12) == 0) {
        return TBytes(file.begin() + offset, file.begin() + offset + size / 2 * 2);
    }
    const auto blockSize = static_cast<std::int32_t>(U32(file, 36));
    return PcmBytes(ReferenceDecodeBlocks({file.data() + offset, size}, blockSize));
}

std::vector<TRow> Rows() {
    constexpr std::size_t kReserved1 = 4, kSampleRate = 8, kCompression = 12, kOffset0 = 16,
                          kOffset1 = 20, kSize0 = 24, kSize1 = 28, kReserved2 = 32, kBlockSize = 36;
    struct TField {
        const char* Name;
        std::size_t At;
    };
    struct TExtreme {
        const char* Name;
        std::uint32_t Value;
    };
    const TExtreme extremes[] = {
        {"0", 0}, {"1", 1}, {"Minus1", 0xFFFFFFFF}, {"Max", 0x7FFFFFFF}, {"Min", 0x80000000}};
    // Outcomes by field and extreme, for the ADPCM base and then the PCM base.
    struct TFieldRows {
        TField Field;
        TOutcome Adpcm[5][2];
        TOutcome Pcm[5][2];
    };
    const TOutcome C = Converted, A = Absent, R = ReadError, B = BadBlockSize;
    const TFieldRows fields[] = {
        {{"Reserved1", kReserved1},
         {{C, C}, {C, C}, {C, C}, {C, C}, {C, C}},
         {{C, C}, {C, C}, {C, C}, {C, C}, {C, C}}},
        {{"SampleRate", kSampleRate},
         {{C, C}, {C, C}, {C, C}, {C, C}, {C, C}},
         {{C, C}, {C, C}, {C, C}, {C, C}, {C, C}}},
        // Compression 0 takes ADPCM data as PCM, 1 takes PCM data as ADPCM blocks (whose
        // block size 0 the PCM base has); others are unknown.
        {{"Compression", kCompression}, {{C, C}, {C, C}, {}, {}, {}}, {{C, C}, {B, B}, {}, {}, {}}},
        {{"TrackOffset0", kOffset0},
         {{A, C}, {C, C}, {R, C}, {R, C}, {R, C}},
         {{A, C}, {C, C}, {R, C}, {R, C}, {R, C}}},
        {{"TrackOffset1", kOffset1},
         {{C, A}, {C, C}, {C, R}, {C, R}, {C, R}},
         {{C, A}, {C, C}, {C, R}, {C, R}, {C, R}}},
        {{"TrackSize0", kSize0},
         {{A, C}, {C, C}, {R, C}, {R, C}, {R, C}},
         {{A, C}, {C, C}, {R, C}, {R, C}, {R, C}}},
        {{"TrackSize1", kSize1},
         {{C, A}, {C, C}, {C, R}, {C, R}, {C, R}},
         {{C, A}, {C, C}, {C, R}, {C, R}, {C, R}}},
        {{"Reserved2", kReserved2},
         {{C, C}, {C, C}, {C, C}, {C, C}, {C, C}},
         {{C, C}, {C, C}, {C, C}, {C, C}, {C, C}}},
        // A PCM file never looks at its block size.
        {{"BlockSize", kBlockSize},
         {{B, B}, {B, B}, {B, B}, {B, B}, {B, B}},
         {{C, C}, {C, C}, {C, C}, {C, C}, {C, C}}},
    };
    std::vector<TRow> rows;
    for (const auto& f : fields) {
        for (int e = 0; e < 5; ++e) {
            for (const bool adpcm : {true, false}) {
                const auto& outcome = adpcm ? f.Adpcm[e] : f.Pcm[e];
                rows.push_back(
                    {std::string(adpcm ? "Adpcm" : "Pcm") + f.Field.Name + extremes[e].Name,
                     adpcm,
                     f.Field.At,
                     extremes[e].Value,
                     4,
                     {outcome[0], outcome[1]}});
            }
        }
    }
    // Tracks overlapping each other and the header, ending at and one byte past the file's end.
    rows.push_back({"AdpcmTrack1OverlapsTrack0", true, kOffset1, 40, 4, {C, C}});
    rows.push_back({"AdpcmTrack0OverlapsTheHeader", true, kOffset0, 4, 4, {C, C}});
    rows.push_back({"PcmTrack1OverlapsTheHeader", false, kOffset1, 36, 4, {C, C}});
    rows.push_back({"AdpcmTrack1OnePastTheEnd", true, kSize1, 37, 4, {C, R}});
    rows.push_back({"PcmTrack1OnePastTheEnd", false, kOffset1, 49, 4, {C, R}});
    // Size 5 claims a byte past the end, but only whole values, 4 bytes, are read.
    rows.push_back({"PcmTrack1OddSizeReadsWholeValuesOnly", false, kSize1, 5, 4, {C, C}});
    // Block sizes: one frame a block, one code byte a channel, invalid ones, as large as track 0
    // and larger than either track.
    for (const auto& [name, value, outcome] : {std::tuple{"8", 8u, C},
                                               {"10", 10u, C},
                                               {"7", 7u, B},
                                               {"Minus36", static_cast<std::uint32_t>(-36), B},
                                               {"72", 72u, C},
                                               {"100", 100u, C}}) {
        rows.push_back(
            {std::string("AdpcmBlockSize") + name, true, kBlockSize, value, 4, {outcome, outcome}});
    }
    // Stored step indexes beyond the table, in the first block of track 0, for each channel.
    rows.push_back({"AdpcmStepIndex89", true, 40 + 2, 89, 1, {C, C}});
    rows.push_back({"AdpcmStepIndex255", true, 40 + 6, 255, 1, {C, C}});
    return rows;
}

class BadInputs : public testing::TestWithParam<TRow> {};

TEST_P(BadInputs, EachTrackHasItsOutcome) {
    const TRow& row = GetParam();
    TBytes file = Base(row.Adpcm);
    for (std::size_t i = 0; i < row.Width; ++i) {
        file[row.At + i] = static_cast<std::uint8_t>(row.Value >> (8 * i));
    }
    TTempDir dir;
    WriteInputs(dir, {{"x.xa", file}});

    std::string expected = "x.xa\n";
    int status = 0;
    std::vector<TFile> outputs;
    const std::uint32_t compression = U32(file, 12);
    if (compression > 1) {
        expected += "  unknown compression type " +
                    std::to_string(static_cast<std::int32_t>(compression)) + "\n";
        status = 1;
    } else {
        for (int track = 0; track < 2; ++track) {
            expected += "    track #" + std::to_string(track) + ": ";
            switch (row.Track[track]) {
            case Absent:
                expected += "not present\n";
                break;
            case Converted:
                expected += "present\n";
                outputs.push_back({"x.xa#" + std::to_string(track) + ".wav",
                                   Wav(Payload(file, track), U32(file, 8))});
                break;
            case ReadError:
                expected += "present\n      read error\n";
                status = 1;
                break;
            case BadBlockSize:
                expected += "present\n      invalid block size " +
                            std::to_string(static_cast<std::int32_t>(U32(file, 36))) + "\n";
                status = 1;
                break;
            }
        }
    }
    const TRunResult result = RunProgram(kBinary, {"x.xa"}, dir.Path);
    EXPECT_EQ(result.Output, expected);
    EXPECT_EQ(result.Status, status);
    ExpectTree(dir, Expected({{"x.xa", file}}, outputs));
}

INSTANTIATE_TEST_SUITE_P(Rows, BadInputs, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<TRow>& info) { return info.param.Title; });

} // namespace
