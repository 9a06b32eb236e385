#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits text at every separator into its pieces, in order, empty pieces kept.
// Nothing for an empty text or a NUL separator.
std::vector<std::string> fieldSplit(std::string_view text, char separator);
