#include "filelist/mediaprobe.h"

#include "converter/converterrunner.h"
#include "converter/failurereason.h"
#include "converter/probeservice.h"
#include "filelist/medialistsink.h"
#include "common/pathparts.h"
#include "filelist/mediaitemmap.h"

std::vector<std::string> probeCommand(const std::string &toolPath, const std::string &path, bool dsInput)
{
    return {toolPath, "-i", dsInput ? "DS:\\\\" + path : path};
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

// One probe of a file, through whichever runs the converter: attempt(dsInput, item, done)
// probes one input form into the item and hands how it went to done.
struct Probe {
    std::function<void(bool dsInput, MediaItem &item, std::function<void(const RunResult &)> done)> attempt;
    std::string path;
    std::unique_ptr<MediaItem> item = std::make_unique<MediaItem>();
    std::function<void(ProbeEnd)> done;
};

void finishProbe(const std::shared_ptr<Probe> &probe, const RunResult &result)
{
    ProbeEnd end;
    if (result.success) {
        probe->item->sourcePath = probe->path;
        probe->item->outputPath.clear();
        end.item = std::move(probe->item);
    } else {
        const RunReport &report = result.report;
        end.toolMissing = toolCouldNotStart(report);
        if (result.toolStopped)
            end.reason = "The converter stopped while reading this file.";
        else if (report.outcome == RunOutcome::Exited && report.errorLine.empty())
            end.reason = "No audio or video stream the converter can read.";
        else
            end.reason = runFailureReason(report);
    }
    probe->done(std::move(end));
}

void probePlain(const std::shared_ptr<Probe> &probe)
{
    probe->attempt(false, *probe->item, [probe](const RunResult &result) { finishProbe(probe, result); });
}

void runProbe(const std::shared_ptr<Probe> &probe)
{
    if (!hasRealMediaExtension(probe->path)) {
        probePlain(probe);
        return;
    }
    probe->attempt(true, *probe->item, [probe](const RunResult &result) {
        if (result.success) {
            probe->item->dsInput = true;
            finishProbe(probe, result);
        } else if (toolCouldNotStart(result.report)) {
            finishProbe(probe, result);
        } else {
            probePlain(probe);
        }
    });
}

} // namespace

void startMediaProbe(ConverterRunner &runner, const std::string &toolPath, const std::string &path,
                     std::function<void(ProbeEnd)> done)
{
    auto probe = std::make_shared<Probe>();
    probe->attempt = [&runner, toolPath, path](bool dsInput, MediaItem &item,
                                               std::function<void(const RunResult &)> then) {
        // Taken once: the runner goes on to other runs after this one.
        QObject::connect(&runner, &ConverterRunner::finished, &runner, std::move(then), Qt::SingleShotConnection);
        runner.startProbe(probeCommand(toolPath, path, dsInput), item);
    };
    probe->path = path;
    probe->done = std::move(done);
    runProbe(probe);
}

void startMediaProbe(ProbeService &service, const std::string &path, std::function<void(ProbeEnd)> done)
{
    auto probe = std::make_shared<Probe>();
    probe->attempt = [&service, path](bool dsInput, MediaItem &item, std::function<void(const RunResult &)> then) {
        service.startProbe(dsInput ? "DS:\\\\" + path : path, item, std::move(then));
    };
    probe->path = path;
    probe->done = std::move(done);
    runProbe(probe);
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
