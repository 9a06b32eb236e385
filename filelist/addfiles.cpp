#include "filelist/addfiles.h"

#include <algorithm>
#include <cstdio>
#include <iterator>


#include "converter/failurereason.h"
#include "platform/bytetext.h"
#include "filelist/addingprogress.h"

namespace {
constexpr int kListedFailures = 10;

// The line leads with the path already: a reason that names the file again
// ("/x/a.txt is not a media file ...") says it once.
std::string reasonWithoutPath(const std::string &path, const std::string &reason)
{
    if (path.empty() || reason.compare(0, path.size(), path) != 0 || reason.size() <= path.size() + 1
        || reason[path.size()] != ' ')
        return reason;
    std::string rest = reason.substr(path.size() + 1);
    if (rest.compare(0, 3, "is ") == 0)
        rest.erase(0, 3);
    if (rest[0] >= 'a' && rest[0] <= 'z')
        rest[0] = static_cast<char>(rest[0] - 'a' + 'A');
    return rest;
}
}

FileAdder::FileAdder(AddingProgress &progress, int parallel, IsListed isListed, KeyOf keyOf,
                     StartProbe startProbe, AddItem addItem)
    : m_progress(progress)
    , m_pool(parallel)
    , m_isListed(std::move(isListed))
    , m_keyOf(std::move(keyOf))
    , m_startProbe(std::move(startProbe))
    , m_addItem(std::move(addItem))
{
    QObject::connect(&m_pool, &RunnerPool::drained, [this] {
        commitReady();
        finishIfDone();
    });
}

void FileAdder::start(std::vector<std::string> pending, std::function<void()> finished, bool morePending)
{
    m_pending = std::move(pending);
    m_results.clear();
    m_results.resize(m_pending.size());
    m_finished = std::move(finished);
    m_started = true;
    m_morePending = morePending;
    if (!m_morePending)
        m_progress.startBar(static_cast<int>(m_pending.size()));
    submitFrom(0);
    commitReady();
    finishIfDone();
}

void FileAdder::submitFrom(std::size_t first)
{
    std::vector<RunnerPool::Task> tasks;
    for (std::size_t index = first; index < m_pending.size(); ++index)
        tasks.push_back([this, index](int slot) { return startProbe(index, slot); });
    m_pool.submit(std::move(tasks));
}

void FileAdder::addPending(std::vector<std::string> paths)
{
    if (!m_morePending || m_done)
        return;
    const std::size_t first = m_pending.size();
    m_pending.insert(m_pending.end(), std::make_move_iterator(paths.begin()), std::make_move_iterator(paths.end()));
    m_results.resize(m_pending.size());
    submitFrom(first);
    commitReady();
}

void FileAdder::endPending()
{
    if (!m_morePending || m_done)
        return;
    m_morePending = false;
    // The bar and the text take over from the search, counting the files started so far.
    m_progress.startBar(static_cast<int>(m_pending.size()));
    for (std::size_t i = 0; i < m_begun; ++i)
        m_progress.stepBar();
    if (m_begun > 0)
        showStarted(m_begun - 1);
    commitReady();
    finishIfDone();
}

void FileAdder::showStarted(std::size_t index)
{
    char text[64];
    std::snprintf(text, sizeof text, "Adding file %zu of %zu...", index + 1, m_pending.size());
    m_progress.setText(text);
}

void FileAdder::cancel()
{
    // Stops at the next file: the probes running finish.
    m_pool.stop();
    commitReady();
    finishIfDone();
}

bool FileAdder::startProbe(std::size_t index, int slot)
{
    m_begun = index + 1;
    if (!m_morePending) {
        showStarted(index);
        m_progress.stepBar();
    }

    const std::string &path = m_pending[index];
    const std::string key = m_keyOf(path);
    if (m_isListed(path) || std::find(m_inFlightKeys.begin(), m_inFlightKeys.end(), key) != m_inFlightKeys.end()) {
        m_results[index].ready = true;
        return false;
    }
    m_inFlightKeys.push_back(key);
    m_startProbe(slot, path, [this, index, slot](ProbeEnd end) { takeEnd(index, slot, std::move(end)); });
    return true;
}

void FileAdder::takeEnd(std::size_t index, int slot, ProbeEnd end)
{
    const std::string key = m_keyOf(m_pending[index]);
    m_inFlightKeys.erase(std::find(m_inFlightKeys.begin(), m_inFlightKeys.end(), key));
    if (end.toolMissing && m_toolFailure.empty())
        m_toolFailure = end.reason;
    Slot &result = m_results[index];
    result.ready = true;
    result.probed = true;
    const bool toolMissing = end.toolMissing;
    result.end = std::move(end);
    m_pool.finish(slot, toolMissing);
    commitReady();
    finishIfDone();
}

void FileAdder::commitReady()
{
    // Rows go in pending-list order: a probe that ends early waits for those
    // before it.
    while (m_committed < m_results.size() && m_results[m_committed].ready) {
        Slot &result = m_results[m_committed];
        const std::string &path = m_pending[m_committed];
        ++m_committed;
        if (!result.probed)
            continue;
        if (result.end.item) {
            m_addItem(path, std::move(result.end.item));
            continue;
        }
        if (result.end.toolMissing)
            continue;
        if (m_failureCount < kListedFailures) {
            m_failures += path + ": " + reasonWithoutPath(path, result.end.reason) + "\n";
            m_failedPaths.emplace_back(path, result.end.reason);
        }
        else if (m_failureCount == kListedFailures)
            m_failures += "<more files>...\n";
        ++m_failureCount;
        result.end = ProbeEnd{};
    }
}

void FileAdder::finishIfDone()
{
    if (m_done || !m_started || !m_pool.isIdle())
        return;
    if (m_morePending && !m_pool.stopped() && !m_pool.toolMissing())
        return;
    m_done = true;
    if (m_finished)
        m_finished();
}

std::string failedFilesMessage(const std::string &failureText)
{
    return "Failed to load the following files.\n\n" + failureText;
}

QString FileAdder::displayedFailureText() const
{
    QString text;
    for (const auto &[path, reason] : m_failedPaths) {
        const QString name = displayText(path);
        const QString whole = QString::fromUtf8(reason);
        const QString shown = displayedText(whole);
        // A translated reason that names the file itself reads best whole.
        if (shown == whole)
            text += name + QStringLiteral(": ") + QString::fromUtf8(reasonWithoutPath(path, reason));
        else if (reason.compare(0, path.size(), path) == 0)
            text += shown;
        else
            text += name + QStringLiteral(": ") + shown;
        text += u'\n';
    }
    if (m_failureCount > kListedFailures)
        text += displayedText(QStringLiteral("<more files>...")) + u'\n';
    return text;
}

QString displayedFailedFilesMessage(const QString &failureText)
{
    return displayedText(QString::fromStdString(failedFilesMessage({}))) + failureText;
}
