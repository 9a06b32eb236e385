#include "platform/fileidentity.h"

#include <sys/stat.h>

std::string fileIdentityKey(const std::string &path)
{
    struct stat st {};
    // The two kinds of key start differently, so a path never collides with a file.
    if (::stat(path.c_str(), &st) == 0)
        return "i" + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    return "p" + path;
}

bool sameFile(const std::string &a, const std::string &b)
{
    return fileIdentityKey(a) == fileIdentityKey(b);
}
