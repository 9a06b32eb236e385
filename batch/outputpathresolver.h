#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/mediaitem.h"
#include "options/programsettings.h"

// The user's documents folder, created when missing; nothing when there is none.
using DocumentsFolderFn = std::function<std::optional<std::string>()>;

// How resolving an item's target ended.
enum class TargetOutcome {
    Resolved,  // item.outputPath holds the target
    Skipped,   // the target exists and the policy says skip: the user's choice, no failure
    Failed,    // no target can be made; the status says why
};

// Decides where the output of one item goes: the source's folder or the custom
// folder (optionally rebuilt below it from the source's folder path), the
// existing-target policy, and a proof that the folder takes a new file. When
// resolved the target is stored in item.outputPath; otherwise status holds the
// text for the row's Status cell and item.outputPath is untouched. When
// OutputFiles2MyDocuments is set, one retry into the documents folder is made.
// Nothing is created or changed under the target's own name. A name for which
// reserved answers true (the target of a conversion still running) counts as
// existing, as a file of that name would.
using ReservedNameFn = std::function<bool(const std::string &path)>;
TargetOutcome resolveOutputPath(MediaItem &item, const ProgramSettings &settings, const std::string &extension,
                       const DocumentsFolderFn &documentsFolder, std::string &status,
                       const ReservedNameFn &reserved = {});

// True when path names an existing directory; otherwise, when create is set,
// creates every missing directory along the path and reports whether the whole
// path is a directory at the end.
bool ensureFolder(const std::string &path, bool create);
