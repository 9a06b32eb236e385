#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform {

// How a child process ended. The four outcomes are kept apart on purpose: a
// tool that could not start, one that exited with a status, one that died of a
// signal and one that we killed on request call for different verdicts.
enum class ChildOutcome {
    NotStarted,     // start() not called yet
    FailedToStart,  // no process was created
    Running,
    Exited,         // exitCode() holds the status
    Signalled,      // died of termSignal()
    Killed,         // ended by kill()
};

// One run of a child program with its standard output and standard error on a
// single pipe, and its standard input on a second pipe whose write end is held
// open (and never written) until this object is destroyed, so the child never
// sees end of input while it runs. The child runs in a session of its own,
// detached from any terminal, and inherits no other descriptor.
//
// Every descriptor is owned here and closed on every path; the destructor of a
// child that is still running kills and reaps it, so nothing is left behind.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // Starts argv[0] with the given arguments; a name without "/" is looked up
    // in PATH. No shell is involved. False (outcome FailedToStart) when the
    // pipes cannot be made or the program cannot be executed.
    bool start(const std::vector<std::string> &argv);

    // Waits at most `timeout` until output (or end of output) can be read or
    // the child has ended. True when something is ready.
    bool waitForOutput(std::chrono::milliseconds timeout);

    // Reads at most `size` bytes of what the pipe holds now, never blocking.
    // Answers the byte count, 0 when nothing is there, -1 once every writer has
    // closed the pipe and it is empty (see outputEnded()).
    long readAvailable(char *buffer, std::size_t size);
    bool outputEnded() const { return m_outputEnded; }

    // Writes all of `bytes` to the child's standard input, for a child that reads it; the
    // child must be reading, as this waits while the pipe is full. False when the child
    // has closed its end or input was closed here.
    bool writeInput(const std::string &bytes);
    // Ends the child's standard input.
    void closeInput();

    // Reaps the child if it has ended, waiting at most `timeout` for it.
    // True when it has ended (now or before).
    bool waitForEnd(std::chrono::milliseconds timeout);
    bool hasEnded() const;

    // Kills the child (and anything it started in its session) with SIGKILL and
    // waits for it without a time-out. Outcome Killed, unless it had ended
    // already. Safe to call in any state.
    void kill();

    ChildOutcome outcome() const { return m_outcome; }
    int exitCode() const { return m_exitCode; }
    int termSignal() const { return m_termSignal; }
    pid_t pid() const { return m_pid; }
    // Descriptors an event loop can watch: the output pipe (readable when
    // output or its end arrives) and the child's end (readable once it has
    // ended; -1 where the system cannot give one). Owned here.
    int outputFd() const { return m_outputRead; }
    int endFd() const { return m_pidFd; }
    // errno of the failed start, 0 otherwise.
    int startError() const { return m_startError; }

private:
    bool reap(bool block);
    void recordStatus(int status);
    void closeAll();

    pid_t m_pid = -1;
    int m_outputRead = -1;  // our end of the output pipe, non-blocking
    int m_inputWrite = -1;  // held open while the child runs, never written
    int m_pidFd = -1;       // readable once the child ends; -1 when unsupported
    bool m_outputEnded = false;
    ChildOutcome m_outcome = ChildOutcome::NotStarted;
    int m_exitCode = 0;
    int m_termSignal = 0;
    int m_startError = 0;
};

} // namespace platform
