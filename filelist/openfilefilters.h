#pragma once

#include <string>
#include <vector>

// The 49 filters of the Add Files dialog, in order; the first is the default.
// Each pattern is the text between the parentheses at the end of its name.
const std::vector<std::string> &openFileFilters();

// The filters as a file dialog on Linux takes them: "*.*" would skip names
// without a dot, so "All Files" gets "*", and the patterns of an entry are
// separated by blanks instead of ";".
std::vector<std::string> openFileFiltersForDialog();
