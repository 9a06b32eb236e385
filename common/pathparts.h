#pragma once

#include <cstddef>
#include <string>

// Small text rules on paths shared by probing, command lines and output paths.
// Paths are byte strings with "/" as the separator.
namespace pathparts {

// The text after the last "/", or the whole path when it has none.
std::string fileNamePart(const std::string &path);

// The folder of a path: the text before its last "/" ("/" for a file in the
// root), or "." when the path has no "/".
std::string folderPart(const std::string &path);

// Length of the extension of a file name, dot included: from its last "." to
// the end, or 0 when the name holds no ".".
std::size_t extensionLength(const std::string &fileName);

// The extension of a path as the probe sees it (dot included, empty when none):
// taken from the file-name part; for a path without "/" the search for "."
// begins at its second character.
std::string probeExtension(const std::string &path);

// Byte-wise comparison that ignores the letter case of ASCII letters.
bool equalsIgnoreCase(const std::string &a, const std::string &b);

} // namespace pathparts
