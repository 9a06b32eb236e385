#include "batch/batchdriver.h"

#include <sys/stat.h>

#include "batch/batchprogressdisplay.h"
#include "filelist/batchstatussink.h"
#include "common/pathparts.h"

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

} // namespace

BatchDriver::BatchDriver(BatchStatusSink &sink, BatchProgressDisplay &display, BatchSteps steps)
    : m_sink(sink), m_display(display), m_steps(std::move(steps))
{
}

bool BatchDriver::run(const std::vector<BatchEntry> &batch, const std::string &displayName)
{
    const int count = static_cast<int>(batch.size());
    m_display.startLowerBar(count);
    m_display.pumpMessages();

    m_currentNumber = 1;
    for (const BatchEntry &entry : batch) {
        MediaItem &item = *entry.item;
        m_currentItem = &item;
        m_sink.ensureRowVisible(entry.row);
        m_sink.setStatus(entry.row, "Converting...");

        m_display.setLowerText(lowerText(m_currentNumber, count, displayName));
        m_display.stepLower();
        m_display.setUpperText("Converting " + pathparts::fileNamePart(item.sourcePath) + "...");
        m_display.setUpperPosition(0);

        std::string status;
        if (m_steps.resolveOutputPath(item, status)) {
            if (m_steps.convert(item, m_display) == 1 && outputHasData(item.outputPath)) {
                m_sink.setStatus(entry.row, pathparts::fileNamePart(item.outputPath));
                m_display.pumpMessages();
                if (m_display.cancelRequested())
                    break;
                ++m_currentNumber;
                continue;
            }
            status = "Conversion Failure";
        }
        item.outputPath.clear();
        if (m_display.cancelRequested()) {
            m_sink.setStatus(entry.row, "Cancelled");
            break;
        }
        m_sink.setStatus(entry.row, status);
        ++m_currentNumber;
    }

    m_currentItem = nullptr;
    return m_display.cancelRequested();
}

std::string BatchDriver::firstExistingOutput(const std::vector<BatchEntry> &batch)
{
    for (const BatchEntry &entry : batch) {
        if (!entry.item->outputPath.empty() && exists(entry.item->outputPath))
            return entry.item->outputPath;
    }
    return {};
}
