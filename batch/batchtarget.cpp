#include "batch/batchtarget.h"

bool resolveBatchTarget(MediaItem &item, const ProgramSettings &settings, const std::string &extension,
                        const DocumentsFolderFn &documentsFolder, const ReservedNameFn &reserved,
                        std::string &status, std::string &note)
{
    if (settings.OutputFiles2MyDocuments == 0)
        return resolveOutputPath(item, settings, extension, documentsFolder, status, reserved);
    // The chosen place alone first, to learn whether the fallback was taken.
    ProgramSettings chosenOnly = settings;
    chosenOnly.OutputFiles2MyDocuments = 0;
    std::string chosenStatus;
    if (resolveOutputPath(item, chosenOnly, extension, documentsFolder, chosenStatus, reserved))
        return true;
    if (!resolveOutputPath(item, settings, extension, documentsFolder, status, reserved))
        return false;
    note = chosenStatus + ", so the file went to the Documents folder instead.";
    return true;
}
