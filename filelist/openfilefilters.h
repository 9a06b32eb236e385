#pragma once

#include <string>
#include <vector>

// The 49 filters of the Add Files dialog, in order; the first is the default.
// Each pattern is the text between the parentheses at the end of its name.
const std::vector<std::string> &openFileFilters();

// The filters as a file dialog on Linux takes them: "*.*" would skip names
// without a dot, so "All Files" gets "*", and the patterns of an entry are
// separated by blanks instead of ";". Before them, as the default, "All
// supported files" with every pattern of the other entries.
std::vector<std::string> openFileFiltersForDialog();
