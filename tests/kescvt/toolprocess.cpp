#include "toolprocess.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

double now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

} // namespace

ToolResult runKescvt(const std::vector<std::string> &args, int killAfterSeconds, RunStop stop,
                     const std::string &standardInput)
{
    ToolResult result;
    int out[2];
    int in[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return result;
    if (pipe2(in, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out[1], 2);

    std::vector<std::string> argvText{KESCVT_PATH};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &arg : argvText)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, KESCVT_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(in[0]);
    if (spawned != 0) {
        close(out[0]);
        close(in[1]);
        return result;
    }
    result.started = true;
    if (!standardInput.empty()) {
        // Small enough for the pipe's buffer: written whole before any output is read.
        for (size_t done = 0; done < standardInput.size();) {
            const ssize_t n = write(in[1], standardInput.data() + done, standardInput.size() - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        close(in[1]);
        in[1] = -1;
    }

    const double deadline = now() + killAfterSeconds;
    char buffer[4096];
    for (;;) {
        if (now() > deadline) {
            kill(pid, SIGKILL);
            result.timedOut = true;
            break;
        }
        pollfd fd{out[0], POLLIN, 0};
        const int ready = poll(&fd, 1, 100);
        if (ready > 0) {
            const ssize_t n = read(out[0], buffer, sizeof buffer);
            if (n > 0) {
                result.output.append(buffer, static_cast<size_t>(n));
                if (result.output.find("|Time>>>") != std::string::npos) {
                    if (stop.signal)
                        kill(pid, stop.signal);
                    if (stop.closeStdin && in[1] >= 0) {
                        close(in[1]);
                        in[1] = -1;
                    }
                    stop = {};
                }
                continue;
            }
            if (n == 0 || errno != EINTR)
                break;
        }
    }
    close(out[0]);
    if (in[1] >= 0)
        close(in[1]);
    int status = 0;
    rusage usage {};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.peakKilobytes = usage.ru_maxrss;
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else
        result.signalled = !result.timedOut;
    return result;
}

std::vector<std::string> outputLines(const std::string &output)
{
    std::vector<std::string> lines;
    std::string line;
    for (const char c : output) {
        if (c == '\r' || c == '\n') {
            if (!line.empty())
                lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
