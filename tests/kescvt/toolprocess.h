// Runs kescvt as the program does: an argv (no shell), stdout and stderr on one pipe,
// stdin a pipe held open. A run that outlives the guard is killed and reported as timed
// out, so a hang fails a test instead of blocking the suite.
#pragma once

#include <string>
#include <vector>

struct ToolResult {
    bool started = false;
    bool timedOut = false;
    bool signalled = false;
    int exitCode = -1;
    long peakKilobytes = 0; // the child's largest resident size
    std::string output;

    bool succeeded() const { return started && !timedOut && !signalled && exitCode == 0; }
    bool failedCleanly() const { return started && !timedOut && !signalled && exitCode != 0; }
};

// What the test does to the run once its first progress line has arrived.
struct RunStop {
    int signal = 0;          // sent to the tool
    bool closeStdin = false; // as the program's end would
};

// A non-empty standardInput is written to the tool's standard input, which then ends.
ToolResult runKescvt(const std::vector<std::string> &args, int killAfterSeconds = 120, RunStop stop = {},
                     const std::string &standardInput = {});

// Lines of an output, split at any run of CR and LF.
std::vector<std::string> outputLines(const std::string &output);
