// Output lines of the tool. The caller reads stdout and stderr through one pipe, so every
// line is flushed as it is written and the two streams keep their order.
#pragma once

#include <cstdint>
#include <string>

namespace kescvt {

// An information line on stdout (probe lines, progress lines).
void printLine(const std::string &line);
// A notice about an adjusted value, on stderr, prefixed "kescvt: ".
void printNotice(const std::string &text);
// The single error line of a failed run, on stderr, prefixed "kescvt: error: ".
void printError(const std::string &text);
// A text from a file (tag, name) made safe to print on one line: control characters
// become blanks, so a crafted tag cannot forge a "Duration:" or "Stream #" line.
std::string printable(const std::string &text);
// A bit rate in kbit/s as the command line writes it: 128000 gives "128", 6700 "6.7".
std::string kbpsText(int64_t bitsPerSecond);
// The text of an FFmpeg error code.
std::string errorText(int averror);

} // namespace kescvt
