#include "filelist/foldersearch.h"

#include <chrono>

#include "filelist/filecollector.h"

namespace {
// Batches are handed on at most this often, and the first at once.
constexpr std::chrono::milliseconds kBatchInterval{25};
}

FolderSearch::FolderSearch(bool filterEnabled, std::vector<std::string> filterList)
    : m_filterEnabled(filterEnabled)
    , m_filterList(std::move(filterList))
    , m_context(std::make_unique<QObject>())
{
}

FolderSearch::~FolderSearch()
{
    cancel();
}

void FolderSearch::start(std::vector<std::string> names, bool named, Found found,
                         std::function<void()> finished)
{
    cancel();
    m_stop = false;
    m_finished = false;
    m_found = std::move(found);
    m_onFinished = std::move(finished);
    m_filteredOut = 0;
    m_thread = std::thread([this, names = std::move(names), named]() mutable { run(std::move(names), named); });
}

void FolderSearch::cancel()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    // Batches already posted are passed over when they arrive.
    ++m_generation;
}

void FolderSearch::run(std::vector<std::string> names, bool named)
{
    FileCollector collector(m_filterEnabled, m_filterList);
    auto lastHanded = std::chrono::steady_clock::time_point{};
    collector.setProgress([&](std::vector<std::string> &pending) {
        const auto now = std::chrono::steady_clock::now();
        if (!pending.empty() && now - lastHanded >= kBatchInterval) {
            hand(std::exchange(pending, {}), false);
            lastHanded = now;
        }
        return !m_stop;
    });
    for (const std::string &name : names) {
        if (m_stop)
            return;
        if (named)
            collector.addNamed(name);
        else
            collector.addDropped(name);
    }
    m_filteredOut = collector.filteredOut();
    if (!m_stop)
        hand(collector.takePending(), true);
}

// Called on the search thread; the context lives on the starting thread, which runs
// the call. The generation changes only after this thread has been joined.
void FolderSearch::hand(std::vector<std::string> paths, bool last)
{
    QMetaObject::invokeMethod(
        m_context.get(),
        [this, paths = std::move(paths), last, generation = m_generation]() mutable {
            if (generation != m_generation)
                return;
            if (!paths.empty() && m_found)
                m_found(std::move(paths));
            if (last) {
                m_finished = true;
                if (m_thread.joinable())
                    m_thread.join();
                if (m_onFinished)
                    m_onFinished();
            }
        },
        Qt::QueuedConnection);
}
