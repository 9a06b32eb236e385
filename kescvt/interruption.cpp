#include "interruption.h"

#include "toolerror.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace kescvt {

namespace {

// Lock-free atomics: read by the signal handlers and the watch thread alike.
std::atomic<int> g_interrupted{0};
std::atomic<int> g_endAtOnce{0};
std::atomic<int> g_outputOwned{0};
std::atomic<bool> g_watchStdin{false};
// Copied once, before the handlers may read it.
char g_emptyTarget[4096] = {};

// How often the watch thread looks, and how long a stop may wait for the conversion loop
// before the thread ends the process itself.
constexpr int watchMilliseconds = 50;
constexpr int64_t loopGraceMilliseconds = 500;
static_assert(std::atomic<int>::is_always_lock_free);

int64_t monotonicMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// Only async-signal-safe calls from here on.
void writeError(const char *text)
{
    const char prefix[] = "kescvt: error: ";
    ssize_t ignored = ::write(STDERR_FILENO, prefix, sizeof prefix - 1);
    ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

void removeEmptyTarget()
{
    struct stat info {};
    if (g_emptyTarget[0] && ::lstat(g_emptyTarget, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0)
        ::unlink(g_emptyTarget);
}

[[noreturn]] void endNow(const char *text, int status)
{
    removeEmptyTarget();
    writeError(text);
    ::_exit(status);
}

// The run's own output, partial after a stop: removed as the conversion loop would.
[[noreturn]] void endRemovingOutput()
{
    struct stat info {};
    if (g_outputOwned && g_emptyTarget[0] && ::lstat(g_emptyTarget, &info) == 0 && S_ISREG(info.st_mode))
        ::unlink(g_emptyTarget);
    writeError("interrupted\n");
    ::_exit(ExitInterrupted);
}

void onSignal(int)
{
    g_interrupted = 1;
    if (g_endAtOnce)
        endNow("interrupted\n", ExitInterrupted);
}

void onProbeDeadline(int)
{
    if (g_endAtOnce)
        endNow("the input takes too long to read; it is not a media file the tool can use\n", ExitInput);
}

// The program keeps the write end of our standard input open for the whole run and never
// writes to it: a hang-up means it is gone. A terminal or /dev/null is left alone. Nothing
// is read, so a caller that does use standard input keeps all of it.
bool parentHungUp()
{
    if (!g_watchStdin)
        return false;
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR));
}

// A demuxer may parse a header for seconds without a single read (a comment header deep in
// a chained stream), and no check in the tool's loops runs meanwhile. This thread notices a
// stop on its own: before the output exists it ends the process at once; later it gives the
// loop a moment to clean up and otherwise removes the partial output and ends it.
void watch()
{
    int64_t stopSeen = -1;
    for (;;) {
        timespec pause{0, watchMilliseconds * 1'000'000L};
        ::nanosleep(&pause, nullptr);
        if (!g_interrupted && parentHungUp())
            g_interrupted = 1;
        if (!g_interrupted)
            continue;
        if (g_endAtOnce)
            endNow("interrupted\n", ExitInterrupted);
        const int64_t now = monotonicMilliseconds();
        if (stopSeen < 0)
            stopSeen = now;
        else if (now - stopSeen >= loopGraceMilliseconds)
            endRemovingOutput();
    }
}

} // namespace

void installInterruptionHandlers()
{
    const pid_t parent = ::getppid();
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    action.sa_handler = onProbeDeadline;
    sigaction(SIGALRM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    // Only a pipe still open at the start is the program's: one already at its end (a
    // shell's "true | kescvt", a test harness passing on a closed pipe) says nothing.
    struct stat input {};
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    g_watchStdin = ::fstat(STDIN_FILENO, &input) == 0 && S_ISFIFO(input.st_mode) && ::poll(&fd, 1, 0) >= 0 &&
                   !(fd.revents & (POLLHUP | POLLERR | POLLNVAL));
    // The parent may have died before the signal was asked for.
    ::prctl(PR_SET_PDEATHSIG, SIGHUP);
    if (::getppid() != parent)
        g_interrupted = 1;
    try {
        std::thread(watch).detach();
    } catch (const std::system_error &) {
        // Without a thread the loops' own checks still stop a run, only not inside a parse.
    }
}

void stopWatchingStdin()
{
    g_watchStdin = false;
}

bool interruptionRequested()
{
    return g_interrupted != 0;
}

int interruptCallback(void *)
{
    return interruptionRequested() ? 1 : 0;
}

void endAtOnceOnStop(const std::string &output)
{
    if (output.size() < sizeof g_emptyTarget)
        std::memcpy(g_emptyTarget, output.c_str(), output.size() + 1);
    g_endAtOnce = 1;
    if (g_interrupted)
        endNow("interrupted\n", ExitInterrupted);
}

void endThroughLoopOnStop()
{
    g_endAtOnce = 0;
}

void removePreparedTarget()
{
    removeEmptyTarget();
}

void ownOutput(bool owned)
{
    g_outputOwned = owned ? 1 : 0;
}

void startProbeDeadline(unsigned seconds)
{
    ::alarm(seconds);
}

void stopProbeDeadline()
{
    ::alarm(0);
}

} // namespace kescvt
