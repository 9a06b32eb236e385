// Freeform ("----") items in the iTunes tag list of a finished MP4 file, where players
// look for loudness figures. The MP4 muxer writes only the items it knows, so they are
// added to the file afterwards: its movie box comes last, so it can grow in place and
// no chunk offset moves.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kescvt {

using FreeformItems = std::vector<std::pair<std::string, std::string>>; // name, value

// Adds the items under the "com.apple.iTunes" domain. False when the file cannot be read
// or written, or is not laid out as the muxer writes it (movie box last, tag list there).
bool addMp4FreeformItems(const std::string &path, const FreeformItems &items);

} // namespace kescvt
