#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/mediaitem.h"

class ConverterRunner;
class ProbeService;
class MediaItemMap;
class MediaListSink;

// How the probe of one file ended: its new media item when the converter can
// read it, otherwise the reason in plain words.
struct ProbeEnd {
    std::unique_ptr<MediaItem> item;
    std::string reason;
    bool toolMissing = false;  // the converter itself could not be run
};

// Asks the converter what the file holds, on the runner (which must be idle).
// RealMedia files (".rm", ".ram", ".ra", ".rmvb") are tried in the "DS:\\"
// prefixed form first, then in the plain form on the same item, so whatever
// the first attempt found and the second does not report again stays. done is
// called once, later, from the event loop.
void startMediaProbe(ConverterRunner &runner, const std::string &toolPath, const std::string &path,
                     std::function<void(ProbeEnd)> done);

// The same through a probe service (idle), which answers many probes in one tool. A
// file on which the service's tool dies or ends without an answer fails with "The
// converter stopped while reading this file."
void startMediaProbe(ProbeService &service, const std::string &path, std::function<void(ProbeEnd)> done);

// Puts a probed item into the list: the new row's index, or -1 (and the item
// is dropped) when the path has been listed meanwhile. The map is the one
// place that knows what is listed.
int addProbedItem(const std::string &path, std::unique_ptr<MediaItem> item, MediaItemMap &map,
                  MediaListSink &sink);

// The probe commands, "<tool>" -i "<path>" and "<tool>" -i "DS:\\<path>" as
// commandText() shows them.
std::vector<std::string> probeCommand(const std::string &toolPath, const std::string &path, bool dsInput);

// True for the RealMedia extensions, compared without regard to letter case.
bool hasRealMediaExtension(const std::string &path);
