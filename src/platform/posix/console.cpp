#include "platform/console.h"

#include "platform/syscalls.h"

#include <cerrno>
#include <csignal>
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
