#pragma once

#include <string>

// Case conversion of byte strings that may or may not be UTF-8 (Linux file
// names need not be). Each ASCII character and each valid UTF-8 character is
// converted on its own; any byte that does not start a valid UTF-8 character is
// kept as it is. Two different byte strings that are not UTF-8 therefore never
// become equal through a byte being replaced.
std::string toUpperBytes(const std::string &text);
std::string toLowerBytes(const std::string &text);
