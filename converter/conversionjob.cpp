#include "converter/conversionjob.h"

#include "converter/conversioncommand.h"
#include "converter/converterrunner.h"
#include "converter/temporaryoutput.h"
#include "formats/formatcatalogue.h"

#include <sys/stat.h>

namespace {

bool isNonEmptyFile(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

bool sameFile(const std::string &a, const std::string &b)
{
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

} // namespace

int buildAndRunConversion(ConverterRunner &runner, const std::string &toolPath, MediaItem &item,
                          int formatIndex, const EncodingParams &params, ProgressDisplay &display)
{
    if (formatIndex < 0 || formatIndex >= kFormatCount)
        return 0;
    const std::string target = item.outputPath;
    // The target is replaced at the end, so it must never be the source itself.
    if (target.empty() || target == item.sourcePath || sameFile(target, item.sourcePath))
        return 0;

    // A target that exists now is one the overwrite policy gave up; any other
    // file that takes the name while the tool runs is left alone.
    struct stat st {};
    const bool replace = ::lstat(target.c_str(), &st) == 0;
    const auto temporary = temporaryoutput::createBeside(target);
    if (!temporary)
        return 0;

    const std::string command = buildConversionCommand(toolPath, item, *temporary, formatEntry(formatIndex), params);
    int result = runner.runConversion(command, item, display);

    // A run that reports success but wrote nothing is no conversion.
    if (result != 0 && (!isNonEmptyFile(*temporary) || !temporaryoutput::moveIntoPlace(*temporary, target, replace)))
        result = 0;
    if (result == 0)
        temporaryoutput::remove(*temporary);
    return result != 0 ? 1 : 0;
}
