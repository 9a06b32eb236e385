#include "platform/childprocess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace platform {

namespace {

// Closes a descriptor when it goes out of scope, unless released.
class FdGuard {
public:
    explicit FdGuard(int fd = -1) : m_fd(fd) {}
    ~FdGuard() { reset(); }
    FdGuard(const FdGuard &) = delete;
    FdGuard &operator=(const FdGuard &) = delete;
    int get() const { return m_fd; }
    int release() { const int fd = m_fd; m_fd = -1; return fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// posix_spawn's dup2 onto 0, 1 or 2 would be a no-op (and leave close-on-exec
// set) if a pipe end already had that number, which happens when our own
// standard streams are closed. Moving the ends above 2 avoids the case.
bool moveAboveStdio(FdGuard &fd)
{
    if (fd.get() > 2)
        return true;
    const int moved = ::fcntl(fd.get(), F_DUPFD_CLOEXEC, 3);
    if (moved < 0)
        return false;
    fd.reset(moved);
    return true;
}

bool makePipe(FdGuard &readEnd, FdGuard &writeEnd)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    readEnd.reset(ends[0]);
    writeEnd.reset(ends[1]);
    return moveAboveStdio(readEnd) && moveAboveStdio(writeEnd);
}

class SpawnSetup {
public:
    SpawnSetup()
    {
        m_ok = ::posix_spawn_file_actions_init(&m_actions) == 0;
        m_attrOk = ::posix_spawnattr_init(&m_attr) == 0;
        m_ok = m_ok && m_attrOk;
    }
    ~SpawnSetup()
    {
        ::posix_spawn_file_actions_destroy(&m_actions);
        if (m_attrOk)
            ::posix_spawnattr_destroy(&m_attr);
    }
    SpawnSetup(const SpawnSetup &) = delete;
    SpawnSetup &operator=(const SpawnSetup &) = delete;

    bool prepare(int inputRead, int outputWrite)
    {
        if (!m_ok)
            return false;
        if (::posix_spawn_file_actions_adddup2(&m_actions, inputRead, STDIN_FILENO) != 0
            || ::posix_spawn_file_actions_adddup2(&m_actions, outputWrite, STDOUT_FILENO) != 0
            || ::posix_spawn_file_actions_adddup2(&m_actions, outputWrite, STDERR_FILENO) != 0
            || ::posix_spawn_file_actions_addclosefrom_np(&m_actions, 3) != 0)
            return false;

        // A session of its own stands in for the hidden console: no terminal,
        // and a process group we can kill as a whole.
        sigset_t noSignals;
        sigemptyset(&noSignals);
        // Ignored signals survive exec; the child starts with the defaults.
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int sig : {SIGPIPE, SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGCHLD, SIGALRM, SIGUSR1, SIGUSR2})
            sigaddset(&defaults, sig);
        const short flags = POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        return ::posix_spawnattr_setflags(&m_attr, flags) == 0
            && ::posix_spawnattr_setsigmask(&m_attr, &noSignals) == 0
            && ::posix_spawnattr_setsigdefault(&m_attr, &defaults) == 0;
    }

    const posix_spawn_file_actions_t *actions() const { return &m_actions; }
    const posix_spawnattr_t *attr() const { return &m_attr; }

private:
    posix_spawn_file_actions_t m_actions;
    posix_spawnattr_t m_attr;
    bool m_ok = false;
    bool m_attrOk = false;
};

int toPollTimeout(std::chrono::milliseconds timeout)
{
    if (timeout.count() <= 0)
        return 0;
    if (timeout.count() > 1000 * 60 * 60)
        return 1000 * 60 * 60;
    return static_cast<int>(timeout.count());
}

} // namespace

ChildProcess::~ChildProcess()
{
    if (m_outcome == ChildOutcome::Running)
        kill();
    closeAll();
}

bool ChildProcess::start(const std::vector<std::string> &argv)
{
    if (m_outcome != ChildOutcome::NotStarted)
        return false;
    m_outcome = ChildOutcome::FailedToStart;
    if (argv.empty() || argv.front().empty()) {
        m_startError = ENOENT;
        return false;
    }

    FdGuard outputRead, outputWrite, inputRead, inputWrite;
    if (!makePipe(outputRead, outputWrite) || !makePipe(inputRead, inputWrite)) {
        m_startError = errno;
        return false;
    }
    SpawnSetup setup;
    if (!setup.prepare(inputRead.get(), outputWrite.get())) {
        m_startError = EINVAL;
        return false;
    }

    std::vector<char *> args;
    args.reserve(argv.size() + 1);
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);

    pid_t pid = -1;
    const int error = ::posix_spawnp(&pid, args[0], setup.actions(), setup.attr(), args.data(), environ);
    if (error != 0) {
        m_startError = error;
        return false;
    }

    // Our copies of the child's ends go now, so the output pipe reports its
    // end once the child (and anything it started) has closed it.
    outputWrite.reset();
    inputRead.reset();

    const int flags = ::fcntl(outputRead.get(), F_GETFL);
    if (flags >= 0)
        ::fcntl(outputRead.get(), F_SETFL, flags | O_NONBLOCK);

    m_pid = pid;
    m_outputRead = outputRead.release();
    m_inputWrite = inputWrite.release();
    // Lets poll() wake on the child's end; without it we fall back to short naps.
    // Called directly: glibc 2.36 declares pidfd_open without C linkage.
    // The descriptor comes with close-on-exec set.
    m_pidFd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    m_outcome = ChildOutcome::Running;
    return true;
}

bool ChildProcess::waitForOutput(std::chrono::milliseconds timeout)
{
    if (m_outcome == ChildOutcome::NotStarted || m_outcome == ChildOutcome::FailedToStart)
        return false;
    pollfd fds[2];
    nfds_t count = 0;
    if (!m_outputEnded && m_outputRead >= 0)
        fds[count++] = pollfd{m_outputRead, POLLIN, 0};
    if (!hasEnded() && m_pidFd >= 0)
        fds[count++] = pollfd{m_pidFd, POLLIN, 0};
    if (count == 0 && m_outputEnded && hasEnded())
        return true;
    const int ready = ::poll(count ? fds : nullptr, count, toPollTimeout(timeout));
    return ready > 0;
}

long ChildProcess::readAvailable(char *buffer, std::size_t size)
{
    if (m_outputEnded || m_outputRead < 0)
        return -1;
    for (;;) {
        const ssize_t got = ::read(m_outputRead, buffer, size);
        if (got > 0)
            return static_cast<long>(got);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return 0;
        m_outputEnded = true;
        return -1;
    }
}

bool ChildProcess::writeInput(const std::string &bytes)
{
    // A child gone meanwhile must not kill us with SIGPIPE: the signal is held back
    // for the write and a pending one taken away, unless one was pending before.
    sigset_t pipeSignal, previous, pending;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigpending(&pending);
    const bool pendingBefore = sigismember(&pending, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    std::size_t done = 0;
    while (done < bytes.size() && m_inputWrite >= 0) {
        const ssize_t wrote = ::write(m_inputWrite, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            break;
        done += static_cast<std::size_t>(wrote);
    }
    if (!pendingBefore) {
        const timespec none{0, 0};
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE))
            sigtimedwait(&pipeSignal, nullptr, &none);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return done == bytes.size();
}

void ChildProcess::closeInput()
{
    if (m_inputWrite >= 0)
        ::close(m_inputWrite);
    m_inputWrite = -1;
}

bool ChildProcess::hasEnded() const
{
    return m_outcome == ChildOutcome::Exited || m_outcome == ChildOutcome::Signalled
        || m_outcome == ChildOutcome::Killed;
}

bool ChildProcess::waitForEnd(std::chrono::milliseconds timeout)
{
    if (m_outcome != ChildOutcome::Running)
        return hasEnded();
    if (reap(false))
        return true;
    if (timeout.count() <= 0)
        return false;
    if (m_pidFd >= 0) {
        pollfd fd{m_pidFd, POLLIN, 0};
        ::poll(&fd, 1, toPollTimeout(timeout));
        return reap(false);
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        ::poll(nullptr, 0, 10);
        if (reap(false))
            return true;
    }
    return false;
}

void ChildProcess::kill()
{
    if (m_outcome != ChildOutcome::Running)
        return;
    // The child leads its own process group (it has a session of its own), so
    // this also stops anything it started that might hold the pipe open.
    ::kill(-m_pid, SIGKILL);
    ::kill(m_pid, SIGKILL);
    reap(true);
    if (m_outcome == ChildOutcome::Signalled && m_termSignal == SIGKILL)
        m_outcome = ChildOutcome::Killed;
}

bool ChildProcess::reap(bool block)
{
    if (m_outcome != ChildOutcome::Running)
        return hasEnded();
    int status = 0;
    pid_t got;
    do {
        got = ::waitpid(m_pid, &status, block ? 0 : WNOHANG);
    } while (got < 0 && errno == EINTR);
    if (got == 0)
        return false;
    if (got < 0) {
        // Someone else reaped it (SIGCHLD ignored process-wide): it has ended,
        // but how is unknown, so it cannot count as a clean exit.
        m_outcome = ChildOutcome::Exited;
        m_exitCode = -1;
        return true;
    }
    recordStatus(status);
    return true;
}

void ChildProcess::recordStatus(int status)
{
    if (WIFSIGNALED(status)) {
        m_outcome = ChildOutcome::Signalled;
        m_termSignal = WTERMSIG(status);
    } else {
        m_outcome = ChildOutcome::Exited;
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
}

void ChildProcess::closeAll()
{
    for (int *fd : {&m_outputRead, &m_inputWrite, &m_pidFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

} // namespace platform
