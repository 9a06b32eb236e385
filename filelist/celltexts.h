#pragma once

#include <string>

// A Duration cell read back for sorting: two colons give h:m:s, one gives m:s,
// none gives the leading number alone; each part is read as atoiC reads it.
// An empty cell gives 0, so rows without a duration sort before every other.
long long durationTextSeconds(const std::string &text);
