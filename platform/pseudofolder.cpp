#include "platform/pseudofolder.h"

#include <filesystem>

#include <linux/magic.h>
#include <sys/vfs.h>

namespace {

bool underFolder(const std::string &path, const std::string &folder)
{
    return path.compare(0, folder.size(), folder) == 0
        && (path.size() == folder.size() || path[folder.size()] == '/');
}

bool onPseudoFileSystem(const std::string &path)
{
    struct statfs fs {};
    if (::statfs(path.c_str(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
    case BINFMTFS_MAGIC:
        return true;
    default:
        return false;
    }
}

} // namespace

bool isPseudoFileSystemPath(const std::string &path)
{
    if (path.empty())
        return false;
    // /dev is an ordinary memory file system by its type, so it goes by name.
    const std::string normal = std::filesystem::path(path).lexically_normal().string();
    for (const char *folder : {"/proc", "/sys", "/dev"}) {
        if (underFolder(normal, folder))
            return true;
    }
    return onPseudoFileSystem(path);
}
