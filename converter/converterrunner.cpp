#include "converter/converterrunner.h"

#include "converter/probereader.h"
#include "converter/progressdisplay.h"
#include "converter/progressreader.h"
#include "filelist/mediaitem.h"
#include "platform/childprocess.h"

class ConverterRunner::RunScope {
public:
    explicit RunScope(ConverterRunner &runner)
        : m_runner(runner)
        , m_entered(!runner.m_busy)
    {
        if (!m_entered)
            return;
        m_runner.m_busy = true;
        m_runner.m_lastRun = RunReport{};
    }
    ~RunScope()
    {
        if (m_entered)
            m_runner.m_busy = false;
    }
    RunScope(const RunScope &) = delete;
    RunScope &operator=(const RunScope &) = delete;
    bool entered() const { return m_entered; }

private:
    ConverterRunner &m_runner;
    bool m_entered;
};

ConverterRunner::ConverterRunner()
    : m_readBuffer(readBufferSize)
{
}

ConverterRunner::LoopEnd ConverterRunner::readLoop(platform::ChildProcess &child,
                                                   const std::function<void(std::string_view)> &takeData,
                                                   const std::function<bool()> &stopAfterPass)
{
    bool seenEnded = false;
    for (;;) {
        ++m_lastRun.passes;
        if (!child.outputEnded()) {
            child.waitForOutput(passTime);
            // One read per pass while the tool runs. The pass after its end
            // takes everything left: the pipe can hold more than one read.
            do {
                const long got = child.readAvailable(m_readBuffer.data(), m_readBuffer.size());
                if (got <= 0)
                    break;
                ++m_lastRun.reads;
                takeData(std::string_view(m_readBuffer.data(), static_cast<std::size_t>(got)));
            } while (seenEnded);
        }
        if (stopAfterPass())
            return LoopEnd::Stopped;
        // Once the output has ended the tool is ending too: wait for it here,
        // so that the pass is not spent for nothing.
        const auto wait = (child.outputEnded() && !seenEnded) ? passTime : std::chrono::milliseconds(0);
        if (child.waitForEnd(wait)) {
            if (seenEnded)
                return LoopEnd::ToolEnded;
            seenEnded = true;
        }
    }
}

void ConverterRunner::recordEnd(const platform::ChildProcess &child)
{
    switch (child.outcome()) {
    case platform::ChildOutcome::Signalled:
        m_lastRun.outcome = RunOutcome::Signalled;
        m_lastRun.signal = child.termSignal();
        break;
    case platform::ChildOutcome::Exited:
        m_lastRun.outcome = RunOutcome::Exited;
        m_lastRun.exitCode = child.exitCode();
        break;
    default:
        // The loop leaves only once the tool has ended by itself.
        m_lastRun.outcome = RunOutcome::Signalled;
        break;
    }
}

int ConverterRunner::runProbe(const std::string &commandLine, MediaItem &item)
{
    const RunScope scope(*this);
    if (!scope.entered())
        return 0;
    platform::ChildProcess child;
    if (!child.startCommandLine(commandLine)) {
        m_lastRun.outcome = RunOutcome::FailedToStart;
        return 0;
    }
    ProbeReader reader(item);
    m_lines.clear();

    // A tool that never ends would otherwise hold the window for good: a probe
    // pumps no events, so nothing could interrupt it.
    const auto deadline = std::chrono::steady_clock::now() + m_probeTimeout;
    const LoopEnd end = readLoop(
        child,
        [&](std::string_view data) { m_lines.split(data, [&](std::string_view line) { reader.takeLine(line); }); },
        [&] { return std::chrono::steady_clock::now() >= deadline; });
    if (end == LoopEnd::Stopped) {
        child.kill();
        m_lastRun.outcome = RunOutcome::TimedOut;
        return 0;
    }
    recordEnd(child);
    // The exit status says nothing here (a probe has no output file to write,
    // and the tool may say so in its status), but a crash is no answer.
    if (m_lastRun.outcome == RunOutcome::Signalled)
        return 0;
    return reader.verdict();
}

int ConverterRunner::runConversion(const std::string &commandLine, const MediaItem &current, ProgressDisplay &display)
{
    const RunScope scope(*this);
    if (!scope.entered())
        return 0;
    platform::ChildProcess child;
    if (!child.startCommandLine(commandLine)) {
        m_lastRun.outcome = RunOutcome::FailedToStart;
        return 0;
    }
    ProgressReader reader(display, current.durationSeconds, current.sourcePath);
    m_lines.clear();
    reader.begin();

    const LoopEnd end = readLoop(
        child,
        [&](std::string_view data) { reader.takeRead(data, m_lines); },
        [&] {
            display.pumpMessages();
            return display.cancelRequested();
        });
    if (end == LoopEnd::Stopped) {
        child.kill();
        m_lastRun.outcome = RunOutcome::Cancelled;
        return 0;
    }
    recordEnd(child);
    // A tool that stops half-way (disk full, encoder error) may well have
    // printed progress up to the end; its output is not to be trusted.
    if (m_lastRun.outcome != RunOutcome::Exited || m_lastRun.exitCode != 0)
        return 0;
    return reader.finish();
}
