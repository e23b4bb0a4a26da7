#include "fault_syscalls.h"

#include "platform/posix/syscalls.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace fault {
namespace {

std::array<int, static_cast<std::size_t>(TOp::Count)> calls{};
TOp armedOp = TOp::Count;
int armedNth = 0;
TMode armedMode = TMode::Fail;
bool fired = false;
std::string console;

// Counts a call of `op`; true when this is the call to tamper with.
bool Hit(TOp op) {
    const int n = ++calls[static_cast<std::size_t>(op)];
    if (op == armedOp && n == armedNth) {
        fired = true;
        if (armedMode == TMode::Signal) {
            std::raise(SIGINT);
            return false; // if the process lives on, the call goes ahead
        }
        return true;
    }
    return false;
}

// For a call that was hit and cannot be shortened: sets errno and tells the caller to fail.
int FailWith(int error) {
    errno = armedMode == TMode::Interrupt ? EINTR : error;
    return -1;
}

} // namespace

const char* OpName(TOp op) {
    static constexpr const char* kNames[] = {"open",    "close",    "stat",   "read",
                                             "write",   "rename",   "unlink", "opendir",
                                             "readdir", "closedir", "console"};
    return kNames[static_cast<std::size_t>(op)];
}

void Reset() {
    calls.fill(0);
    armedOp = TOp::Count;
    armedNth = 0;
    fired = false;
    console.clear();
}

void Arm(TOp op, int nth, TMode mode) {
    armedOp = op;
    armedNth = nth;
    armedMode = mode;
}

int Calls(TOp op) {
    return calls[static_cast<std::size_t>(op)];
}
bool Fired() {
    return fired;
}
const std::string& Console() {
    return console;
}

} // namespace fault

using fault::FailWith;
using fault::Hit;
using fault::TMode;
using fault::TOp;

namespace sys {

int Open(const char* path, int flags, mode_t mode) {
    return Hit(TOp::Open) ? FailWith(EIO) : ::open(path, flags, mode);
}

int Close(int fd) {
    if (Hit(TOp::Close)) {
        ::close(fd); // as on Linux: the descriptor is gone even when close reports a failure
        return FailWith(EIO);
    }
    return ::close(fd);
}

int Fstat(int fd, struct stat* info) {
    return Hit(TOp::Stat) ? FailWith(EIO) : ::fstat(fd, info);
}

int Stat(const char* path, struct stat* info) {
    return Hit(TOp::Stat) ? FailWith(ENOENT) : ::stat(path, info);
}

int Lstat(const char* path, struct stat* info) {
    return Hit(TOp::Stat) ? FailWith(ENOENT) : ::lstat(path, info);
}

ssize_t Pread(int fd, void* buffer, size_t count, off_t offset) {
    if (Hit(TOp::Read)) {
        if (fault::armedMode != TMode::Short || count < 2) {
            return FailWith(EIO);
        }
        count /= 2;
    }
    return ::pread(fd, buffer, count, offset);
}

ssize_t Write(int fd, const void* buffer, size_t count) {
    const bool toConsole = fd == STDOUT_FILENO;
    if (Hit(toConsole ? TOp::Console : TOp::Write)) {
        if (fault::armedMode != TMode::Short || count < 2) {
            return FailWith(EIO);
        }
        count /= 2;
    }
    if (toConsole) {
        fault::console.append(static_cast<const char*>(buffer), count);
        return static_cast<ssize_t>(count);
    }
    return ::write(fd, buffer, count);
}

ssize_t Writev(int fd, const struct iovec* parts, int count) {
    if (Hit(TOp::Write)) {
        if (fault::armedMode != TMode::Short || count == 0 || parts[0].iov_len < 2) {
            return FailWith(EIO);
        }
        return ::write(fd, parts[0].iov_base, parts[0].iov_len / 2);
    }
    return ::writev(fd, parts, count);
}

int Rename(const char* from, const char* to) {
    return Hit(TOp::Rename) ? FailWith(EIO) : ::rename(from, to);
}

int Unlink(const char* path) {
    return Hit(TOp::Unlink) ? FailWith(EIO) : ::unlink(path);
}

DIR* OpenDir(const char* path) {
    if (Hit(TOp::OpenDir)) {
        FailWith(EIO);
        return nullptr;
    }
    return ::opendir(path);
}

struct dirent* ReadDir(DIR* dir) {
    if (Hit(TOp::ReadDir)) {
        FailWith(EIO);
        return nullptr;
    }
    errno = 0;
    return ::readdir(dir);
}

int CloseDir(DIR* dir) {
    if (Hit(TOp::CloseDir)) {
        ::closedir(dir);
        return FailWith(EIO);
    }
    return ::closedir(dir);
}

} // namespace sys
