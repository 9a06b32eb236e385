#pragma once

#include <string>

// How a run of the converter tool went, beyond whether it did its job:
// callers that must tell a cancel from a failure, and the tests, read it.
enum class RunOutcome {
    FailedToStart,  // no process (missing tool, empty command line, no pipes)
    Exited,         // ended by itself; exitCode holds its status
    Signalled,      // died of a signal it did not get from us
    Cancelled,      // Cancel was pressed: killed and waited for
    TimedOut,       // a probe that did not end in time: killed and waited for
};

struct RunReport {
    RunOutcome outcome = RunOutcome::FailedToStart;
    int exitCode = 0;
    int signal = 0;
    int startError = 0;     // errno of a failed start
    int reads = 0;          // reads that brought data
    // The tool's last "kescvt: error: ..." line, without that prefix.
    std::string errorLine;
};

// What a run hands back when it ends: how it went and whether it did its job
// (a probe found a stream, a conversion got to its end, a measure exited cleanly).
struct RunResult {
    RunReport report;
    bool success = false;
    // A probe service's tool died or ended while it read this probe.
    bool toolStopped = false;
};
