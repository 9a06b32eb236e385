#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "batch/linestack.h"
#include "batch/outputpathresolver.h"
#include "converter/conversionjob.h"
#include "converter/loudnessmeasure.h"
#include "converter/runnerpool.h"
#include "core/mediaitem.h"

class AlbumPass;
class BatchProgressDisplay;
struct MeasuredLoudness;
class BatchStatusSink;
class ProgressDisplay;

// One file of a batch: its media item and its row in the list at the start.
struct BatchEntry {
    MediaItem *item;
    int row;
};

// A file the batch did not convert, and why.
struct BatchFailure {
    std::string name;    // the file-name part of the source
    std::string reason;
};

// The work behind each file, given by the caller so the driver's rules can be
// exercised without the converter tool.
struct BatchSteps {
    // True when a conversion of this batch that is still running writes name.
    using Reserved = std::function<bool(const std::string &name)>;
    // Sets item.outputPath, counting reserved names as existing; otherwise a
    // status text says why there is no target. note: words for the tooltip
    // about where the output goes (e.g. the documents-folder fallback).
    std::function<TargetOutcome(MediaItem &item, const Reserved &reserved, std::string &status, std::string &note)>
        resolveOutputPath;
    // Starts converting item on line `slot` of the window; done is called
    // once, later, from the event loop. replaceAppearing: the target is a name
    // another running conversion writes (the overwrite policy).
    std::function<void(int slot, MediaItem &item, ProgressDisplay &line, bool replaceAppearing,
                       std::function<void(const ConversionEnd &)> done)>
        convert;
    // Ends the conversion running on slot at once; its done follows. Unset: the
    // slot's runner in the pool is cancelled.
    std::function<void(int slot)> cancel;
    // When set, every file's loudness is measured on the lines first (the album pass),
    // and cancel ends a measure as it ends a conversion.
    std::function<void(int slot, MediaItem &item, std::function<void(const LoudnessMeasure &)> done)> measure;
};

// Converts the files of a batch in display order, at most `parallel` at once
// (the pool's slots, whose runners the steps may use): statuses in the list, one progress line per running conversion, the files
// counted below. Output paths are resolved one row at a time, when the row
// starts, and each chosen target is reserved until its conversion ends, so two
// rows never write one name. Showing and closing the window, disabling the
// main window, the wait cursor and what follows the batch belong to the caller.
//
// With parallel = 1 this is the one-at-a-time batch: the lower bar counts the
// files started, the single line is the upper part of the window. With more,
// the lower bar counts the files finished.
class BatchDriver {
public:
    BatchDriver(BatchStatusSink &sink, BatchProgressDisplay &display, int parallel, BatchSteps steps);
    ~BatchDriver();

    // Runs the batch into the format of displayName. finished is called once,
    // when the last conversion has ended (possibly before start returns, when
    // no conversion could start).
    void start(const std::vector<BatchEntry> &batch, const std::string &displayName,
               std::function<void()> finished);
    // Ends every running conversion at once: their rows say "Cancelled", rows
    // not started keep their status.
    void cancel();

    bool isRunning() const { return m_started && !m_done; }
    bool cancelled() const { return m_pool && m_pool->cancelled(); }
    int count() const { return static_cast<int>(m_batch.size()); }
    int parallel() const { return m_parallel; }
    // The slots the batch runs on; there from start() on.
    RunnerPool &pool() { return *m_pool; }
    const std::vector<BatchFailure> &failures() const { return m_failures; }
    // The files converted into the documents folder because the chosen place
    // could not be used, each with the resolution's note.
    const std::vector<BatchFailure> &fallbacks() const { return m_fallbacks; }
    // Why the converter could not be run at all; empty when it could.
    const std::string &toolFailure() const { return m_toolFailure; }

    // What the album pass found for item (nothing without a pass).
    MeasuredLoudness measuredLoudness(const MediaItem &item) const;
    // The processor cores the batch may fill (1 unless set; set before start).
    void setCores(int cores) { m_cores = std::max(cores, 1); }
    // The encoding threads of the conversion running on slot.
    int threadsOf(int slot) const;
    // A conversion that starts gets the free cores divided by the files still to start,
    // itself counted, and at least one: a lone file gets every core, a batch of more
    // files than cores one each, as many as run at once.
    static int threadShare(int freeCores, int filesToStart);

    // Refreshes the elapsed and remaining time on the window.
    void showTimes();
    std::chrono::steady_clock::duration elapsed() const;

    // The output to show in the file manager after a batch that was not
    // cancelled: the first item's outputPath, in batch order, that names an
    // existing file; empty when there is none.
    static std::string firstExistingOutput(const std::vector<BatchEntry> &batch);
    // "10 files converted", "8 converted, 2 failed": how a batch went, in a few words.
    static std::string outcomeText(int count, int failed);
    // "2 of 10 files were not converted." and one "name: reason" line each.
    static std::string failureSummary(const std::vector<BatchFailure> &failures, int count);
    // "2 of 10 files went to the Documents folder." and one "name: note" line each.
    static std::string fallbackSummary(const std::vector<BatchFailure> &fallbacks, int count);
    // One of those summaries as the user reads it: the heading and each file's
    // reason in the user's language, the file names as they are.
    static QString displayedSummary(const std::string &summary, const std::vector<BatchFailure> &files);

private:
    void submitEntries();
    void afterAlbumPass();
    bool startEntry(std::size_t index, int slot);
    void takeEnd(std::size_t index, int slot, const ConversionEnd &end);
    void fail(const BatchEntry &entry, const std::string &status, const std::string &reason);
    void finishIfDone();
    bool isReserved(const std::string &name) const;

    BatchStatusSink &m_sink;
    BatchProgressDisplay &m_display;
    int m_parallel;
    BatchSteps m_steps;
    std::vector<BatchEntry> m_batch;
    std::string m_displayName;
    std::function<void()> m_finished;
    std::unique_ptr<RunnerPool> m_pool;
    std::vector<int> m_slotThreads;        // encoding threads of each slot's conversion
    int m_cores = 1;
    std::vector<std::string> m_reserved;   // targets of the running conversions
    std::vector<BatchFailure> m_failures;
    std::vector<BatchFailure> m_fallbacks;
    std::unique_ptr<LineStack> m_lines;
    std::string m_toolFailure;
    std::chrono::steady_clock::time_point m_startTime;
    int m_finishedCount = 0;
    bool m_started = false;
    bool m_done = false;
    std::unique_ptr<AlbumPass> m_albumPass;
};
