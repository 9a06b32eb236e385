#pragma once

#include <string>

// Texts of the file list's cells and the reading of them back for sorting.

// What follows the last "/" of a path, or the whole path when it has none.
std::string fileNamePart(const std::string &path);

// "%02d:%02d" below an hour, "%d:%02d:%02d" from an hour on, empty for 0 or less.
std::string durationCellText(int seconds);

// A Duration cell read back: two colons give h:m:s, one gives m:s, none gives
// the leading number alone; each part is read as atoi reads it. Empty gives 0.
long long durationTextSeconds(const std::string &text);
