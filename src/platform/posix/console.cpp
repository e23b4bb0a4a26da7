#include "platform/console.h"

#include "platform/posix/syscalls.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

bool failed = false;

void WriteAll(std::string_view text) {
    while (!text.empty() && !failed) {
        const ssize_t wrote = sys::Write(STDOUT_FILENO, text.data(), text.size());
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            failed = true; // the run goes on; the exit status reports it
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(wrote));
    }
}

} // namespace

void PrepareConsole() {
    std::signal(SIGPIPE, SIG_IGN);
    failed = false;
    // A closed standard descriptor would be reused by the next file opened, and the report would
    // land in it. Hold each closed one open on /dev/null; a closed standard output still counts
    // as a report that cannot be written.
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            ::open("/dev/null", O_RDWR); // takes the lowest free descriptor: this one
            failed = failed || fd == STDOUT_FILENO;
        }
    }
}

void PrintLine(std::string_view text) {
    std::string line;
    line.reserve(text.size() + 1);
    line.append(text);
    line.push_back('\n');
    WriteAll(line);
}

void PrintPartial(std::string_view text) {
    WriteAll(text);
}

bool ConsoleFailed() {
    return failed;
}
