#include "converter/mediaprobe.h"

#include "converter/converterrunner.h"
#include "converter/failurereason.h"
#include "filelist/medialistsink.h"
#include "common/pathparts.h"
#include "filelist/mediaitemmap.h"
#include "platform/commandline.h"

std::string probeCommand(const std::string &toolPath, const std::string &path, bool dsInput)
{
    const std::string input = dsInput ? "DS:\\\\" + path : path;
    return platform::quoteArgument(toolPath) + " -i " + platform::quoteArgument(input);
}

bool hasRealMediaExtension(const std::string &path)
{
    const std::string extension = pathparts::probeExtension(path);
    for (const char *realMedia : {".rm", ".ram", ".ra", ".rmvb"}) {
        if (pathparts::equalsIgnoreCase(extension, realMedia))
            return true;
    }
    return false;
}

namespace {

struct Probe {
    ConverterRunner &runner;
    std::string toolPath;
    std::string path;
    std::unique_ptr<MediaItem> item = std::make_unique<MediaItem>();
    std::function<void(ProbeEnd)> done;
};

void finishProbe(const std::shared_ptr<Probe> &probe, bool readable)
{
    ProbeEnd end;
    if (readable) {
        probe->item->sourcePath = probe->path;
        probe->item->outputPath.clear();
        end.item = std::move(probe->item);
    } else {
        const RunReport &report = probe->runner.lastRun();
        end.toolMissing = toolCouldNotStart(report);
        if (report.outcome == RunOutcome::Exited && report.errorLine.empty())
            end.reason = "No audio or video stream the converter can read.";
        else
            end.reason = runFailureReason(report);
    }
    probe->done(std::move(end));
}

void probePlain(const std::shared_ptr<Probe> &probe)
{
    probe->runner.startProbe(probeCommand(probe->toolPath, probe->path, false), *probe->item,
                             [probe](int verdict) { finishProbe(probe, verdict != 0); });
}

} // namespace

void startMediaProbe(ConverterRunner &runner, const std::string &toolPath, const std::string &path,
                     std::function<void(ProbeEnd)> done)
{
    auto probe = std::make_shared<Probe>(Probe{runner, toolPath, path, std::make_unique<MediaItem>(), std::move(done)});
    if (!hasRealMediaExtension(path)) {
        probePlain(probe);
        return;
    }
    runner.startProbe(probeCommand(toolPath, path, true), *probe->item, [probe](int verdict) {
        if (verdict != 0) {
            probe->item->dsInput = true;
            finishProbe(probe, true);
        } else if (toolCouldNotStart(probe->runner.lastRun())) {
            finishProbe(probe, false);
        } else {
            probePlain(probe);
        }
    });
}

int addProbedItem(const std::string &path, std::unique_ptr<MediaItem> item, MediaItemMap &map,
                  MediaListSink &sink)
{
    if (!item || map.find(path))
        return -1;
    MediaItem *entered = item.get();
    const int row = sink.addRowForItem(std::move(item));
    map.enter(MediaItemMap::keyOfPath(path), entered);
    return row;
}
