#include "hostilekit.h"

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hostile {

namespace fs = std::filesystem;

namespace {

std::uint64_t fnv1a(const std::string &bytes)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

std::string randomBytes(std::size_t count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char &c : bytes)
        c = static_cast<char>(generator() & 0xff);
    return bytes;
}

bool exists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

Tree snapshot(const std::string &root)
{
    Tree tree;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string path = it->path().string();
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            continue;
        Entry entry;
        entry.type = S_ISREG(st.st_mode) ? 'f' : S_ISDIR(st.st_mode) ? 'd' : S_ISFIFO(st.st_mode) ? 'p'
                   : S_ISLNK(st.st_mode) ? 'l' : '?';
        if (entry.type == 'f') {
            entry.size = static_cast<std::uint64_t>(st.st_size);
            if (::access(path.c_str(), R_OK) == 0)
                entry.checksum = fnv1a(readFile(path));
        }
        tree[path.substr(root.size())] = entry;
    }
    return tree;
}

std::vector<pid_t> childProcesses()
{
    std::vector<pid_t> children;
    const pid_t self = ::getpid();
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return children;
    while (const dirent *entry = ::readdir(proc)) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0)
            continue;
        const std::string stat = readFile("/proc/" + std::string(entry->d_name) + "/stat");
        // "pid (comm) state ppid ...": comm may hold anything, so read after its last ")".
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos || close + 4 >= stat.size())
            continue;
        const pid_t parent = static_cast<pid_t>(std::atoi(stat.c_str() + close + 4));
        if (parent == self)
            children.push_back(pid);
    }
    ::closedir(proc);
    return children;
}

int openDescriptorCount()
{
    int count = 0;
    DIR *fds = ::opendir("/proc/self/fd");
    if (!fds)
        return -1;
    while (const dirent *entry = ::readdir(fds)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    ::closedir(fds);
    return count - 1; // the descriptor of the listing itself
}

Watchdog::Watchdog(unsigned seconds)
{
    std::signal(SIGALRM, SIG_DFL);
    ::alarm(seconds);
}

Watchdog::~Watchdog()
{
    ::alarm(0);
}

} // namespace hostile
