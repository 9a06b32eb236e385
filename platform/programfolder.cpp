#include "platform/programfolder.h"

#include <climits>
#include <cstdlib>
#include <memory>

std::string programFolder()
{
    // realpath() rather than readlink(): it resolves every link on the way and
    // does not truncate long paths.
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath("/proc/self/exe", nullptr), &std::free);
    if (!resolved)
        return std::string();
    std::string path(resolved.get());
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::string();
    path.resize(slash + 1);
    return path;
}

std::string converterPath()
{
    return programFolder() + "kescvt";
}
