#include "batch/albumpass.h"

#include <algorithm>

#include "batch/batchprogressdisplay.h"
#include "common/pathparts.h"
#include "converter/runnerpool.h"
#include "converter/progressdisplay.h"

AlbumPass::AlbumPass(BatchProgressDisplay &display, RunnerPool &pool, Measure measure)
    : m_display(display), m_pool(pool), m_measure(std::move(measure))
{
    QObject::connect(&m_pool, &RunnerPool::drained, [this] { finishIfDone(); });
}

void AlbumPass::start(const std::vector<BatchEntry> &batch, std::function<void()> finished)
{
    m_batch = batch;
    m_measures.assign(batch.size(), LoudnessMeasure{});
    m_finished = std::move(finished);
    m_started = true;
    m_display.startLowerBar(static_cast<int>(batch.size()));
    std::vector<RunnerPool::Task> tasks;
    for (std::size_t index = 0; index < m_batch.size(); ++index)
        tasks.push_back([this, index](int slot) { return startMeasure(index, slot); });
    m_pool.submit(std::move(tasks));
}

bool AlbumPass::startMeasure(std::size_t index, int slot)
{
    m_display.setLowerText("Measuring loudness " + std::to_string(index + 1) + " of " +
                           std::to_string(m_batch.size()) + "...");
    ProgressDisplay &line = m_display.line(slot);
    line.setUpperText("Measuring " + pathparts::fileNamePart(m_batch[index].item->sourcePath) + "...");
    line.setUpperPermille(0);
    m_measure(slot, *m_batch[index].item,
              [this, index, slot](const LoudnessMeasure &measure) { take(index, slot, measure); });
    return true;
}

void AlbumPass::take(std::size_t index, int slot, const LoudnessMeasure &measure)
{
    m_measures[index] = measure;
    m_display.stepLower();
    m_display.line(slot).setUpperText("");
    m_pool.finish(slot);
}

void AlbumPass::cancel()
{
    if (isRunning())
        m_cancelled = true;
}

void AlbumPass::finishIfDone()
{
    if (m_done || !m_started || !m_pool.isIdle())
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
