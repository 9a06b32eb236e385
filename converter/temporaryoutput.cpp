#include "converter/temporaryoutput.h"

#include "common/pathparts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <vector>

namespace temporaryoutput {

namespace {

constexpr const char *kMarker = ".snvtmp-XXXXXX";
constexpr std::size_t kNameMax = NAME_MAX;

mode_t newFileMode(const std::string &target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    // umask can only be read by setting it; one thread, so the dance is safe.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Cuts a byte string to at most n bytes without splitting a UTF-8 sequence.
std::string cutName(const std::string &s, std::size_t n)
{
    if (s.size() <= n)
        return s;
    std::size_t end = n;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
        --end;
    return s.substr(0, end);
}

} // namespace

std::optional<std::string> createBeside(const std::string &target)
{
    const std::string name = pathparts::fileNamePart(target);
    if (name.empty())
        return std::nullopt;
    const std::size_t extLength = pathparts::extensionLength(name);
    const std::string extension = name.substr(name.size() - extLength);
    std::string stem = name.substr(0, name.size() - extLength);

    const std::size_t fixed = 1 + std::char_traits<char>::length(kMarker) + extension.size();
    if (fixed > kNameMax)
        return std::nullopt;
    stem = cutName(stem, kNameMax - fixed);

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string pattern = folder + "." + stem + kMarker + extension;

    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkostemps(buffer.data(), static_cast<int>(extension.size()), O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    ::fchmod(fd, newFileMode(target));
    ::close(fd);
    return std::string(buffer.data(), pattern.size());
}

bool moveIntoPlace(const std::string &temporaryPath, const std::string &target, bool replace)
{
    if (replace)
        return ::rename(temporaryPath.c_str(), target.c_str()) == 0;
    if (::renameat2(AT_FDCWD, temporaryPath.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link refuses an existing
    // name just as well.
    if (::link(temporaryPath.c_str(), target.c_str()) == 0) {
        ::unlink(temporaryPath.c_str());
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)
        return false;
    // Neither is offered (FAT, some network shares): check, then move.
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0)
        return false;
    return ::rename(temporaryPath.c_str(), target.c_str()) == 0;
}

void remove(const std::string &temporaryPath)
{
    if (!temporaryPath.empty())
        ::unlink(temporaryPath.c_str());
}

} // namespace temporaryoutput
