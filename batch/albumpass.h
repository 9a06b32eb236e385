#pragma once

#include <functional>
#include <string>
#include <vector>

#include "batch/albumloudness.h"
#include "batch/batchdriver.h"

class BatchProgressDisplay;
class RunnerPool;

// The first phase of a batch that wants album figures: every file's loudness is measured
// (decoding only), on the batch's pool and lines, "Measuring loudness
// %d of %d..." below. Then each file's track figures and its album's are known.
class AlbumPass {
public:
    using Measure = std::function<void(int slot, MediaItem &item, std::function<void(const LoudnessMeasure &)> done)>;

    AlbumPass(BatchProgressDisplay &display, RunnerPool &pool, Measure measure);

    // finished is called once, when the last measure has ended (after a cancel too).
    void start(const std::vector<BatchEntry> &batch, std::function<void()> finished);
    // Counts the pass as cancelled; whoever cancels the pool ends its measures.
    void cancel();
    bool isRunning() const { return m_started && !m_done; }
    bool cancelled() const { return m_cancelled; }

    // What was found for the file at index of the batch.
    MeasuredLoudness measured(std::size_t index) const;
    // Words for the row's tooltip: why a file got no loudness tags; empty otherwise.
    std::string noteFor(std::size_t index) const;

private:
    bool startMeasure(std::size_t index, int slot);
    void take(std::size_t index, int slot, const LoudnessMeasure &measure);
    void finishIfDone();

    BatchProgressDisplay &m_display;
    RunnerPool &m_pool;
    Measure m_measure;
    std::vector<BatchEntry> m_batch;
    std::vector<LoudnessMeasure> m_measures;
    std::vector<std::optional<LoudnessFigures>> m_albums;
    std::function<void()> m_finished;
    bool m_started = false;
    bool m_done = false;
    bool m_cancelled = false;
};
