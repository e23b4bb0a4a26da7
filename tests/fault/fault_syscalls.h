// Control of the fault-injecting system calls that the fault tests link in place of the real ones.
// Every call is counted by kind; one chosen call can be made to fail, to do only part of its work,
// or to be interrupted. Writes to standard output are captured instead of written.
#pragma once

#include <string>

namespace fault {

enum class TOp {
    Open,
    Close,
    Stat, // stat, lstat and fstat
    Read,
    Write, // writes to files
    Rename,
    Unlink,
    OpenDir,
    ReadDir,
    CloseDir,
    Console, // writes to standard output
    Count,
};

enum class TMode {
    Fail,      // the call fails with EIO (ENOENT for a look-up) and does nothing
    Short,     // a read or write transfers only part of what was asked; others fail
    Interrupt, // the call fails with EINTR and does nothing
    Signal,    // SIGINT is raised, as if the user pressed Ctrl-C, before the call is made
};

const char* OpName(TOp op);

// Counters to zero, no fault armed, the captured console emptied.
void Reset();
// Arms a fault for the `nth` call (from 1) of `op` after the last Reset.
void Arm(TOp op, int nth, TMode mode);
// How many calls of `op` were made since the last Reset.
int Calls(TOp op);
// Whether the armed fault was reached.
bool Fired();
// Everything the converter wrote to standard output since the last Reset.
const std::string& Console();

} // namespace fault
