#pragma once

#include <functional>
#include <string>
#include <vector>

#include "batch/albumloudness.h"
#include "batch/batchdriver.h"

class BatchProgressDisplay;

// The first phase of a batch that wants album figures: every file's loudness is measured
// (decoding only), at most `parallel` at once on the batch's lines, "Measuring loudness
// %d of %d..." below. Then each file's track figures and its album's are known.
class AlbumPass {
public:
    using Measure = std::function<void(int slot, MediaItem &item, std::function<void(const LoudnessMeasure &)> done)>;

    AlbumPass(BatchProgressDisplay &display, int parallel, Measure measure, std::function<void(int slot)> cancelSlot);

    // finished is called once, when the last measure has ended (after a cancel too).
    void start(const std::vector<BatchEntry> &batch, std::function<void()> finished);
    // Ends the running measures at once and starts no more.
    void cancel();
    bool isRunning() const { return m_started && !m_done; }
    bool cancelled() const { return m_cancelled; }

    // What was found for the file at index of the batch.
    MeasuredLoudness measured(std::size_t index) const;
    // Words for the row's tooltip: why a file got no loudness tags; empty otherwise.
    std::string noteFor(std::size_t index) const;

private:
    void fill();
    void take(std::size_t index, int slot, const LoudnessMeasure &measure);
    void finishIfDone();

    BatchProgressDisplay &m_display;
    int m_parallel;
    Measure m_measure;
    std::function<void(int)> m_cancelSlot;
    std::vector<BatchEntry> m_batch;
    std::vector<LoudnessMeasure> m_measures;
    std::vector<std::optional<LoudnessFigures>> m_albums;
    std::vector<int> m_slotEntry;
    std::function<void()> m_finished;
    std::size_t m_next = 0;
    int m_running = 0;
    bool m_started = false;
    bool m_done = false;
    bool m_cancelled = false;
};
