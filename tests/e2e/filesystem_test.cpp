// End-to-end cases that need more than plain files: links, FIFOs, sockets, permissions, output
// names the system refuses, huge sparse inputs, and a standard output that cannot be written.

#include "fixtures.h"
#include "ima_encoder.h"
#include "reference_adpcm.h"
#include "run_program.h"
#include "synth.h"
#include "temp_dir.h"
#include "wav_bytes.h"
#include "xa_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const TBytes kPcm = {1, 2, 3, 4, 5, 6, 7, 8};
const TBytes kPcm2 = {9, 10, 11, 12};

TBytes PcmFile() {
    return MakeXAFile(Fields(0), kPcm, {});
}

void MakeSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// A file of `size` bytes that starts with `header` and is a hole after it.
void MakeSparse(const std::string& path, const TBytes& header, std::uint64_t size) {
    WriteBytes(path, header);
    fs::resize_file(path, size);
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

} // namespace

TEST(SpecialEntries, OnlyRegularFilesAreOpenedAndDirectoriesAreNeverMatched) {
    TTempDir dir;
    WriteInputs(dir, {{"a.xa", PcmFile()}, {"sub/x", Text("")}});
    fs::create_symlink("a.xa", dir / "b.xa");             // a link to a file is converted
    fs::create_symlink("missing", dir / "c.xa");          // a dangling link cannot be opened
    fs::create_directory_symlink("sub", dir / "d.xa");    // a link to a directory is skipped
    ASSERT_EQ(::mkfifo((dir / "e.xa").c_str(), 0644), 0); // must not block the run
    MakeSocket(dir / "f.xa");
    fs::create_directory(dir / "g.xa");

    const TRunResult result = RunProgram(kBinary, {"*.xa"}, dir.Path);
    EXPECT_EQ(result.Output, "a.xa\n" + kOnly0 + "b.xa\n" + kOnly0 +
                                 "c.xa\n  not accessible\ne.xa\n  not accessible\n"
                                 "f.xa\n  not accessible\n");
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(ReadBytes(dir / "a.xa#0.wav"), Wav(kPcm));
    EXPECT_EQ(ReadBytes(dir / "b.xa#0.wav"), Wav(kPcm));
    EXPECT_EQ(ListTree(dir.Path),
              (std::vector<std::string>{"a.xa", "a.xa#0.wav", "b.xa", "b.xa#0.wav", "c.xa", "d.xa",
                                        "e.xa", "f.xa", "g.xa/", "sub/", "sub/x"}));
}

TEST(SpecialEntries, ReadOnlyInputIsConverted) {
    TTempDir dir;
    WriteInputs(dir, {{"a.xa", PcmFile()}});
    fs::permissions(dir / "a.xa", fs::perms::owner_read | fs::perms::group_read);
    const TRunResult result = RunProgram(kBinary, {"a.xa"}, dir.Path);
    EXPECT_EQ(result.Output, "a.xa\n" + kOnly0);
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(ReadBytes(dir / "a.xa#0.wav"), Wav(kPcm));
}

TEST(SpecialEntries, AbsolutePatternPrintsAbsolutePaths) {
    TTempDir dir;
    WriteInputs(dir, {{"snd/a.xa", PcmFile()}});
    const std::string spec = dir.Path + "/snd/*.xa";
    const TRunResult result = RunProgram(kBinary, {spec}, "/");
    EXPECT_EQ(result.Output, dir.Path + "/snd/a.xa\n" + kOnly0);
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(ReadBytes(dir / "snd/a.xa#0.wav"), Wav(kPcm));
}

TEST(OutputFiles, UnwritableOutputNameFailsThatTrackOnly) {
    TTempDir dir;
    WriteInputs(dir,
                {{"a.xa", MakeXAFile(Fields(0), kPcm, kPcm2)}, {"a.xa#0.wav/keep", Text("k")}});
    const TRunResult result = RunProgram(kBinary, {"a.xa"}, dir.Path);
    EXPECT_EQ(result.Output, Lines({"a.xa", "    track #0: present", "      write error",
                                    "    track #1: present"}));
    EXPECT_EQ(result.Status, 1);
    ExpectTree(dir, {{"a.xa", MakeXAFile(Fields(0), kPcm, kPcm2)},
                     {"a.xa#0.wav/keep", Text("k")},
                     {"a.xa#1.wav", Wav(kPcm2)}});
}

TEST(OutputFiles, NameTooLongForTheFileSystemIsAWriteError) {
    TTempDir dir;
    const std::string longest(249, 'n'); // with "#0.wav" exactly 255 bytes, the limit
    const std::string tooLong(250, 'n');
    WriteInputs(dir, {{longest, PcmFile()}, {tooLong, PcmFile()}});
    const TRunResult result = RunProgram(kBinary, {"n*"}, dir.Path);
    EXPECT_EQ(result.Output, longest + "\n" + kOnly0 + tooLong +
                                 "\n    track #0: present\n      write error\n" +
                                 "    track #1: not present\n");
    EXPECT_EQ(result.Status, 1);
    ExpectTree(dir, {{longest, PcmFile()}, {tooLong, PcmFile()}, {longest + "#0.wav", Wav(kPcm)}});
}

TEST(OutputFiles, PermissionsAreThoseOfANewFile) {
    TTempDir dir;
    WriteInputs(dir, {{"a.xa", MakeXAFile(Fields(0), kPcm, kPcm2)}, {"a.xa#1.wav", Text("old")}});
    fs::permissions(dir / "a.xa#1.wav", fs::perms::owner_read | fs::perms::owner_write);
    const mode_t saved = ::umask(027);
    const TRunResult result = RunProgram(kBinary, {"a.xa"}, dir.Path);
    ::umask(saved);
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(ModeOf(dir / "a.xa#0.wav"), 0640u);
    EXPECT_EQ(ModeOf(dir / "a.xa#1.wav"), 0640u);
    EXPECT_EQ(ReadBytes(dir / "a.xa#1.wav"), Wav(kPcm2));
}

TEST(OutputFiles, OutputTooLargeForAWavFileIsRefusedBeforeReading) {
    TTempDir dir;
    // ADPCM: 557056 blocks of 2048 bytes would decode to 4547 MB; uncompressed: 4294967294 bytes.
    MakeSparse(dir / "a.xa", RawXa(Fields(1, 2048), {40, 0}, {0x44000000, 0}), 40 + 0x44000000ull);
    MakeSparse(dir / "b.xa", RawXa(Fields(0), {40, 0}, {0xFFFFFFFE, 0}), 40 + 0xFFFFFFFEull);
    const TRunResult result = RunProgram(kBinary, {"*.xa"}, dir.Path);
    EXPECT_EQ(result.Output, Lines({"a.xa", "    track #0: present", "      write error",
                                    "    track #1: not present", "b.xa", "    track #0: present",
                                    "      write error", "    track #1: not present"}));
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(ListTree(dir.Path), (std::vector<std::string>{"a.xa", "b.xa"}));
}

TEST(OutputFiles, LargeTracksAreConvertedLikeSmallOnes) {
    // Tracks of several MiB are held in memory obtained differently from small ones.
    std::mt19937 random(7);
    TBytes adpcm(1600 * 2048);
    for (auto& byte : adpcm) {
        byte = static_cast<std::uint8_t>(random());
    }
    TBytes pcm(adpcm.begin(), adpcm.begin() + 3 * 1024 * 1024);
    TTempDir dir;
    WriteInputs(dir, {{"a.xa", MakeXAFile(Fields(1, 2048), adpcm, {})},
                      {"b.xa", MakeXAFile(Fields(0), pcm, {})}});
    const TRunResult result = RunProgram(kBinary, {"*.xa"}, dir.Path);
    EXPECT_EQ(result.Output, "a.xa\n" + kOnly0 + "b.xa\n" + kOnly0);
    EXPECT_EQ(result.Status, 0);
    EXPECT_TRUE(ReadBytes(dir / "a.xa#0.wav") == Wav(PcmBytes(ReferenceDecodeBlocks(adpcm, 2048))));
    EXPECT_TRUE(ReadBytes(dir / "b.xa#0.wav") == Wav(pcm));
}

TEST(Console, UnwritableStandardOutputFailsTheRunButNotTheConversions) {
    for (const TStdout out : {TStdout::Full, TStdout::BrokenPipe, TStdout::Closed}) {
        TTempDir dir;
        WriteInputs(dir, {{"a.xa", MakeXAFile(Fields(0), kPcm, kPcm2)}, {"b.xa", PcmFile()}});
        const TRunResult result = RunProgram(kBinary, {"*.xa"}, dir.Path, out);
        EXPECT_EQ(result.Status, 1);
        ExpectTree(dir, {{"a.xa", MakeXAFile(Fields(0), kPcm, kPcm2)},
                         {"b.xa", PcmFile()},
                         {"a.xa#0.wav", Wav(kPcm)},
                         {"a.xa#1.wav", Wav(kPcm2)},
                         {"b.xa#0.wav", Wav(kPcm)}});
    }
}

TEST(Examples, BundledExamplesConvertToTheirSynthesisedSignals) {
    TTempDir dir;
    for (const char* name : {"tones.xa", "rhythm.xa"}) {
        fs::copy_file(fs::path(XACONV_EXAMPLES) / name, dir / name);
    }
    const TRunResult result = RunProgram(kBinary, {"*.xa"}, dir.Path);
    EXPECT_EQ(result.Output, "rhythm.xa\n" + kBoth + "tones.xa\n" + kBoth);
    EXPECT_EQ(result.Status, 0);

    // The same signals the generator makes, decoded as the encoder reconstructs them.
    constexpr std::size_t kFrames = 5512;
    EXPECT_EQ(ReadBytes(dir / "tones.xa#0.wav"), Wav(PcmBytes(SynthMelody(kFrames, 11025)), 11025));
    EXPECT_EQ(ReadBytes(dir / "tones.xa#1.wav"), Wav(PcmBytes(SynthSweep(kFrames, 11025)), 11025));
    EXPECT_EQ(ReadBytes(dir / "rhythm.xa#0.wav"),
              Wav(Adpcm(SynthSpeech(4 * kFrames, 11025), 512).Decoded, 11025));
    EXPECT_EQ(ReadBytes(dir / "rhythm.xa#1.wav"),
              Wav(Adpcm(SynthDrums(4 * kFrames, 11025), 512).Decoded, 11025));
}
