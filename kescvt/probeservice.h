// The long-lived probe mode: one process answers for many files, so that adding a
// library does not pay a process start per file.
//
// Paths arrive on standard input, each the bytes of the name ended by a NUL byte (the
// "DS:\\PATH" form included). For each one the tool prints exactly what "kescvt -i PATH"
// prints, then the end record: a NUL byte, "exit ", the status "kescvt -i PATH" would
// have ended with, and a line break. No probe line can start with a NUL byte (printed
// texts from files have their control characters blanked). The mode ends with status 0
// at the end of its input. A safeguard that must end the process (the probe deadline, a
// stop) ends it as it ends "kescvt -i": then its exit status stands for the end record.
#pragma once

#include <functional>
#include <string>

namespace kescvt {

// The option that selects the mode; it takes no other argument.
inline constexpr const char *probeServiceOption = "--probe-stdin";

// The end record of one file, as printed.
std::string probeEndRecord(int status);

// Reads names until the end of standard input, calling probe(name) for each: probe
// prints the answer and returns the exit status.
int serveProbes(const std::function<int(const std::string &name)> &probe);

} // namespace kescvt
