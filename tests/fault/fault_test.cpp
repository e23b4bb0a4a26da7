// Runs the converter in this process over a few files while one system call at a time fails, is
// cut short or is interrupted, and checks that the run copes: the right failure line, no
// temporary or partial file, existing outputs untouched or completely replaced, and everything
// else converted exactly as without the fault.

#include "driver/run.h"
#include "fault_syscalls.h"
#include "ima_encoder.h"
#include "synth.h"
#include "temp_dir.h"
#include "xa_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using fault::TMode;
using fault::TOp;

namespace {

using TBytes = std::vector<std::uint8_t>;
using TFiles = std::map<std::string, TBytes>;

const std::string kOld = "a.xa#1.wav"; // an earlier conversion, to be replaced

TFiles Inputs() {
    TXAFields pcm;
    pcm.Compression = 0;
    TXAFields adpcm;
    adpcm.Compression = 1;
    adpcm.BlockSize = 36;
    return {
        {"a.xa", MakeXAFile(pcm, TBytes{1, 2, 3, 4, 5, 6, 7, 8}, TBytes{9, 10, 11, 12})},
        {"b.xa", MakeXAFile(adpcm, EncodeAdpcmTrack(SynthSpeech(200, 22050), 36),
                            EncodeAdpcmTrack(SynthDrums(150, 22050), 36))},
        {"c.xa", TBytes{'h', 'e', 'l', 'l', 'o'}},
        {kOld, TBytes{'o', 'l', 'd'}},
    };
}

std::multiset<std::string> LinesOf(const std::string& text) {
    std::multiset<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.insert(line);
    }
    return lines;
}

// The lines of `faulted` that `baseline` does not have, counted with repetition.
std::vector<std::string> ExtraLines(const std::string& baseline, const std::string& faulted) {
    const auto base = LinesOf(baseline);
    const auto with = LinesOf(faulted);
    std::vector<std::string> extra;
    std::set_difference(with.begin(), with.end(), base.begin(), base.end(),
                        std::back_inserter(extra));
    return extra;
}

// The failure lines that a failing call of each kind may cause.
std::set<std::string> AllowedFailures(TOp op) {
    switch (op) {
    case TOp::Open:
        return {"  not accessible", "      write error"};
    case TOp::Stat:
        return {"  not accessible"};
    case TOp::Read:
        return {"      read error", "  not a valid XA file"};
    case TOp::Write:
    case TOp::Rename:
        return {"      write error"};
    case TOp::Close:
        return {"      write error"}; // an input's close loses nothing and is not reported
    case TOp::OpenDir:
    case TOp::ReadDir:
        return {"No matches for \"*.xa\""};
    default:
        return {};
    }
}

class FaultInjection : public testing::Test {
  protected:
    void SetUp() override {
        saved_ = fs::current_path();
        fs::current_path(dir_.Path);
    }
    void TearDown() override { fs::current_path(saved_); }

    // Lays the inputs out afresh and runs the converter over them.
    int Run() {
        for (const auto& entry : fs::directory_iterator(dir_.Path)) {
            fs::remove_all(entry.path());
        }
        for (const auto& [name, bytes] : Inputs()) {
            WriteBytes(name, bytes);
        }
        const std::string_view spec = "*.xa";
        return RunConverter({&spec, 1});
    }

    TFiles Files() const {
        TFiles files;
        for (const auto& name : ListTree(dir_.Path)) {
            files[name] = ReadBytes(dir_ / name);
        }
        return files;
    }

    TTempDir dir_;
    fs::path saved_;
};

TEST_F(FaultInjection, EveryFailingCallIsReportedAndLosesNothingElse) {
    fault::Reset();
    const int baselineStatus = Run();
    const std::string baseline = fault::Console();
    const TFiles converted = Files();
    std::map<TOp, int> counts;
    for (int op = 0; op < static_cast<int>(TOp::Count); ++op) {
        counts[static_cast<TOp>(op)] = fault::Calls(static_cast<TOp>(op));
    }
    ASSERT_EQ(baselineStatus, 1);    // c.xa is no XA file
    ASSERT_EQ(converted.size(), 7u); // three inputs, the earlier conversion and three new files
    ASSERT_NE(converted.at(kOld), Inputs().at(kOld));
    ASSERT_GT(counts[TOp::Read], 0);
    ASSERT_GT(counts[TOp::Write], 0);
    ASSERT_GT(counts[TOp::Rename], 0);

    int runs = 0;
    for (const auto& [op, count] : counts) {
        for (int nth = 1; nth <= count; ++nth) {
            SCOPED_TRACE(std::string(fault::OpName(op)) + " #" + std::to_string(nth));
            fault::Reset();
            fault::Arm(op, nth, TMode::Fail);
            const int status = Run();
            ++runs;
            ASSERT_TRUE(fault::Fired());
            const std::string console = fault::Console();
            const TFiles files = Files();

            // Nothing but inputs and complete outputs; an output is either the converted file or
            // absent, the earlier conversion either replaced or untouched.
            int lost = 0;
            for (const auto& [name, bytes] : files) {
                EXPECT_TRUE(converted.count(name)) << "unexpected file " << name;
                if (converted.count(name) && bytes != converted.at(name)) {
                    EXPECT_EQ(name, kOld);
                    EXPECT_EQ(bytes, Inputs().at(kOld)) << name;
                    ++lost;
                }
            }
            lost += static_cast<int>(converted.size() - files.size());

            if (op == TOp::Console) {
                EXPECT_EQ(status, 1); // the report is incomplete, the conversions are not
                EXPECT_EQ(baseline.substr(0, console.size()), console);
                EXPECT_EQ(files, converted);
                continue;
            }
            const auto extra = ExtraLines(baseline, console);
            const auto allowed = AllowedFailures(op);
            if (op == TOp::OpenDir || op == TOp::ReadDir) {
                EXPECT_EQ(console, "No matches for \"*.xa\"\n");
                EXPECT_EQ(status, 1);
                continue;
            }
            if (extra.empty()) {
                // A call whose failure changes nothing: closing an input or a directory, or
                // reading the header of c.xa, which is no XA file either way.
                EXPECT_EQ(console, baseline);
                EXPECT_EQ(files, converted);
                EXPECT_TRUE(op == TOp::Close || op == TOp::CloseDir || op == TOp::Read)
                    << fault::OpName(op);
                continue;
            }
            ASSERT_EQ(extra.size(), 1u) << console;
            EXPECT_TRUE(allowed.count(extra[0])) << extra[0];
            EXPECT_EQ(status, 1);
            EXPECT_LE(lost, 2) << console; // one track, or the two tracks of one file
            if (extra[0].rfind("      ", 0) == 0) {
                // A track-level failure: the report is the baseline with that one line added.
                EXPECT_EQ(LinesOf(console).size(), LinesOf(baseline).size() + 1);
                EXPECT_LE(lost, 1);
            }
        }
    }
    EXPECT_GT(runs, 30);
}

TEST_F(FaultInjection, ShortAndInterruptedTransfersAreCompleted) {
    fault::Reset();
    const int baselineStatus = Run();
    const std::string baseline = fault::Console();
    const TFiles converted = Files();
    const std::map<TOp, int> counts = {{TOp::Read, fault::Calls(TOp::Read)},
                                       {TOp::Write, fault::Calls(TOp::Write)},
                                       {TOp::Console, fault::Calls(TOp::Console)}};
    for (const auto& [op, count] : counts) {
        for (const TMode mode : {TMode::Short, TMode::Interrupt}) {
            for (int nth = 1; nth <= count; ++nth) {
                SCOPED_TRACE(std::string(fault::OpName(op)) + " #" + std::to_string(nth) +
                             (mode == TMode::Short ? " short" : " interrupted"));
                fault::Reset();
                fault::Arm(op, nth, mode);
                EXPECT_EQ(Run(), baselineStatus);
                EXPECT_TRUE(fault::Fired());
                EXPECT_EQ(fault::Console(), baseline);
                EXPECT_EQ(Files(), converted);
            }
        }
    }
}

// Ctrl-C while an output is being written, or just before it is renamed into place: the run
// ends by the signal, and neither a temporary file nor a partial WAV file is left behind.
TEST_F(FaultInjection, InterruptedRunRemovesTheFileItWasWriting) {
    for (const TOp op : {TOp::Write, TOp::Rename}) {
        SCOPED_TRACE(fault::OpName(op));
        fault::Reset();
        fault::Arm(op, 2, TMode::Signal); // a.xa's track 1, which replaces an earlier conversion
        EXPECT_EXIT(Run(), testing::KilledBySignal(SIGINT), "");
        TFiles files = Files();
        const TFiles inputs = Inputs();
        EXPECT_EQ(files.at(kOld), inputs.at(kOld));
        files.erase("a.xa#0.wav"); // completed before the interruption
        EXPECT_EQ(files, inputs);
    }
}

} // namespace
