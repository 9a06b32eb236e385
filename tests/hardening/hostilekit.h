// Shared pieces of the hardening tests: a scratch tree, generated media, and
// the observations they make of the program from outside (file checksums, a
// snapshot of a tree, the test process's children and open descriptors).
#pragma once

#include "fakedisplay.h"
#include "scratchfolder.h"
#include "sinewav.h"

#include "converter/progressdisplay.h"
#include "core/mediaitem.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace hostile {

// 16-bit PCM WAV of a 440 Hz sine.
std::string randomBytes(std::size_t count, unsigned seed);
bool exists(const std::string &path);

// Every entry below root (not following symbolic links), by path relative to
// root, with its type and, for regular files, a checksum of the contents.
// Entries that cannot be read count by type and size only.
struct Entry {
    char type = '?';          // f file, d directory, p FIFO, l link, ? other
    std::uint64_t size = 0;
    std::uint64_t checksum = 0;
    bool operator==(const Entry &) const = default;
};
using Tree = std::map<std::string, Entry>;
Tree snapshot(const std::string &root);

// The processes whose parent is this process, zombies included.
std::vector<pid_t> childProcesses();
// The number of descriptors this process holds open.
int openDescriptorCount();

// Kills the test process if a step takes longer than the given seconds: a hang
// fails the test instead of holding the suite.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;
};

} // namespace hostile
