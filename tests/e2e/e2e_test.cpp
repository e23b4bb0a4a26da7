// Runs the built converter in a fresh directory and compares its console text, its exit status
// and every file in the directory afterwards, byte for byte.

#include "fixtures.h"
#include "run_program.h"
#include "synth.h"
#include "temp_dir.h"
#include "wav_bytes.h"
#include "xa_writer.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct TCase {
    std::string Title;
    std::vector<TFile> Inputs;
    std::vector<std::string> Args;
    std::string Output;
    int Status = 0;
    std::vector<TFile> Outputs; // files that the run adds or replaces
};

void PrintTo(const TCase& c, std::ostream* os) {
    *os << c.Title;
}

std::vector<TCase> Cases() {
    std::vector<TCase> cases;
    const auto melody = SynthMelody(58, 22050);
    const auto pcm = PcmBytes(SynthSweep(6, 22050));     // 24 bytes
    const auto pcm2 = PcmBytes(SynthMelody(5, 22050));   // 20 bytes
    const auto pcmFile = MakeXAFile(Fields(0), pcm, {}); // track 0 only

    {
        // The road of one file: 2 blocks of 36 bytes, 58 values each.
        const auto track = Adpcm(melody, 36);
        EXPECT_EQ(track.Bytes.size(), 72u);
        const auto wav = Wav(track.Decoded);
        EXPECT_EQ(wav.size(), 276u);
        cases.push_back({"RoadOfOneFile",
                         {{"snd/intro.xa", MakeXAFile(Fields(1, 36), track.Bytes, {})}},
                         {"snd/*.xa"},
                         "snd/intro.xa\n" + kOnly0,
                         0,
                         {{"snd/intro.xa#0.wav", wav}}});
    }
    cases.push_back({"XaFileAndTextFile",
                     {{"snd/intro.xa", pcmFile}, {"snd/readme.txt", Text("hello\n")}},
                     {"snd/*"},
                     "snd/intro.xa\n" + kOnly0 + "snd/readme.txt\n  not a valid XA file\n",
                     1,
                     {{"snd/intro.xa#0.wav", Wav(pcm)}}});
    {
        const auto a = Adpcm(SynthSpeech(900, 11025), 512);
        const auto b = Adpcm(SynthDrums(700, 11025), 512);
        cases.push_back(
            {"AdpcmBothTracks",
             {{"two.xa", MakeXAFile(Fields(1, 512, 11025), a.Bytes, b.Bytes)}},
             {"two.xa"},
             "two.xa\n" + kBoth,
             0,
             {{"two.xa#0.wav", Wav(a.Decoded, 11025)}, {"two.xa#1.wav", Wav(b.Decoded, 11025)}}});
    }
    cases.push_back(
        {"NoArgument", {{"a.xa", pcmFile}}, {}, "Incorrect number of parameters.\n", 2, {}});
    cases.push_back(
        {"NoMatch", {{"a.xa", pcmFile}}, {"*.wav"}, "No matches for \"*.wav\"\n", 1, {}});
    cases.push_back({"EmptyPattern", {}, {""}, "No matches for \"\"\n", 1, {}});
    cases.push_back({"DirectoryWithoutName",
                     {{"snd/a.xa", pcmFile}},
                     {"snd/"},
                     "No matches for \"snd/\"\n",
                     1,
                     {}});
    cases.push_back(
        {"MissingDirectory", {}, {"nodir/*.xa"}, "No matches for \"nodir/*.xa\"\n", 1, {}});
    cases.push_back({"WildcardInDirectoryPartIsLiteral",
                     {{"snd/a.xa", pcmFile}},
                     {"s*/a.xa"},
                     "No matches for \"s*/a.xa\"\n",
                     1,
                     {}});
    cases.push_back({"OnlyMatchIsADirectory",
                     {{"d.xa/inner", Text("x")}},
                     {"*.xa"},
                     "No matches for \"*.xa\"\n",
                     1,
                     {}});
    cases.push_back(
        {"BareNamesInByteOrder",
         {{"b.xa", pcmFile},
          {"B.xa", pcmFile},
          {".hidden.xa", pcmFile},
          {"_.xa", pcmFile},
          {"c.txt", Text("not matched")},
          {"sub.xa/x", Text("")}},
         {"*.xa"},
         ".hidden.xa\n" + kOnly0 + "B.xa\n" + kOnly0 + "_.xa\n" + kOnly0 + "b.xa\n" + kOnly0,
         0,
         {{".hidden.xa#0.wav", Wav(pcm)},
          {"B.xa#0.wav", Wav(pcm)},
          {"_.xa#0.wav", Wav(pcm)},
          {"b.xa#0.wav", Wav(pcm)}}});
    cases.push_back({"QuestionMarkMatchesOneCharacter",
                     {{"a1.xa", pcmFile}, {"a22.xa", pcmFile}},
                     {"a?.xa"},
                     "a1.xa\n" + kOnly0,
                     0,
                     {{"a1.xa#0.wav", Wav(pcm)}}});
    cases.push_back({"PlainNameHandlesThatFileOnly",
                     {{"a.xa", pcmFile}, {"b.xa", pcmFile}},
                     {"b.xa"},
                     "b.xa\n" + kOnly0,
                     0,
                     {{"b.xa#0.wav", Wav(pcm)}}});
    cases.push_back({"EveryArgumentIsAPattern",
                     {{"a.xa", pcmFile}, {"snd/b.xa", pcmFile}},
                     {"a.xa", "missing*.xa", "snd/*.xa"},
                     "a.xa\n" + kOnly0 + "No matches for \"missing*.xa\"\nsnd/b.xa\n" + kOnly0,
                     1,
                     {{"a.xa#0.wav", Wav(pcm)}, {"snd/b.xa#0.wav", Wav(pcm)}}});
    {
        // Every length from 0 to 40 bytes of a header that starts with the mark.
        TCase c{"TruncatedHeaders", {}, {"len*"}, "", 1, {}};
        const auto header = RawXa(Fields(0), {0, 0}, {0, 0});
        for (std::size_t length = 0; length <= 40; ++length) {
            const std::string name =
                "len" + std::string(length < 10 ? "0" : "") + std::to_string(length);
            c.Inputs.push_back(
                {name, TBytes(header.begin(), header.begin() + static_cast<long>(length))});
            c.Output += name + "\n" + (length < 40 ? "  not a valid XA file\n" : kNone);
        }
        cases.push_back(c);
    }
    {
        TXAFields binary = Fields(0);
        binary.Magic = {0x65, 0x34, 0x78, 0x92};
        TXAFields lower = Fields(0);
        lower.Magic = {'x', 'a', '3', '0'};
        TXAFields riff = Fields(0);
        riff.Magic = {'R', 'I', 'F', 'F'};
        cases.push_back(
            {"Marks",
             {{"1.xa", MakeXAFile(binary, pcm, pcm2)},
              {"2.xa", MakeXAFile(lower, pcm, pcm2)},
              {"3.xa", MakeXAFile(riff, pcm, pcm2)}},
             {"*.xa"},
             "1.xa\n" + kBoth + "2.xa\n  not a valid XA file\n3.xa\n  not a valid XA file\n",
             1,
             {{"1.xa#0.wav", Wav(pcm)}, {"1.xa#1.wav", Wav(pcm2)}}});
    }
    cases.push_back(
        {"UnknownCompression",
         {{"a.xa", MakeXAFile(Fields(2), pcm, pcm2)},
          {"b.xa", MakeXAFile(Fields(0xFFFFFFFF), pcm, pcm2)},
          {"c.xa", MakeXAFile(Fields(0x80000000), pcm, {})},
          {"d.xa", MakeXAFile(Fields(0x7FFFFFFF), {}, {})}},
         {"*.xa"},
         Lines({"a.xa", "  unknown compression type 2", "b.xa", "  unknown compression type -1",
                "c.xa", "  unknown compression type -2147483648", "d.xa",
                "  unknown compression type 2147483647"}),
         1,
         {}});
    cases.push_back({"TracksPresentOnlyWithOffsetAndSize",
                     {{"a.xa", RawXa(Fields(0), {0, 40}, {4, 0}, {1, 2, 3, 4})},
                      {"b.xa", RawXa(Fields(1, 0), {0, 0}, {0, 0})}},
                     {"*.xa"},
                     "a.xa\n" + kNone + "b.xa\n" + kNone,
                     0,
                     {}});
    cases.push_back({"OnlyTrack1",
                     {{"a.xa", MakeXAFile(Fields(0), {}, pcm2)}},
                     {"a.xa"},
                     "a.xa\n    track #0: not present\n    track #1: present\n",
                     0,
                     {{"a.xa#1.wav", Wav(pcm2)}}});
    cases.push_back({"FourBytePcmTrack",
                     {{"a.xa", RawXa(Fields(0, 0, 44100), {40, 0}, {4, 0}, {1, 0x80, 0xFF, 0x7F})}},
                     {"a.xa"},
                     "a.xa\n" + kOnly0,
                     0,
                     {{"a.xa#0.wav", WavBytes(44100, 4, TBytes{1, 0x80, 0xFF, 0x7F})}}});
    cases.push_back({"OddPcmSizeStatesTheBytesWritten",
                     {{"a.xa", RawXa(Fields(0), {40, 0}, {5, 0}, {1, 2, 3, 4, 5})},
                      {"b.xa", RawXa(Fields(0), {40, 0}, {1, 0}, {9})}},
                     {"*.xa"},
                     "a.xa\n" + kOnly0 + "b.xa\n" + kOnly0,
                     0,
                     {{"a.xa#0.wav", WavBytes(22050, 4, TBytes{1, 2, 3, 4})},
                      {"b.xa#0.wav", WavBytes(22050, 0, {})}}});
    cases.push_back({"TrackBoundsAgainstTheFile",
                     {{"exact.xa", RawXa(Fields(0), {40, 0}, {4, 0}, {1, 2, 3, 4})},
                      {"onepast.xa", RawXa(Fields(0), {40, 0}, {6, 0}, {1, 2, 3, 4, 5})},
                      {"partly.xa", RawXa(Fields(0), {42, 40}, {4, 2}, {1, 2, 3, 4})},
                      {"beyond.xa", RawXa(Fields(0), {1000, 0}, {4, 0}, {1, 2, 3, 4})},
                      {"negative.xa", RawXa(Fields(0), {0xFFFFFFF0, 0}, {4, 0}, {1, 2, 3, 4})},
                      {"huge.xa", RawXa(Fields(0), {40, 0}, {0xFFFFFFFF, 0}, {1, 2, 3, 4})}},
                     {"*.xa"},
                     Lines({"beyond.xa",
                            "    track #0: present",
                            "      read error",
                            "    track #1: not present",
                            "exact.xa",
                            "    track #0: present",
                            "    track #1: not present",
                            "huge.xa",
                            "    track #0: present",
                            "      read error",
                            "    track #1: not present",
                            "negative.xa",
                            "    track #0: present",
                            "      read error",
                            "    track #1: not present",
                            "onepast.xa",
                            "    track #0: present",
                            "      read error",
                            "    track #1: not present",
                            "partly.xa",
                            "    track #0: present",
                            "      read error",
                            "    track #1: present"}),
                     1,
                     {{"exact.xa#0.wav", WavBytes(22050, 4, TBytes{1, 2, 3, 4})},
                      {"partly.xa#1.wav", WavBytes(22050, 2, TBytes{1, 2})}}});
    cases.push_back({"FailedTrackLeavesExistingOutputAlone",
                     {{"a.xa", RawXa(Fields(0), {40, 0}, {8, 0}, {1, 2, 3, 4})},
                      {"a.xa#0.wav", Text("an older conversion")}},
                     {"a.xa"},
                     "a.xa\n    track #0: present\n      read error\n    track #1: not present\n",
                     1,
                     {}});
    cases.push_back({"ExistingOutputIsReplaced",
                     {{"a.xa", pcmFile}, {"a.xa#0.wav", Text("an older conversion")}},
                     {"a.xa"},
                     "a.xa\n" + kOnly0,
                     0,
                     {{"a.xa#0.wav", Wav(pcm)}}});
    cases.push_back({"EarlierOutputsThatMatchAreNotXaFiles",
                     {{"a.xa", pcmFile}, {"a.xa#0.wav", Wav(pcm)}},
                     {"*"},
                     "a.xa\n" + kOnly0 + "a.xa#0.wav\n  not a valid XA file\n",
                     1,
                     {{"a.xa#0.wav", Wav(pcm)}}});
    {
        // Both tracks are the 12 bytes from offset 4, which lie inside the header itself.
        const auto file = RawXa(Fields(0), {4, 4}, {12, 12});
        const TBytes inside(file.begin() + 4, file.begin() + 16);
        cases.push_back({"TracksMayOverlapEachOtherAndTheHeader",
                         {{"a.xa", file}},
                         {"a.xa"},
                         "a.xa\n" + kBoth,
                         0,
                         {{"a.xa#0.wav", Wav(inside)}, {"a.xa#1.wav", Wav(inside)}}});
    }
    {
        const auto track = Adpcm(melody, 36);
        cases.push_back(
            {"InvalidBlockSizes",
             {{"a.xa", MakeXAFile(Fields(1, 0), track.Bytes, track.Bytes)},
              {"b.xa", MakeXAFile(Fields(1, 7), track.Bytes, {})},
              {"c.xa", MakeXAFile(Fields(1, static_cast<std::uint32_t>(-36)), {}, track.Bytes)},
              {"d.xa", MakeXAFile(Fields(1, 6), track.Bytes, {})},
              {"e.xa", MakeXAFile(Fields(1, 37), track.Bytes, {})},
              {"f.xa", MakeXAFile(Fields(1, 0x80000000), track.Bytes, {})}},
             {"*.xa"},
             Lines({"a.xa",
                    "    track #0: present",
                    "      invalid block size 0",
                    "    track #1: present",
                    "      invalid block size 0",
                    "b.xa",
                    "    track #0: present",
                    "      invalid block size 7",
                    "    track #1: not present",
                    "c.xa",
                    "    track #0: not present",
                    "    track #1: present",
                    "      invalid block size -36",
                    "d.xa",
                    "    track #0: present",
                    "      invalid block size 6",
                    "    track #1: not present",
                    "e.xa",
                    "    track #0: present",
                    "      invalid block size 37",
                    "    track #1: not present",
                    "f.xa",
                    "    track #0: present",
                    "      invalid block size -2147483648",
                    "    track #1: not present"}),
             1,
             {}});
    }
    {
        const auto eight = Adpcm(melody, 8); // one frame a block
        const auto big = Adpcm(melody, 36);  // 72 bytes, smaller than a 100-byte block
        const auto three = Adpcm(SynthMelody(29 * 3, 22050), 36);
        TBytes twoAndAHalf(three.Bytes.begin(), three.Bytes.begin() + 36 * 2 + 18);
        TBytes twoDecoded(three.Decoded.begin(), three.Decoded.begin() + 2 * 58 * 2);
        cases.push_back({"AdpcmBlockCounts",
                         {{"a.xa", MakeXAFile(Fields(1, 8), eight.Bytes, {})},
                          {"b.xa", MakeXAFile(Fields(1, 100), big.Bytes, {})},
                          {"c.xa", MakeXAFile(Fields(1, 36), twoAndAHalf, {})}},
                         {"*.xa"},
                         "a.xa\n" + kOnly0 + "b.xa\n" + kOnly0 + "c.xa\n" + kOnly0,
                         0,
                         {{"a.xa#0.wav", Wav(eight.Decoded)},
                          {"b.xa#0.wav", Wav({})},
                          {"c.xa#0.wav", Wav(twoDecoded)}}});
        TBytes negative = MakeXAFile(Fields(1, 36), big.Bytes, {});
        negative[24] = 0x00; // TrackSize[0] := 0x80000000
        negative[25] = 0x00;
        negative[26] = 0x00;
        negative[27] = 0x80;
        cases.push_back(
            {"AdpcmNegativeTrackSize",
             {{"a.xa", negative}},
             {"a.xa"},
             "a.xa\n    track #0: present\n      read error\n    track #1: not present\n",
             1,
             {}});
    }
    {
        // A failed track in one file does not change the header of the next file's track.
        const auto track = Adpcm(melody, 36);
        cases.push_back({"FailureThenSuccess",
                         {{"a.xa", RawXa(Fields(0, 0, 8000), {40, 0}, {400, 0}, {1, 2})},
                          {"b.xa", MakeXAFile(Fields(1, 36, 48000), track.Bytes, {})}},
                         {"a.xa", "b.xa"},
                         "a.xa\n    track #0: present\n      read error\n    track #1: not "
                         "present\nb.xa\n" +
                             kOnly0,
                         1,
                         {{"b.xa#0.wav", Wav(track.Decoded, 48000)}}});
    }
    return cases;
}

class Conversion : public testing::TestWithParam<TCase> {};

TEST_P(Conversion, ConsoleStatusAndFilesAreExact) {
    const TCase& c = GetParam();
    TTempDir dir;
    WriteInputs(dir, c.Inputs);
    const TRunResult result = RunProgram(kBinary, c.Args, dir.Path);
    EXPECT_EQ(result.Output, c.Output);
    EXPECT_EQ(result.Status, c.Status);
    ExpectTree(dir, Expected(c.Inputs, c.Outputs));
}

INSTANTIATE_TEST_SUITE_P(Cases, Conversion, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<TCase>& info) {
                             return info.param.Title;
                         });

} // namespace
