#include "converter/converterrunner.h"

#include "converter/probereader.h"
#include "converter/progressdisplay.h"
#include "converter/progressreader.h"
#include "core/mediaitem.h"
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
// with it; it is deleted from the event loop, never from inside their signals,
// or with the runner, its parent, when that goes first.
class ConverterRunner::Run : public QObject {
public:
    std::unique_ptr<platform::ChildProcess> child = std::make_unique<platform::ChildProcess>();
    QSocketNotifier *output = nullptr;
    QSocketNotifier *end = nullptr;
    QTimer *pass = nullptr;
    QTimer *deadline = nullptr;
    std::function<void(std::string_view)> takeData;
    std::function<bool()> judge;

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

ConverterRunner::ConverterRunner(QObject *parent)
    : QObject(parent)
    , m_readBuffer(readBufferSize)
{
}

ConverterRunner::~ConverterRunner()
{
    // The child's destructor kills and reaps a tool still running; ended runs
    // not yet deleted go with the runner, their parent.
    delete m_run;
}

bool ConverterRunner::start(const std::vector<std::string> &argv, std::function<void(std::string_view)> takeData,
                            std::function<bool()> judge, std::chrono::milliseconds timeout)
{
    if (m_run) {
        // One run at a time per runner; a second start is a caller's mistake
        // and is refused without disturbing the run in progress, whose end
        // stays the one `finished` reports.
        return false;
    }
    m_report = RunReport{};
    m_lines.clear();
    m_errorLines.clear();

    m_run = new Run;
    m_run->setParent(this);
    m_run->takeData = std::move(takeData);
    m_run->judge = std::move(judge);
    platform::ChildProcess &child = *m_run->child;
    if (!child.start(argv)) {
        m_report.outcome = RunOutcome::FailedToStart;
        m_report.startError = child.startError();
        finish(false, true);
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
            m_report.outcome = RunOutcome::TimedOut;
            finish(false, false);
        });
        m_run->deadline->start(timeout);
    }
    return true;
}

void ConverterRunner::takeData(std::string_view data)
{
    ++m_report.reads;
    m_errorLines.split(data, [this](std::string_view line) {
        if (line.starts_with(kErrorPrefix))
            m_report.errorLine = std::string(withoutLineBreaks(line.substr(kErrorPrefix.size())));
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
        m_report.outcome = RunOutcome::Signalled;
        m_report.signal = child.termSignal();
    } else {
        m_report.outcome = RunOutcome::Exited;
        m_report.exitCode = child.exitCode();
    }
    finish(m_run->judge(), false);
}

void ConverterRunner::finish(bool success, bool queued)
{
    Run *run = m_run;
    m_run = nullptr;
    run->close();
    run->deleteLater();
    const RunResult result{m_report, success};
    // Queued calls made on the runner die with it.
    if (queued)
        QMetaObject::invokeMethod(this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
    else
        emit finished(result);
}

void ConverterRunner::cancel()
{
    if (!m_run)
        return;
    m_run->child->kill();
    m_report.outcome = RunOutcome::Cancelled;
    finish(false, true);
}

void ConverterRunner::startProbe(const std::vector<std::string> &argv, MediaItem &item)
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
            return m_report.outcome != RunOutcome::Signalled && reader->verdict();
        },
        m_probeTimeout);
}

void ConverterRunner::startMeasure(const std::vector<std::string> &argv, std::function<void(std::string_view line)> takeLine)
{
    start(
        argv,
        [this, takeLine = std::move(takeLine)](std::string_view data) { m_lines.split(data, takeLine); },
        [this] { return m_report.outcome == RunOutcome::Exited && m_report.exitCode == 0; },
        std::chrono::milliseconds(0));
}

void ConverterRunner::startConversion(const std::vector<std::string> &argv, const MediaItem &current,
                                      ProgressDisplay &display)
{
    auto reader = std::make_shared<ProgressReader>(display, current.durationSeconds, current.sourcePath);
    const bool started = start(
        argv, [this, reader](std::string_view data) { reader->takeRead(data, m_lines); },
        [this, reader] {
            // A tool that stops half-way (disk full, encoder error) may well have
            // printed progress up to the end; its output is not to be trusted.
            if (m_report.outcome != RunOutcome::Exited || m_report.exitCode != 0)
                return false;
            return reader->finish() != 0;
        },
        std::chrono::milliseconds(0));
    // The bar is set up once the tool runs; its output arrives only later,
    // from the event loop.
    if (started)
        reader->begin();
}
