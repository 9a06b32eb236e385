#include "converter/probeservice.h"

#include "converter/probereader.h"
#include "platform/childprocess.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

namespace {

constexpr std::string_view kErrorPrefix = "kescvt: error: ";
constexpr std::string_view kEndRecord{"\0exit ", 6};
constexpr std::size_t kReadBufferSize = 65536;
// How often the tool's end is looked for where the system gives no descriptor for it.
constexpr std::chrono::milliseconds kPassTime{100};

std::string_view withoutLineBreaks(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    return line;
}

int statusOf(std::string_view digits)
{
    int status = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9' || status > 1000)
            return -1;
        status = status * 10 + (c - '0');
    }
    return digits.empty() ? -1 : status;
}

} // namespace

ProbeService::ProbeService(std::string toolPath)
    : m_toolPath(std::move(toolPath))
    , m_context(std::make_unique<QObject>())
    , m_readBuffer(kReadBufferSize, '\0')
{
}

ProbeService::~ProbeService()
{
    endTool();
}

bool ProbeService::hasTool() const
{
    return m_child && !m_child->hasEnded();
}

bool ProbeService::startTool()
{
    endTool();
    m_lines.clear();
    m_child = std::make_unique<platform::ChildProcess>();
    m_startError.reset();
    if (!m_child->start({m_toolPath, "--probe-stdin"})) {
        m_startError = m_child->startError();
        m_child.reset();
        return false;
    }
    // Notifiers live in a holder of their own, so that one ending the tool from inside
    // its own signal is deleted later, from the event loop.
    auto *holder = new QObject(m_context.get());
    m_output = new QSocketNotifier(m_child->outputFd(), QSocketNotifier::Read, holder);
    QObject::connect(m_output, &QSocketNotifier::activated, holder, [this] { onOutput(); });
    if (m_child->endFd() >= 0) {
        m_end = new QSocketNotifier(m_child->endFd(), QSocketNotifier::Read, holder);
        QObject::connect(m_end, &QSocketNotifier::activated, holder, [this] { onEnded(); });
    } else {
        m_pass = new QTimer(holder);
        QObject::connect(m_pass, &QTimer::timeout, holder, [this] { onEnded(); });
        m_pass->start(kPassTime);
    }
    m_deadline = new QTimer(holder);
    m_deadline->setSingleShot(true);
    QObject::connect(m_deadline, &QTimer::timeout, holder, [this] {
        endTool();
        if (m_queue.empty())
            return;
        m_queue.front().report.outcome = RunOutcome::TimedOut;
        finishFront(0, false);
        if (!m_queue.empty())
            restartWithQueue();
    });
    return true;
}

void ProbeService::endTool()
{
    if (m_output) {
        QObject *holder = m_output->parent();
        for (QSocketNotifier *notifier : {m_output, m_end}) {
            if (notifier)
                notifier->setEnabled(false);
        }
        for (QTimer *timer : {m_pass, m_deadline}) {
            if (timer)
                timer->stop();
        }
        holder->disconnect();
        holder->deleteLater();
    }
    m_output = m_end = nullptr;
    m_pass = m_deadline = nullptr;
    // Kills and reaps a tool still there.
    m_child.reset();
}

void ProbeService::startProbe(const std::string &input, MediaItem &item, Done done)
{
    Pending probe{input + '\0', std::make_unique<ProbeReader>(item), std::move(done), RunReport{}};
    probe.report.outcome = RunOutcome::Exited;
    m_queue.push_back(std::move(probe));
    if (!hasTool()) {
        restartWithQueue();
        return;
    }
    if (!m_child->writeInput(m_queue.back().record)) {
        // The tool went between two probes; its end has not been seen yet.
        endTool();
        restartWithQueue();
        return;
    }
    if (m_queue.size() == 1 && m_timeout.count() > 0)
        m_deadline->start(m_timeout);
}

bool ProbeService::restartWithQueue()
{
    // A tool that ended between two probes (killed from outside) is replaced once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!startTool()) {
            failAll(false);
            return false;
        }
        bool written = true;
        for (const Pending &probe : m_queue)
            written = written && m_child->writeInput(probe.record);
        if (written) {
            if (m_timeout.count() > 0)
                m_deadline->start(m_timeout);
            return true;
        }
        endTool();
    }
    for (Pending &probe : m_queue)
        probe.report.outcome = RunOutcome::Signalled;
    failAll(true);
    return false;
}

void ProbeService::failAll(bool toolStopped)
{
    while (!m_queue.empty()) {
        if (m_startError) {
            m_queue.front().report.outcome = RunOutcome::FailedToStart;
            m_queue.front().report.startError = *m_startError;
        }
        finishFront(false, toolStopped);
    }
}

void ProbeService::onOutput()
{
    const long got = m_child->readAvailable(m_readBuffer.data(), m_readBuffer.size());
    if (got > 0)
        takeData(std::string_view(m_readBuffer.data(), static_cast<std::size_t>(got)));
    else if (m_child->outputEnded())
        m_output->setEnabled(false);
}

void ProbeService::onEnded()
{
    if (!m_child->waitForEnd(std::chrono::milliseconds(0)))
        return;
    for (long got; (got = m_child->readAvailable(m_readBuffer.data(), m_readBuffer.size())) > 0;)
        takeData(std::string_view(m_readBuffer.data(), static_cast<std::size_t>(got)));
    const bool signalled = m_child->outcome() == platform::ChildOutcome::Signalled;
    const int signal = m_child->termSignal();
    const int exitCode = m_child->exitCode();
    endTool();
    if (m_queue.empty())
        return;
    // The tool ended inside the front file. One that ended as "kescvt -i" ends (a
    // deadline, a stop) gave its status and error line; anything else stopped on it.
    RunReport &report = m_queue.front().report;
    if (signalled) {
        report.outcome = RunOutcome::Signalled;
        report.signal = signal;
    } else {
        report.exitCode = exitCode;
    }
    const bool stopped = signalled || report.errorLine.empty();
    finishFront(!signalled && m_queue.front().reader->verdict(), stopped);
    if (!m_queue.empty())
        restartWithQueue();
}

void ProbeService::takeData(std::string_view data)
{
    m_lines.split(data, [this](std::string_view line) { takeLine(line); });
}

void ProbeService::takeLine(std::string_view line)
{
    if (m_queue.empty())
        return;
    Pending &front = m_queue.front();
    if (line.starts_with(kEndRecord)) {
        front.report.exitCode = statusOf(withoutLineBreaks(line.substr(kEndRecord.size())));
        finishFront(front.reader->verdict(), false);
        if (m_deadline) {
            m_deadline->stop();
            if (!m_queue.empty() && m_timeout.count() > 0)
                m_deadline->start(m_timeout);
        }
        return;
    }
    ++front.report.reads;
    if (line.starts_with(kErrorPrefix))
        front.report.errorLine = std::string(withoutLineBreaks(line.substr(kErrorPrefix.size())));
    front.reader->takeLine(line);
}

void ProbeService::finishFront(bool success, bool toolStopped)
{
    Pending probe = std::move(m_queue.front());
    m_queue.pop_front();
    // Always from the event loop: the caller may start the next probe from done.
    QMetaObject::invokeMethod(
        m_context.get(),
        [done = std::move(probe.done), result = RunResult{std::move(probe.report), success, toolStopped}] {
            done(result);
        },
        Qt::QueuedConnection);
}
