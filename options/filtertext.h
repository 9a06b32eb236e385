#pragma once

#include <string>

// The extension filter as the user typed it, made ready to store: blanks and
// tabs removed, every ";" turned into ",".
std::string normaliseFilterText(const std::string &text);
