#include "converter/mediaprobe.h"

#include "converter/converterrunner.h"
#include "filelist/medialistsink.h"
#include "common/pathparts.h"
#include "filelist/mediaitemmap.h"
#include "platform/commandline.h"

#include <memory>

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

int probeAndAdd(const std::string &path, ConverterRunner &runner, const std::string &toolPath,
                MediaItemMap &map, MediaListSink &sink)
{
    if (map.find(path))
        return 0;

    auto item = std::make_unique<MediaItem>();
    // The plain attempt reuses the item, so whatever the prefixed attempt found
    // and the plain one does not report again stays.
    if (hasRealMediaExtension(path) && runner.runProbe(probeCommand(toolPath, path, true), *item) != 0) {
        item->dsInput = true;
    } else if (runner.runProbe(probeCommand(toolPath, path, false), *item) == 0) {
        return -1;
    }
    item->sourcePath = path;
    item->outputPath.clear();

    MediaItem *entered = item.get();
    const int row = sink.addRowForItem(std::move(item));
    map.enter(MediaItemMap::keyOfPath(path), entered);
    return row;
}
