#pragma once

#include <functional>
#include <string>
#include <vector>

class AddingProgress;

// Probe and add of one path: a row index (0 or more) when added, 0 for a path
// already listed, -1 when the file cannot be read.
using ProbeAndAddFn = std::function<int(const std::string &path)>;

// Runs probe and add on the pending paths in order, moving the progress
// window's text and bar, pumping messages after each file and stopping at the
// next file boundary after Cancel. Returns the failure text: the first ten
// failed paths, one per line, then "<more files>...\n" once if more failed.
std::string addFilesWithProgress(const std::vector<std::string> &pending, AddingProgress &progress,
                                 const ProbeAndAddFn &probeAndAdd);

// The message shown for a non-empty failure text.
std::string failedFilesMessage(const std::string &failureText);
