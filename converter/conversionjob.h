#pragma once

#include <functional>
#include <string>

#include "converter/loudnessmeasure.h"
#include "converter/runreport.h"
#include "core/mediaitem.h"
#include "core/encodingparams.h"

class ConverterRunner;
class ProgressDisplay;

// How one conversion ended.
struct ConversionEnd {
    bool converted = false;
    std::string reason;        // plain words for a failure; empty on success
    bool toolMissing = false;  // the converter itself could not be run
    RunReport report;          // how the converter's run went (none when it was not started)
};

// Converts one item to item.outputPath, the target that output path resolution
// has just proved, on the runner (which must be idle). The converter writes a
// hidden temporary file beside the target; only a run judged a success that
// left a non-empty file replaces the target with it. On failure or Cancel
// (runner.cancel()) the temporary file is removed and an existing target stays
// as it was; the source is never touched.
//
// A target that exists when the job starts is replaced (the overwrite policy
// gave it up); so is one that appears meanwhile when replaceAppearing is set
// (another conversion of this batch writes the same name under Overwrite).
// done is called once, later, from the event loop. threads: the encoding threads the
// converter may use.
void startConversionJob(ConverterRunner &runner, const std::string &toolPath, MediaItem &item, int formatIndex,
                        const EncodingParams &params, ProgressDisplay &display, bool replaceAppearing,
                        std::function<void(const ConversionEnd &)> done, const LoudnessRequest &loudness = {}, int threads = 1);
