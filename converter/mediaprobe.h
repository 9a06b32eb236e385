#pragma once

#include <string>

class ConverterRunner;
class MediaItemMap;
class MediaListSink;

// Puts one file into the list when the converter can read it. A path already
// listed (compared by its key, regardless of letter case) gives 0 and runs
// nothing. RealMedia files (".rm", ".ram", ".ra", ".rmvb") are tried in the
// "DS:\\" prefixed form first, then in the plain form on the same item; a file
// that neither form reads gives -1 and leaves no item, row or map entry.
// Otherwise the item goes to the sink, is entered into the map, and the new
// row's index is returned.
int probeAndAdd(const std::string &path, ConverterRunner &runner, const std::string &toolPath,
                MediaItemMap &map, MediaListSink &sink);

// The probe command lines: "<tool>" -i "<path>" and "<tool>" -i "DS:\\<path>",
// each path quoted so that it stays one argument.
std::string probeCommand(const std::string &toolPath, const std::string &path, bool dsInput);

// True for the RealMedia extensions, compared without regard to letter case.
bool hasRealMediaExtension(const std::string &path);
