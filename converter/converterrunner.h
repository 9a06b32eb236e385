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
// it wrote last is read before the result. Every process and descriptor of a
// run is gone by the time `finished` is emitted.
class ConverterRunner : public QObject {
    Q_OBJECT
public:
    // A Linux pipe holds 64 KiB unless resized: one read takes all it can hold.
    static constexpr std::size_t readBufferSize = 64 * 1024;
    // How often a run looks for the tool's end where the system gives no
    // descriptor for it.
    static constexpr std::chrono::milliseconds passTime{100};

    explicit ConverterRunner(QObject *parent = nullptr);
    // A run still going is killed and reaped; `finished` is not emitted for it.
    ~ConverterRunner() override;

    // Each mode starts the tool argv[0] with the arguments that follow, as they are.

    // Probe mode: fills durationSeconds, videoWidth, videoHeight, frameRate,
    // sampleRate and audioChannels of item, which must outlive the run.
    // Succeeds when a Video or Audio stream line was found; fails also when
    // the tool cannot be started, dies of a signal or has not ended within the
    // probe time-out (it is then killed). A non-zero exit status alone does
    // not fail a probe.
    void startProbe(const std::vector<std::string> &argv, MediaItem &item);

    // Conversion mode: follows "|Time>>>" lines against current.durationSeconds
    // and the file-name part of current.sourcePath on the display. A tool that
    // exits with a non-zero status or dies of a signal has failed, however far
    // its progress went.
    void startConversion(const std::vector<std::string> &argv, const MediaItem &current, ProgressDisplay &display);

    // Measure mode: every line of the tool goes to takeLine; success is an exit status of 0.
    void startMeasure(const std::vector<std::string> &argv, std::function<void(std::string_view line)> takeLine);

    // Ends the run at once: the tool (and its process group) is killed and
    // reaped before this returns; a failed `finished` with outcome Cancelled follows.
    void cancel();
    bool isRunning() const { return m_run != nullptr; }

    // 30 s by default.
    void setProbeTimeout(std::chrono::milliseconds timeout) { m_probeTimeout = timeout; }
    std::chrono::milliseconds probeTimeout() const { return m_probeTimeout; }

signals:
    // Once per run started (a start while a run goes on is refused), always
    // later from the event loop, never from inside a call here.
    void finished(const RunResult &result);

private:
    class Run;
    bool start(const std::vector<std::string> &argv, std::function<void(std::string_view)> takeData,
               std::function<bool()> judge, std::chrono::milliseconds timeout);
    void takeData(std::string_view data);
    void onOutput();
    void onEnded();
    void finish(bool success, bool queued);

    LineSplitter m_lines;
    LineSplitter m_errorLines;
    std::vector<char> m_readBuffer;
    std::chrono::milliseconds m_probeTimeout{30000};
    RunReport m_report;  // of the run going on
    Run *m_run = nullptr;
};
