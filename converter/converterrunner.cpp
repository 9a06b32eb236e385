#include "converter/converterrunner.h"

#include "converter/probereader.h"
#include "converter/progressdisplay.h"
#include "converter/progressreader.h"
#include "filelist/mediaitem.h"
#include "platform/childprocess.h"

#include <QSocketNotifier>
#include <QTimer>

namespace {

constexpr std::string_view kErrorPrefix = "kescvt: error: ";

std::string_view withoutLineBreaks(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    return line;
}

} // namespace

// Everything one run owns. It is a QObject so that its notifiers and timers go
// with it; it is deleted from the event loop, never from inside their signals.
class ConverterRunner::Run : public QObject {
public:
    std::unique_ptr<platform::ChildProcess> child = std::make_unique<platform::ChildProcess>();
    QSocketNotifier *output = nullptr;
    QSocketNotifier *end = nullptr;
    QTimer *pass = nullptr;
    QTimer *deadline = nullptr;
    std::function<void(std::string_view)> takeData;
    std::function<int()> judge;
    Done done;

    // Stops watching and lets the child's descriptors go; the child has been
    // reaped (or never started) by now.
    void close()
    {
        for (QSocketNotifier *notifier : {output, end}) {
            if (notifier)
                notifier->setEnabled(false);
        }
        for (QTimer *timer : {pass, deadline}) {
            if (timer)
                timer->stop();
        }
        child.reset();
    }
};

ConverterRunner::ConverterRunner()
    : m_readBuffer(readBufferSize)
    , m_context(std::make_unique<QObject>())
{
}

ConverterRunner::~ConverterRunner()
{
    // The child's destructor kills and reaps a tool still running.
    delete m_run;
    for (const QPointer<Run> &spent : m_spent)
        delete spent.data();
}

bool ConverterRunner::start(const std::vector<std::string> &argv, std::function<void(std::string_view)> takeData,
                            std::function<int()> judge, std::chrono::milliseconds timeout, Done done)
{
    if (m_run) {
        // One run at a time per runner; a second start is a caller's mistake
        // and fails without disturbing the run in progress.
        QMetaObject::invokeMethod(m_context.get(), [done = std::move(done)] { done(0); }, Qt::QueuedConnection);
        return false;
    }
    m_lastRun = RunReport{};
    m_lines.clear();
    m_errorLines.clear();

    m_run = new Run;
    m_run->takeData = std::move(takeData);
    m_run->judge = std::move(judge);
    m_run->done = std::move(done);
    platform::ChildProcess &child = *m_run->child;
    if (!child.start(argv)) {
        m_lastRun.outcome = RunOutcome::FailedToStart;
        m_lastRun.startError = child.startError();
        finish(0, true);
        return false;
    }

    m_run->output = new QSocketNotifier(child.outputFd(), QSocketNotifier::Read, m_run);
    QObject::connect(m_run->output, &QSocketNotifier::activated, m_run, [this] { onOutput(); });
    if (child.endFd() >= 0) {
        m_run->end = new QSocketNotifier(child.endFd(), QSocketNotifier::Read, m_run);
        QObject::connect(m_run->end, &QSocketNotifier::activated, m_run, [this] { onEnded(); });
    } else {
        m_run->pass = new QTimer(m_run);
        QObject::connect(m_run->pass, &QTimer::timeout, m_run, [this] { onEnded(); });
        m_run->pass->start(passTime);
    }
    if (timeout.count() > 0) {
        m_run->deadline = new QTimer(m_run);
        m_run->deadline->setSingleShot(true);
        QObject::connect(m_run->deadline, &QTimer::timeout, m_run, [this] {
            m_run->child->kill();
            m_lastRun.outcome = RunOutcome::TimedOut;
            finish(0, false);
        });
        m_run->deadline->start(timeout);
    }
    return true;
}

void ConverterRunner::takeData(std::string_view data)
{
    ++m_lastRun.reads;
    m_errorLines.split(data, [this](std::string_view line) {
        if (line.starts_with(kErrorPrefix))
            m_lastRun.errorLine = std::string(withoutLineBreaks(line.substr(kErrorPrefix.size())));
    });
    m_run->takeData(data);
}

void ConverterRunner::onOutput()
{
    platform::ChildProcess &child = *m_run->child;
    // One read per wake-up keeps several runs fair to each other.
    const long got = child.readAvailable(m_readBuffer.data(), m_readBuffer.size());
    if (got > 0)
        takeData(std::string_view(m_readBuffer.data(), static_cast<std::size_t>(got)));  // may end the run
    else if (child.outputEnded())
        m_run->output->setEnabled(false);
}

void ConverterRunner::onEnded()
{
    Run *const run = m_run;
    platform::ChildProcess &child = *run->child;
    if (!child.waitForEnd(std::chrono::milliseconds(0)))
        return;
    // Everything the tool wrote before it ended is in the pipe now. What the
    // reader shows may lead to a Cancel, which ends this run there and then.
    for (long got; (got = child.readAvailable(m_readBuffer.data(), m_readBuffer.size())) > 0;) {
        takeData(std::string_view(m_readBuffer.data(), static_cast<std::size_t>(got)));
        if (m_run != run)
            return;
    }
    if (child.outcome() == platform::ChildOutcome::Signalled) {
        m_lastRun.outcome = RunOutcome::Signalled;
        m_lastRun.signal = child.termSignal();
    } else {
        m_lastRun.outcome = RunOutcome::Exited;
        m_lastRun.exitCode = child.exitCode();
    }
    finish(m_run->judge(), false);
}

void ConverterRunner::finish(int verdict, bool queued)
{
    Run *run = m_run;
    m_run = nullptr;
    run->close();
    Done done = std::move(run->done);
    std::erase_if(m_spent, [](const QPointer<Run> &spent) { return spent.isNull(); });
    m_spent.emplace_back(run);
    run->deleteLater();
    if (queued)
        QMetaObject::invokeMethod(m_context.get(), [done = std::move(done), verdict] { done(verdict); },
                                  Qt::QueuedConnection);
    else if (done)
        done(verdict);
}

void ConverterRunner::later(std::function<void()> call)
{
    QMetaObject::invokeMethod(m_context.get(), std::move(call), Qt::QueuedConnection);
}

void ConverterRunner::cancel()
{
    if (!m_run)
        return;
    m_run->child->kill();
    m_lastRun.outcome = RunOutcome::Cancelled;
    finish(0, true);
}

void ConverterRunner::startProbe(const std::vector<std::string> &argv, MediaItem &item, Done done)
{
    auto reader = std::make_shared<ProbeReader>(item);
    start(
        argv,
        [this, reader](std::string_view data) {
            m_lines.split(data, [&](std::string_view line) { reader->takeLine(line); });
        },
        [this, reader] {
            // The exit status says nothing here (a probe has no output file to
            // write, and the tool may say so in its status), but a crash is no answer.
            return m_lastRun.outcome == RunOutcome::Signalled ? 0 : reader->verdict();
        },
        m_probeTimeout, std::move(done));
}

void ConverterRunner::startMeasure(const std::vector<std::string> &argv, std::function<void(std::string_view line)> takeLine,
                                   Done done)
{
    start(
        argv,
        [this, takeLine = std::move(takeLine)](std::string_view data) { m_lines.split(data, takeLine); },
        [this] { return m_lastRun.outcome == RunOutcome::Exited && m_lastRun.exitCode == 0 ? 1 : 0; },
        std::chrono::milliseconds(0), std::move(done));
}

void ConverterRunner::startConversion(const std::vector<std::string> &argv, const MediaItem &current,
                                      ProgressDisplay &display, Done done)
{
    auto reader = std::make_shared<ProgressReader>(display, current.durationSeconds, current.sourcePath);
    const bool started = start(
        argv, [this, reader](std::string_view data) { reader->takeRead(data, m_lines); },
        [this, reader] {
            // A tool that stops half-way (disk full, encoder error) may well have
            // printed progress up to the end; its output is not to be trusted.
            if (m_lastRun.outcome != RunOutcome::Exited || m_lastRun.exitCode != 0)
                return 0;
            return reader->finish();
        },
        std::chrono::milliseconds(0), std::move(done));
    // The bar is set up once the tool runs; its output arrives only later,
    // from the event loop.
    if (started)
        reader->begin();
}
