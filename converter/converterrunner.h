#pragma once

#include "converter/linesplitter.h"
#include "converter/runreport.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QObject>
#include <QPointer>

struct MediaItem;
class ProgressDisplay;

// Runs the converter tool, one run at a time per runner, driven by the event
// loop of the calling (GUI) thread: the output pipe and the tool's end are
// watched by socket notifiers, the probe time-out by a timer. Nothing here
// waits for the tool or handles other events while it runs, so several runners
// can run their tools side by side on one thread.
//
// Standard output and standard error arrive on one pipe and go through the
// line splitter to the reader of the mode. Once the tool has ended, whatever
// it wrote last is read before the verdict. Every process and descriptor of a
// run is gone by the time `done` is called.
class ConverterRunner {
public:
    // A Linux pipe holds 64 KiB unless resized: one read takes all it can hold.
    static constexpr std::size_t readBufferSize = 64 * 1024;
    // How often a run looks for the tool's end where the system gives no
    // descriptor for it.
    static constexpr std::chrono::milliseconds passTime{100};

    // The verdict: 1 success, 0 failure, cancel or time-out. Called once per
    // start, always later from the event loop, never from inside a call here.
    using Done = std::function<void(int verdict)>;

    ConverterRunner();
    // A run still going is killed and reaped; its `done` is not called.
    ~ConverterRunner();
    ConverterRunner(const ConverterRunner &) = delete;
    ConverterRunner &operator=(const ConverterRunner &) = delete;

    // Each mode starts the tool argv[0] with the arguments that follow, as they are.

    // Probe mode: fills durationSeconds, videoWidth, videoHeight, frameRate,
    // sampleRate and audioChannels of item, which must outlive the run. 1 when
    // a Video or Audio stream line was found; 0 also when the tool cannot be
    // started, dies of a signal or has not ended within the probe time-out (it
    // is then killed). A non-zero exit status alone does not fail a probe.
    void startProbe(const std::vector<std::string> &argv, MediaItem &item, Done done);

    // Conversion mode: follows "|Time>>>" lines against current.durationSeconds
    // and the file-name part of current.sourcePath on the display. A tool that
    // exits with a non-zero status or dies of a signal has failed, however far
    // its progress went.
    void startConversion(const std::vector<std::string> &argv, const MediaItem &current, ProgressDisplay &display,
                         Done done);

    // Measure mode: every line of the tool goes to takeLine; success is an exit status of 0.
    void startMeasure(const std::vector<std::string> &argv, std::function<void(std::string_view line)> takeLine,
                      Done done);

    // Ends the run at once: the tool (and its process group) is killed and
    // reaped before this returns; done(0) follows with outcome Cancelled.
    void cancel();
    bool isRunning() const { return m_run != nullptr; }

    // Calls `call` from the event loop, unless the runner is gone by then. For
    // callers that must answer later what they know now.
    void later(std::function<void()> call);

    // 30 s by default.
    void setProbeTimeout(std::chrono::milliseconds timeout) { m_probeTimeout = timeout; }
    std::chrono::milliseconds probeTimeout() const { return m_probeTimeout; }

    // The report of the current or last run.
    const RunReport &lastRun() const { return m_lastRun; }

private:
    class Run;
    bool start(const std::vector<std::string> &argv, std::function<void(std::string_view)> takeData,
               std::function<int()> judge, std::chrono::milliseconds timeout, Done done);
    void takeData(std::string_view data);
    void onOutput();
    void onEnded();
    void finish(int verdict, bool queued);

    LineSplitter m_lines;
    LineSplitter m_errorLines;
    std::vector<char> m_readBuffer;
    std::chrono::milliseconds m_probeTimeout{30000};
    RunReport m_lastRun;
    std::unique_ptr<QObject> m_context;  // queued calls die with the runner
    Run *m_run = nullptr;
    // Ended runs wait for the event loop to delete them (one may still be in
    // its own signal); the runner deletes those still there when it goes.
    std::vector<QPointer<Run>> m_spent;
};
