#include "batch/albumpass.h"

#include <algorithm>

#include "batch/batchprogressdisplay.h"
#include "common/pathparts.h"
#include "converter/progressdisplay.h"

AlbumPass::AlbumPass(BatchProgressDisplay &display, int parallel, Measure measure,
                     std::function<void(int slot)> cancelSlot)
    : m_display(display), m_parallel(std::max(parallel, 1)), m_measure(std::move(measure)),
      m_cancelSlot(std::move(cancelSlot))
{
}

void AlbumPass::start(const std::vector<BatchEntry> &batch, std::function<void()> finished)
{
    m_batch = batch;
    m_measures.assign(batch.size(), LoudnessMeasure{});
    m_slotEntry.assign(static_cast<std::size_t>(m_parallel), -1);
    m_finished = std::move(finished);
    m_started = true;
    m_display.startLowerBar(static_cast<int>(batch.size()));
    fill();
    finishIfDone();
}

void AlbumPass::fill()
{
    while (m_running < m_parallel && m_next < m_batch.size() && !m_cancelled) {
        const std::size_t index = m_next++;
        const int slot = static_cast<int>(std::find(m_slotEntry.begin(), m_slotEntry.end(), -1) - m_slotEntry.begin());
        m_slotEntry[static_cast<std::size_t>(slot)] = static_cast<int>(index);
        ++m_running;
        m_display.setLowerText("Measuring loudness " + std::to_string(index + 1) + " of " +
                               std::to_string(m_batch.size()) + "...");
        ProgressDisplay &line = m_display.line(slot);
        line.setUpperText("Measuring " + pathparts::fileNamePart(m_batch[index].item->sourcePath) + "...");
        line.setUpperPermille(0);
        m_measure(slot, *m_batch[index].item,
                  [this, index, slot](const LoudnessMeasure &measure) { take(index, slot, measure); });
    }
}

void AlbumPass::take(std::size_t index, int slot, const LoudnessMeasure &measure)
{
    m_measures[index] = measure;
    m_slotEntry[static_cast<std::size_t>(slot)] = -1;
    --m_running;
    m_display.stepLower();
    m_display.line(slot).setUpperText("");
    fill();
    finishIfDone();
}

void AlbumPass::cancel()
{
    if (!isRunning() || m_cancelled)
        return;
    m_cancelled = true;
    for (std::size_t slot = 0; slot < m_slotEntry.size(); ++slot)
        if (m_slotEntry[slot] >= 0 && m_cancelSlot)
            m_cancelSlot(static_cast<int>(slot));
    finishIfDone();
}

void AlbumPass::finishIfDone()
{
    if (m_done || !m_started || m_running > 0 || (m_next < m_batch.size() && !m_cancelled))
        return;
    m_done = true;
    m_albums = albumFiguresOf(m_measures);
    if (m_finished)
        m_finished();
}

MeasuredLoudness AlbumPass::measured(std::size_t index) const
{
    MeasuredLoudness found;
    if (index >= m_measures.size() || !m_measures[index].complete)
        return found;
    found.track = m_measures[index].figures;
    if (index < m_albums.size())
        found.album = m_albums[index];
    return found;
}

std::string AlbumPass::noteFor(std::size_t index) const
{
    if (index < m_measures.size() && m_measures[index].complete && !m_measures[index].figures.integrated)
        return "Loudness undefined (digital silence): no loudness tags were written.";
    return {};
}
