#pragma once

#include <string>

// The Duration cell of the file list: "mm:ss" below an hour, "h:mm:ss" from an
// hour on, nothing for an unknown (0) duration.
std::string durationText(int seconds);
