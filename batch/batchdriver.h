#pragma once

#include <functional>
#include <string>
#include <vector>

#include "filelist/mediaitem.h"

class BatchProgressDisplay;
class BatchStatusSink;
class ProgressDisplay;

// One file of a batch: its media item and its row in the list at the start.
struct BatchEntry {
    MediaItem *item;
    int row;
};

// The work behind each file, given by the caller so the loop's rules can be
// exercised without the converter tool.
struct BatchSteps {
    // Sets item.outputPath; false with a status text when no target can be made.
    std::function<bool(MediaItem &item, std::string &status)> resolveOutputPath;
    // Builds the command line and runs the converter; 1 success, 0 failure or cancel.
    std::function<int(MediaItem &item, ProgressDisplay &display)> convert;
};

// Converts the files of a batch one after another: statuses in the list,
// texts and bars in the progress window, Cancel honoured between and during
// files. Showing and closing the window, disabling the main window, the wait
// cursor and opening the file manager afterwards belong to the caller.
class BatchDriver {
public:
    BatchDriver(BatchStatusSink &sink, BatchProgressDisplay &display, BatchSteps steps);

    // Runs the batch into the format of displayName; returns true when it was
    // cancelled.
    bool run(const std::vector<BatchEntry> &batch, const std::string &displayName);

    // The output to show in the file manager after a batch that was not
    // cancelled: the first item's outputPath, in batch order, that names an
    // existing file; empty when there is none.
    static std::string firstExistingOutput(const std::vector<BatchEntry> &batch);

    // The batch cursor: the item being converted and its 1-based number.
    MediaItem *currentItem() const { return m_currentItem; }
    int currentNumber() const { return m_currentNumber; }

private:
    BatchStatusSink &m_sink;
    BatchProgressDisplay &m_display;
    BatchSteps m_steps;
    MediaItem *m_currentItem = nullptr;
    int m_currentNumber = 0;
};
