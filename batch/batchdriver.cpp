#include "batch/batchdriver.h"

#include <algorithm>
#include <cstdio>

#include <sys/stat.h>


#include "batch/albumpass.h"
#include "batch/batchprogressdisplay.h"
#include "batch/linestack.h"
#include "batch/batchstatussink.h"
#include "common/pathparts.h"
#include "converter/failurereason.h"
#include "platform/bytetext.h"
#include "converter/progressdisplay.h"

namespace {

// A conversion only counts when its output is there and holds something.
bool outputHasData(const std::string &path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && st.st_size != 0;
}

bool exists(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// "Converting %d of %d file(s) to %s..."
std::string lowerText(int number, int count, const std::string &displayName)
{
    return "Converting " + std::to_string(number) + " of " + std::to_string(count)
           + " file(s) to " + displayName + "...";
}

std::string clock(long long seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

} // namespace

BatchDriver::BatchDriver(BatchStatusSink &sink, BatchProgressDisplay &display, int parallel, BatchSteps steps)
    : m_sink(sink), m_display(display), m_parallel(std::max(parallel, 1)), m_steps(std::move(steps))
{
}

BatchDriver::~BatchDriver() = default;

void BatchDriver::start(const std::vector<BatchEntry> &batch, const std::string &displayName,
                        std::function<void()> finished)
{
    m_batch = batch;
    m_displayName = displayName;
    m_finished = std::move(finished);
    m_started = true;
    m_startTime = std::chrono::steady_clock::now();
    // More lines than files would only stay empty.
    m_parallel = std::clamp(m_parallel, 1, std::max(count(), 1));
    m_pool = std::make_unique<RunnerPool>(m_parallel);
    if (m_steps.cancel)
        m_pool->setCancelSlot(m_steps.cancel);
    QObject::connect(m_pool.get(), &RunnerPool::drained, [this] { finishIfDone(); });
    m_slotThreads.assign(static_cast<std::size_t>(m_parallel), 0);
    m_display.setLineCount(m_parallel);
    m_lines = std::make_unique<LineStack>(m_display, m_parallel);
    m_display.startLowerBar(count());
    if (m_parallel > 1)
        showTimes();
    if (m_steps.measure) {
        m_albumPass = std::make_unique<AlbumPass>(m_display, *m_pool, m_steps.measure);
        m_albumPass->start(m_batch, [this] { afterAlbumPass(); });
        return;
    }
    submitEntries();
}

void BatchDriver::afterAlbumPass()
{
    if (m_albumPass->cancelled()) {
        finishIfDone();
        return;
    }
    m_display.startLowerBar(count());
    submitEntries();
}

MeasuredLoudness BatchDriver::measuredLoudness(const MediaItem &item) const
{
    for (std::size_t i = 0; m_albumPass && i < m_batch.size(); ++i)
        if (m_batch[i].item == &item)
            return m_albumPass->measured(i);
    return {};
}

void BatchDriver::submitEntries()
{
    std::vector<RunnerPool::Task> tasks;
    for (std::size_t index = 0; index < m_batch.size(); ++index)
        tasks.push_back([this, index](int slot) { return startEntry(index, slot); });
    m_pool->submit(std::move(tasks));
}

bool BatchDriver::isReserved(const std::string &name) const
{
    return std::find(m_reserved.begin(), m_reserved.end(), name) != m_reserved.end();
}

bool BatchDriver::startEntry(std::size_t index, int slot)
{
    const BatchEntry &entry = m_batch[index];
    MediaItem &item = *entry.item;
    m_sink.ensureRowVisible(entry.row);
    m_sink.setStatus(entry.row, "Converting...");

    // The lower text counts the files started.
    m_display.setLowerText(lowerText(static_cast<int>(index) + 1, count(), m_displayName));
    if (m_parallel == 1)
        m_display.stepLower();
    ProgressDisplay &line = m_lines->start(slot);
    line.setUpperText("Converting " + pathparts::fileNamePart(item.sourcePath) + "...");
    line.setUpperPermille(0);

    std::string status;
    std::string note;
    const BatchSteps::Reserved reserved = [this](const std::string &name) { return isReserved(name); };
    const TargetOutcome outcome = m_steps.resolveOutputPath(item, reserved, status, note);
    if (outcome != TargetOutcome::Resolved) {
        // A target skipped by the user's own policy is no failure to report.
        if (outcome == TargetOutcome::Skipped) {
            item.outputPath.clear();
            m_sink.setStatus(entry.row, status);
        } else {
            fail(entry, status, status);
        }
        ++m_finishedCount;
        if (m_parallel > 1) {
            m_display.stepLower();
            m_lines->end(slot);
        }
        return false;
    }
    if (m_albumPass) {
        const std::string loudnessNote = m_albumPass->noteFor(index);
        note += note.empty() || loudnessNote.empty() ? loudnessNote : "\n" + loudnessNote;
    }
    const bool replaceAppearing = isReserved(item.outputPath);
    m_reserved.push_back(item.outputPath);
    int busyCores = 0;
    for (const int threads : m_slotThreads)
        busyCores += threads;
    m_slotThreads[static_cast<std::size_t>(slot)] =
        threadShare(m_cores - busyCores, count() - static_cast<int>(index));
    m_steps.convert(slot, item, line, replaceAppearing,
                    [this, index, slot, note](const ConversionEnd &end) {
                        // A success carries the resolution's note in place of a reason.
                        ConversionEnd noted = end;
                        if (end.converted)
                            noted.reason = note;
                        takeEnd(index, slot, noted);
                    });
    return true;
}

void BatchDriver::takeEnd(std::size_t index, int slot, const ConversionEnd &end)
{
    const BatchEntry &entry = m_batch[index];
    MediaItem &item = *entry.item;
    bool toolMissing = false;
    ++m_finishedCount;
    m_slotThreads[static_cast<std::size_t>(slot)] = 0;
    const auto reservation = std::find(m_reserved.begin(), m_reserved.end(), item.outputPath);
    if (reservation != m_reserved.end())
        m_reserved.erase(reservation);

    if (end.converted && outputHasData(item.outputPath)) {
        m_sink.setStatus(entry.row, pathparts::fileNamePart(item.outputPath));
        m_sink.setStatusDetail(entry.row, "Saved as " + item.outputPath + (end.reason.empty() ? "" : "\n" + end.reason));
        if (!end.reason.empty())
            m_fallbacks.push_back(BatchFailure{pathparts::fileNamePart(item.sourcePath), end.reason});
    } else if (cancelled()) {
        item.outputPath.clear();
        m_sink.setStatus(entry.row, "Cancelled");
    } else {
        toolMissing = end.toolMissing;
        if (toolMissing && m_toolFailure.empty())
            m_toolFailure = end.reason;
        fail(entry, "Conversion Failure", end.converted ? "The converter wrote nothing." : end.reason);
    }
    if (m_parallel > 1) {
        m_display.stepLower();
        m_lines->end(slot);
        showTimes();
    }
    m_pool->finish(slot, toolMissing);
}

void BatchDriver::fail(const BatchEntry &entry, const std::string &status, const std::string &reason)
{
    entry.item->outputPath.clear();
    m_sink.setStatus(entry.row, status);
    if (reason != status)
        m_sink.setStatusDetail(entry.row, reason);
    m_failures.push_back(BatchFailure{pathparts::fileNamePart(entry.item->sourcePath), reason});
}

void BatchDriver::cancel()
{
    if (!isRunning() || cancelled())
        return;
    if (m_albumPass)
        m_albumPass->cancel();
    m_pool->cancelAll();
}

void BatchDriver::finishIfDone()
{
    if (m_done || !m_started || !m_pool->isIdle() || (m_albumPass && m_albumPass->isRunning()))
        return;
    m_done = true;
    if (m_finished)
        m_finished();
}

int BatchDriver::threadShare(int freeCores, int filesToStart)
{
    return std::max(1, freeCores / std::max(filesToStart, 1));
}

int BatchDriver::threadsOf(int slot) const
{
    if (slot < 0 || static_cast<std::size_t>(slot) >= m_slotThreads.size())
        return 1;
    return std::max(m_slotThreads[static_cast<std::size_t>(slot)], 1);
}

std::chrono::steady_clock::duration BatchDriver::elapsed() const
{
    return m_started ? std::chrono::steady_clock::now() - m_startTime : std::chrono::steady_clock::duration{};
}

void BatchDriver::showTimes()
{
    const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed()).count();
    std::string text = "Elapsed " + clock(seconds) + ", ";
    // The files still to go at the pace of those done so far; until a file
    // has taken a measurable time there is no pace to tell.
    const long long remaining = m_finishedCount > 0 ? seconds * (count() - m_finishedCount) / m_finishedCount : 0;
    if (m_finishedCount >= count())
        text += "remaining " + clock(0);
    else if (remaining > 0)
        text += "remaining " + clock(remaining);
    else
        text += "estimating the time remaining...";
    m_display.setTimes(text);
}

std::string BatchDriver::firstExistingOutput(const std::vector<BatchEntry> &batch)
{
    for (const BatchEntry &entry : batch) {
        if (!entry.item->outputPath.empty() && exists(entry.item->outputPath))
            return entry.item->outputPath;
    }
    return {};
}

std::string BatchDriver::outcomeText(int count, int failed)
{
    if (failed == 0)
        return std::to_string(count) + (count == 1 ? " file converted" : " files converted");
    return std::to_string(count - failed) + " converted, " + std::to_string(failed) + " failed";
}

std::string BatchDriver::failureSummary(const std::vector<BatchFailure> &failures, int count)
{
    std::string text = std::to_string(failures.size()) + " of " + std::to_string(count) + " file"
                       + (count == 1 ? "" : "s") + (failures.size() == 1 ? " was" : " were") + " not converted.\n\n";
    for (const BatchFailure &failure : failures)
        text += failure.name + ": " + failure.reason + "\n";
    return text;
}

QString BatchDriver::displayedSummary(const std::string &summary, const std::vector<BatchFailure> &files)
{
    QString text = displayedText(displayText(summary.substr(0, summary.find("\n\n")))) + QStringLiteral("\n\n");
    for (const BatchFailure &file : files)
        text += displayText(file.name) + QStringLiteral(": ") + displayedText(displayText(file.reason)) + u'\n';
    return text;
}

std::string BatchDriver::fallbackSummary(const std::vector<BatchFailure> &fallbacks, int count)
{
    std::string text = std::to_string(fallbacks.size()) + " of " + std::to_string(count) + " file"
                       + (count == 1 ? "" : "s") + " went to the Documents folder.\n\n";
    for (const BatchFailure &fallback : fallbacks)
        text += fallback.name + ": " + fallback.reason + "\n";
    return text;
}
