#pragma once

#include <string>

namespace platform {

// Encloses an argument in double quotes, escaping embedded quotes and the
// backslashes that precede a quote or the closing quote, so that a command
// line shown to the user reads back into the same arguments by the Windows rules
// (double quotes group, backslashes escape a following quote).
std::string quoteArgument(const std::string &argument);

} // namespace platform
