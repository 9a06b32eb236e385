#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QString>

#include "filelist/mediaprobe.h"
#include "converter/runnerpool.h"

class AddingProgress;

// Probes the pending paths of one add operation, up to `parallel` at a time on
// a pool of its own, and adds the readable ones to the list in the order of the pending list,
// whichever probe ends first. The progress text and bar count the files
// started ("Adding file %d of %d..."). A path already listed, or already being
// probed, is passed over without a probe and without counting as a failure.
// Cancel stops at the next file boundary: no new probe starts, those running
// finish. A converter that cannot be run at all stops the operation at once
// and is reported once, not as one failure per file.
class FileAdder {
public:
    // Starts the probe of path on pool slot `slot` (0..parallel-1, each slot
    // runs one probe at a time); done is called once, later.
    using StartProbe = std::function<void(int slot, const std::string &path, std::function<void(ProbeEnd)> done)>;
    // Adds a probed item: the row, or -1 when the path is listed meanwhile.
    using AddItem = std::function<int(const std::string &path, std::unique_ptr<MediaItem> item)>;
    using IsListed = std::function<bool(const std::string &path)>;
    // The key under which two paths count as one file.
    using KeyOf = std::function<std::string(const std::string &path)>;

    FileAdder(AddingProgress &progress, int parallel, IsListed isListed, KeyOf keyOf, StartProbe startProbe,
              AddItem addItem);

    // finished is called once, after the last probe has ended. With morePending, paths
    // still arrive through addPending() until endPending(): meanwhile the progress text
    // and bar are left to whoever finds them.
    void start(std::vector<std::string> pending, std::function<void()> finished, bool morePending = false);
    void addPending(std::vector<std::string> paths);
    void endPending();
    std::size_t pendingCount() const { return m_pending.size(); }
    void cancel();
    bool isRunning() const { return m_pool.running() > 0 || (m_started && !m_done); }
    // The slots the probes run on.
    RunnerPool &pool() { return m_pool; }

    // The first ten failed paths with their reasons ("path: reason"), one per
    // line, then "<more files>...\n" once if more failed.
    const std::string &failureText() const { return m_failures; }
    // The same list as the user reads it: each reason in the user's language.
    QString displayedFailureText() const;
    // The reason the converter could not be run; empty when it could.
    const std::string &toolFailure() const { return m_toolFailure; }

private:
    struct Slot {
        bool ready = false;
        bool probed = false;
        ProbeEnd end;
    };
    void submitFrom(std::size_t first);
    bool startProbe(std::size_t index, int slot);
    void showStarted(std::size_t index);
    void takeEnd(std::size_t index, int slot, ProbeEnd end);
    void commitReady();
    void finishIfDone();

    AddingProgress &m_progress;
    RunnerPool m_pool;
    IsListed m_isListed;
    KeyOf m_keyOf;
    StartProbe m_startProbe;
    AddItem m_addItem;
    std::vector<std::string> m_pending;
    std::vector<Slot> m_results;
    std::vector<std::string> m_inFlightKeys;
    std::function<void()> m_finished;
    std::size_t m_begun = 0;  // paths handed a slot so far
    std::size_t m_committed = 0;
    int m_failureCount = 0;
    std::vector<std::pair<std::string, std::string>> m_failedPaths; // path and reason, as listed
    bool m_started = false;
    bool m_done = false;
    bool m_morePending = false;
    std::string m_failures;
    std::string m_toolFailure;
};

// The message shown for a non-empty failure text.
std::string failedFilesMessage(const std::string &failureText);
// The same message in the user's language, for a displayed failure text.
QString displayedFailedFilesMessage(const QString &failureText);
