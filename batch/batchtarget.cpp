#include "batch/batchtarget.h"

TargetOutcome resolveBatchTarget(MediaItem &item, const ProgramSettings &settings, const std::string &extension,
                        const DocumentsFolderFn &documentsFolder, const ReservedNameFn &reserved,
                        std::string &status, std::string &note)
{
    if (settings.OutputFiles2MyDocuments == 0)
        return resolveOutputPath(item, settings, extension, documentsFolder, status, reserved);
    // The chosen place alone first, to learn whether the fallback was taken.
    ProgramSettings chosenOnly = settings;
    chosenOnly.OutputFiles2MyDocuments = 0;
    std::string chosenStatus;
    const TargetOutcome chosen = resolveOutputPath(item, chosenOnly, extension, documentsFolder, chosenStatus, reserved);
    if (chosen != TargetOutcome::Failed) {
        status = chosenStatus;
        return chosen;
    }
    const TargetOutcome fallback = resolveOutputPath(item, settings, extension, documentsFolder, status, reserved);
    if (fallback == TargetOutcome::Resolved)
        note = chosenStatus + ", so the file went to the Documents folder instead.";
    return fallback;
}
