#include "platform/files.h"

#include "platform/posix/syscalls.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace {

// The kernel transfers at most this much in one call; larger requests are split.
constexpr std::size_t kMaxTransfer = 1u << 30;

std::string_view DirectoryOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

// The temporary file being written, so that a run ended by a signal removes it. At most one
// output is open at a time.
char pendingTemp[PATH_MAX];
volatile std::sig_atomic_t havePendingTemp = 0;

extern "C" void RemovePendingTemp(int signal) {
    if (havePendingTemp != 0) {
        sys::Unlink(pendingTemp);
    }
    std::raise(signal); // the handler was reset on entry: the signal now ends the process
}

// Installs RemovePendingTemp for the signals that end a run from outside, unless they are ignored.
void WatchEndingSignals() {
    static bool watching = false;
    if (watching) {
        return;
    }
    watching = true;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction action {};
        if (::sigaction(signal, nullptr, &action) == 0 && action.sa_handler != SIG_IGN) {
            action.sa_handler = RemovePendingTemp;
            action.sa_flags = SA_RESETHAND;
            sigemptyset(&action.sa_mask);
            ::sigaction(signal, &action, nullptr);
        }
    }
}

void SetPendingTemp(const std::string& path) {
    havePendingTemp = 0;
    if (path.size() < sizeof pendingTemp) {
        std::memcpy(pendingTemp, path.c_str(), path.size() + 1);
        havePendingTemp = 1;
    }
}

} // namespace

TInputFile::~TInputFile() {
    CloseInput(*this);
}

bool OpenInput(TInputFile& file, const std::string& path) {
    CloseInput(file);
    // Look before opening, so that devices and FIFOs are never opened at all; the check on the
    // open descriptor below covers a file that was swapped in between.
    struct stat info {};
    if (sys::Stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const int fd = sys::Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    if (sys::Fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        sys::Close(fd);
        return false;
    }
    file.Fd = fd;
    file.Size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

void CloseInput(TInputFile& file) {
    if (file.Fd >= 0) {
        // Nothing was written, so a failing close loses nothing.
        sys::Close(file.Fd);
        file.Fd = -1;
    }
    file.Size = 0;
}

bool ReadInput(TInputFile& file, std::uint64_t offset, std::span<std::uint8_t> buffer) {
    if (file.Fd < 0 || offset > static_cast<std::uint64_t>(LLONG_MAX) - buffer.size()) {
        return false;
    }
    std::size_t done = 0;
    while (done < buffer.size()) {
        const std::size_t want = std::min(buffer.size() - done, kMaxTransfer);
        const ssize_t got =
            sys::Pread(file.Fd, buffer.data() + done, want, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false; // failure, or the file ends before the range does
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

TOutputFile::~TOutputFile() {
    DiscardOutput(*this);
}

bool CreateOutput(TOutputFile& file, const std::string& path) {
    DiscardOutput(file);
    // The temporary name depends only on the directory, so that a final name close to the length
    // limit still works. Mode 0666 lets the umask give the permissions of any new file.
    WatchEndingSignals();
    static unsigned serial = 0;
    const std::string prefix =
        std::string(DirectoryOf(path)) + ".xaconv-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = prefix + std::to_string(serial++) + ".tmp";
        SetPendingTemp(temp); // before the file exists, so that no moment is left uncovered
        const int fd =
            sys::Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0) {
            file.Fd = fd;
            file.TempPath = std::move(temp);
            file.FinalPath = path;
            return true;
        }
        havePendingTemp = 0; // not ours: it was not created
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool WriteOutput(TOutputFile& file, std::span<const std::span<const std::uint8_t>> parts) {
    if (file.Fd < 0) {
        return false;
    }
    // Gather the parts into as few calls as the kernel allows; short writes continue where they
    // stopped.
    std::vector<iovec> pending;
    pending.reserve(parts.size());
    for (const auto part : parts) {
        for (std::size_t at = 0; at < part.size(); at += kMaxTransfer) {
            const std::size_t length = std::min(part.size() - at, kMaxTransfer);
            pending.push_back(iovec{const_cast<std::uint8_t*>(part.data() + at), length});
        }
    }
    std::size_t first = 0;
    while (first < pending.size()) {
        const int count = static_cast<int>(std::min<std::size_t>(pending.size() - first, IOV_MAX));
        const ssize_t wrote = sys::Writev(file.Fd, pending.data() + first, count);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return false;
        }
        auto left = static_cast<std::size_t>(wrote);
        while (first < pending.size() && left >= pending[first].iov_len) {
            left -= pending[first].iov_len;
            ++first;
        }
        if (left > 0) {
            pending[first].iov_base = static_cast<std::uint8_t*>(pending[first].iov_base) + left;
            pending[first].iov_len -= left;
        }
    }
    return true;
}

bool CommitOutput(TOutputFile& file) {
    if (file.Fd < 0) {
        return false;
    }
    const int closed = sys::Close(file.Fd);
    file.Fd = -1;
    if (closed != 0 || sys::Rename(file.TempPath.c_str(), file.FinalPath.c_str()) != 0) {
        DiscardOutput(file);
        return false;
    }
    havePendingTemp = 0;
    file.TempPath.clear();
    file.FinalPath.clear();
    return true;
}

void DiscardOutput(TOutputFile& file) {
    if (file.Fd >= 0) {
        sys::Close(file.Fd);
        file.Fd = -1;
    }
    if (!file.TempPath.empty()) {
        sys::Unlink(file.TempPath.c_str());
        havePendingTemp = 0;
        file.TempPath.clear();
    }
    file.FinalPath.clear();
}
