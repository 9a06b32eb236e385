#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QObject>

// Runs a FileCollector on a thread of its own, so that a large tree or a slow disk
// never holds up the window, and hands the paths it finds to the calling thread in
// batches while it searches. Everything handed on arrives through the event loop of the
// thread that started it.
class FolderSearch {
public:
    // Paths found since the last batch, in the collector's order.
    using Found = std::function<void(std::vector<std::string> paths)>;

    FolderSearch(bool filterEnabled, std::vector<std::string> filterList);
    // Stops the search and waits for its thread.
    ~FolderSearch();
    FolderSearch(const FolderSearch &) = delete;
    FolderSearch &operator=(const FolderSearch &) = delete;

    // Collects the names as dropped names (folders searched, files filtered) or, when
    // named, as names given one by one (files taken as they are). found is called for each
    // batch, then finished once, after the last batch.
    void start(std::vector<std::string> names, bool named, Found found, std::function<void()> finished);
    // Stops at the next folder and waits for the thread; nothing more is handed on and
    // finished is not called.
    void cancel();
    bool isRunning() const { return m_thread.joinable() && !m_finished; }
    // How many files the extension filter left out; read once finished has been called.
    int filteredOut() const { return m_filteredOut; }

private:
    void run(std::vector<std::string> names, bool named);
    void hand(std::vector<std::string> paths, bool last);

    bool m_filterEnabled;
    std::vector<std::string> m_filterList;
    Found m_found;
    std::function<void()> m_onFinished;
    std::unique_ptr<QObject> m_context;
    std::atomic<bool> m_stop{false};
    bool m_finished = false;
    int m_filteredOut = 0; // written by the search thread, read after it is joined
    unsigned m_generation = 0;
    std::thread m_thread;
};
