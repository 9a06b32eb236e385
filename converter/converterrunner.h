#pragma once

#include "converter/linesplitter.h"
#include "converter/runreport.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct MediaItem;
class ProgressDisplay;

namespace platform {
class ChildProcess;
}

// Runs the converter tool once per call on the calling (GUI) thread and turns
// what it prints into a verdict. Standard output and standard error arrive on
// one pipe; each pass of the read loop waits at most 100 ms for output or for
// the tool's end, and after the tool is seen ended one more pass collects what
// it wrote last. Every process and descriptor of a run is gone when the call
// returns, whatever happened. A run started from inside another one (from an
// event handled while the window pumps) is refused with 0: the two would share
// the read and carry buffers.
class ConverterRunner {
public:
    static constexpr std::size_t readBufferSize = 51196;
    static constexpr std::chrono::milliseconds passTime{100};

    ConverterRunner();

    // Probe mode: fills durationSeconds, videoWidth, videoHeight, frameRate,
    // sampleRate and audioChannels. 1 when a Video or Audio stream line was
    // found, else 0; also 0 when the tool cannot be started, dies of a signal
    // or has not ended within the probe time-out (it is then killed).
    int runProbe(const std::string &commandLine, MediaItem &item);

    // Conversion mode: follows "|Time>>>" lines against current.durationSeconds
    // and the file-name part of current.sourcePath on the display, pumping its
    // events and checking its cancel flag every pass. 1 success; 0 failure or
    // cancel. A tool that exits with a non-zero status or dies of a signal has
    // failed, however far its progress went.
    int runConversion(const std::string &commandLine, const MediaItem &current, ProgressDisplay &display);

    // 30 s by default.
    void setProbeTimeout(std::chrono::milliseconds timeout) { m_probeTimeout = timeout; }
    std::chrono::milliseconds probeTimeout() const { return m_probeTimeout; }

    const RunReport &lastRun() const { return m_lastRun; }

private:
    // Clears the report and marks the runner busy for one run.
    class RunScope;

    enum class LoopEnd { ToolEnded, Stopped };
    LoopEnd readLoop(platform::ChildProcess &child,
                     const std::function<void(std::string_view)> &takeData,
                     const std::function<bool()> &stopAfterPass);
    void recordEnd(const platform::ChildProcess &child);

    LineSplitter m_lines;
    std::vector<char> m_readBuffer;
    std::chrono::milliseconds m_probeTimeout{30000};
    RunReport m_lastRun;
    bool m_busy = false;
};
