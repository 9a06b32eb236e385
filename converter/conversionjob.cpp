#include "converter/conversionjob.h"

#include "converter/conversioncommand.h"
#include "converter/converterrunner.h"
#include "converter/failurereason.h"
#include "converter/temporaryoutput.h"
#include "core/formatcatalogue.h"

#include <memory>
#include <utility>

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

// Removes the temporary output when the run's end handler goes without having
// given the file its name: also when the runner drops a run it killed without
// answering (the window destroyed mid-batch).
struct TemporaryLeftover {
    explicit TemporaryLeftover(std::string file) : path(std::move(file)) {}
    ~TemporaryLeftover()
    {
        if (!path.empty())
            temporaryoutput::remove(path);
    }
    TemporaryLeftover(const TemporaryLeftover &) = delete;
    TemporaryLeftover &operator=(const TemporaryLeftover &) = delete;
    std::string path;
};

ConversionEnd failed(std::string reason)
{
    ConversionEnd end;
    end.reason = std::move(reason);
    return end;
}

} // namespace

void startConversionJob(ConverterRunner &runner, const std::string &toolPath, MediaItem &item, int formatIndex,
                        const EncodingParams &params, ProgressDisplay &display, bool replaceAppearing,
                        std::function<void(const ConversionEnd &)> done, const LoudnessRequest &loudness, int threads)
{
    // Answered from the event loop as a run is, unless the runner is gone by then.
    auto failLater = [&runner, &done](std::string reason) {
        QMetaObject::invokeMethod(
            &runner, [done = std::move(done), end = failed(std::move(reason))] { done(end); }, Qt::QueuedConnection);
    };
    if (formatIndex < 0 || formatIndex >= kFormatCount)
        return failLater("The output format is unknown.");
    const std::string target = item.outputPath;
    // The target is replaced at the end, so it must never be the source itself.
    if (target.empty() || target == item.sourcePath || sameFile(target, item.sourcePath))
        return failLater("The target is the source file itself.");

    // A target that exists now is one the overwrite policy gave up; any other
    // file that takes the name while the tool runs is left alone.
    struct stat st {};
    const bool replace = replaceAppearing || ::lstat(target.c_str(), &st) == 0;
    const auto temporary = temporaryoutput::createBeside(target);
    if (!temporary)
        return failLater("The output folder does not take a new file.");

    const std::vector<std::string> command = buildConversionCommand(toolPath, item, *temporary,
                                                                    formatEntry(formatIndex), params, loudness, threads);
    auto leftover = std::make_shared<TemporaryLeftover>(*temporary);
    // Taken once: the runner goes on to other runs after this one.
    QObject::connect(
        &runner, &ConverterRunner::finished, &runner,
        [leftover, temporary = *temporary, target, replace, done = std::move(done)](const RunResult &result) {
            ConversionEnd end;
            end.report = result.report;
            if (!result.success) {
                end.reason = runFailureReason(result.report);
                end.toolMissing = toolCouldNotStart(result.report);
            } else if (!isNonEmptyFile(temporary)) {
                // A run that reports success but wrote nothing is no conversion.
                end.reason = "The converter wrote nothing.";
            } else if (!temporaryoutput::moveIntoPlace(temporary, target, replace)) {
                end.reason = "The finished file could not be given its name; "
                             "another file took it meanwhile.";
            } else {
                end.converted = true;
            }
            leftover->path.clear();
            if (!end.converted)
                temporaryoutput::remove(temporary);
            done(end);
        },
        Qt::SingleShotConnection);
    runner.startConversion(command, item, display);
}
