#pragma once

#include <string>

#include "batch/outputpathresolver.h"

// Output path resolution for a row of a batch: as resolveOutputPath, and when
// the output goes to the documents folder because the chosen place could not
// be used, note says so and why (for the row's tooltip); otherwise note stays
// empty.
TargetOutcome resolveBatchTarget(MediaItem &item, const ProgramSettings &settings, const std::string &extension,
                        const DocumentsFolderFn &documentsFolder, const ReservedNameFn &reserved,
                        std::string &status, std::string &note);
