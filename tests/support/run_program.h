// Running the built converter as a separate process.
#pragma once

#include <string>
#include <vector>

struct TRunResult {
    std::string Output; // everything written to standard output
    int Status = -1;    // exit status, or -1 when it did not exit normally
};

enum class TStdout {
    Capture,    // a pipe that is read to the end
    Full,       // /dev/full: every write fails
    BrokenPipe, // a pipe whose reading end is already closed
    Closed,     // no standard input or output at all
};

// Runs `program` with `args` in directory `cwd`, standard input from /dev/null.
TRunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& cwd, TStdout out = TStdout::Capture);
