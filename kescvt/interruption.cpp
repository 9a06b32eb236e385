#include "interruption.h"

#include "toolerror.h"

#include <csignal>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kescvt {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;
volatile std::sig_atomic_t g_endAtOnce = 0;
bool g_watchStdin = false;
int64_t g_nextStdinCheck = 0;
// Copied once, before the handlers may read it.
char g_emptyTarget[4096] = {};

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
// writes to it: a hang-up means it is gone. A terminal or /dev/null is left alone.
bool parentHungUp()
{
    if (!g_watchStdin)
        return false;
    const int64_t now = monotonicMilliseconds();
    if (now < g_nextStdinCheck)
        return false;
    g_nextStdinCheck = now + 50;
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR));
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
}

void stopWatchingStdin()
{
    g_watchStdin = false;
}

bool interruptionRequested()
{
    if (!g_interrupted && parentHungUp())
        g_interrupted = 1;
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

void startProbeDeadline(unsigned seconds)
{
    ::alarm(seconds);
}

void stopProbeDeadline()
{
    ::alarm(0);
}

} // namespace kescvt
