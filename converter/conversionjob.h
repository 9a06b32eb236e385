#pragma once

#include <string>

#include "filelist/mediaitem.h"
#include "formats/encodingparams.h"

class ConverterRunner;
class ProgressDisplay;

// Converts one item to item.outputPath, the target that output path resolution
// has just proved. The converter writes a hidden temporary file beside the
// target; only a run judged a success that left a non-empty file replaces the
// target with it. On failure or Cancel the temporary file is removed and an
// existing target stays as it was; the source is never touched.
// Returns 1 on success, 0 on failure or Cancel.
int buildAndRunConversion(ConverterRunner &runner, const std::string &toolPath, MediaItem &item,
                          int formatIndex, const EncodingParams &params, ProgressDisplay &display);
