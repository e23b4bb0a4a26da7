#include "run_program.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

TRunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& cwd, TStdout out) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    if (out == TStdout::BrokenPipe) {
        ::close(pipeFds[0]);
        pipeFds[0] = -1;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        // A test runner may ignore SIGPIPE; the program must cope with the default too.
        ::signal(SIGPIPE, SIG_DFL);
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(in, 0);
        if (out == TStdout::Closed) {
            ::close(0);
            ::close(1);
        } else if (out == TStdout::Full) {
            ::dup2(::open("/dev/full", O_WRONLY), 1);
        } else {
            ::dup2(pipeFds[1], 1);
        }
        if (::chdir(cwd.c_str()) != 0) {
            ::_exit(127);
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    TRunResult result;
    if (pipeFds[0] >= 0) {
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                break;
            }
            result.Output.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(pipeFds[0]);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
