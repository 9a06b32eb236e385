#pragma once

#include "converter/linesplitter.h"
#include "converter/runreport.h"

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QObject>

struct MediaItem;
class ProbeReader;
class QSocketNotifier;
class QTimer;

namespace platform {
class ChildProcess;
}

// One long-lived "kescvt --probe-stdin" that probes file after file, so that adding
// many files pays one process start, not one per file. Driven by the event loop of the
// calling thread like ConverterRunner; nothing waits. Probes started while others run
// queue up in the tool, which then never idles between two files; they are answered in
// the order they were started.
//
// The tool is started with the first probe. A tool that dies, ends or does not answer
// within the probe time-out costs the probe it was reading alone: the tool is gone (a
// late one is killed), that probe fails, and a new tool takes the probes after it.
class ProbeService {
public:
    using Done = std::function<void(const RunResult &result)>;

    explicit ProbeService(std::string toolPath);
    // The tool is killed and reaped; a probe's `done` is not called.
    ~ProbeService();
    ProbeService(const ProbeService &) = delete;
    ProbeService &operator=(const ProbeService &) = delete;

    // Probes `input` (a path, or the "DS:\\" form of one) into item, which must outlive
    // the probe. The result succeeds when a Video or Audio stream line came; its report
    // is Exited with the file's status, or tells how the tool went (Signalled, TimedOut,
    // FailedToStart), and toolStopped says the tool died or ended while reading it.
    // Always later, from the event loop.
    void startProbe(const std::string &input, MediaItem &item, Done done);
    bool isProbing() const { return !m_queue.empty(); }
    // Whether a tool process is there now.
    bool hasTool() const;

    void setProbeTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

private:
    struct Pending {
        std::string record;  // the input as written to the tool
        std::unique_ptr<ProbeReader> reader;
        Done done;
        RunReport report;
    };
    bool startTool();
    // Starts a new tool and hands it every queued probe; false (and the queue failed)
    // when no tool can be had.
    bool restartWithQueue();
    void finishFront(bool success, bool toolStopped);
    void failAll(bool toolStopped);
    void endTool();
    void onOutput();
    void onEnded();
    void takeData(std::string_view data);
    void takeLine(std::string_view line);

    std::string m_toolPath;
    std::chrono::milliseconds m_timeout{30000};
    std::unique_ptr<QObject> m_context;  // owns notifiers and timers; queued calls die with it
    std::unique_ptr<platform::ChildProcess> m_child;
    QSocketNotifier *m_output = nullptr;
    QSocketNotifier *m_end = nullptr;
    QTimer *m_pass = nullptr;
    QTimer *m_deadline = nullptr;
    LineSplitter m_lines;
    std::string m_readBuffer;
    std::deque<Pending> m_queue;
    std::optional<int> m_startError;  // errno of the last tool start, when it failed
};
