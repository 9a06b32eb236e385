#include "filelist/filecollector.h"

#include <algorithm>
#include <set>
#include <utility>

#include <strings.h>

#include <dirent.h>
#include <sys/stat.h>

#include "filelist/shortcutreader.h"
#include "platform/pseudofolder.h"

namespace {

std::string joinPath(const std::string &folder, const char *name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

bool isDots(const char *name)
{
    return (name[0] == '.' && name[1] == '\0') || (name[0] == '.' && name[1] == '.' && name[2] == '\0');
}

// Name order as a case-insensitive file system lists its entries: letters
// compared without regard to case, then byte for byte.
bool nameOrder(const std::string &a, const std::string &b)
{
    const int folded = strcasecmp(a.c_str(), b.c_str());
    return folded != 0 ? folded < 0 : a < b;
}

// Entry names of a folder in name order; none when it cannot be read.
std::vector<std::string> listEntries(const std::string &folder)
{
    std::vector<std::string> names;
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        if (!isDots(entry->d_name))
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), nameOrder);
    return names;
}

} // namespace

FileCollector::FileCollector(bool filterEnabled, std::vector<std::string> filterList)
    : m_filterEnabled(filterEnabled), m_filterList(std::move(filterList))
{
}

std::vector<std::string> FileCollector::takePending()
{
    return std::exchange(m_pending, {});
}

std::string FileCollector::extensionKey(const std::string &path)
{
    const auto slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return {};
    std::string key = path.substr(dot + 1);
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return key;
}

bool FileCollector::passesFilter(const std::string &key) const
{
    return std::find(m_filterList.begin(), m_filterList.end(), key) != m_filterList.end();
}

void FileCollector::filterPath(const std::string &path)
{
    if (!m_filterEnabled) {
        m_pending.push_back(path);
        return;
    }
    std::string current = path;
    for (int followed = 0;; ++followed) {
        const std::string key = extensionKey(current);
        if (passesFilter(key)) {
            m_pending.push_back(current);
            return;
        }
        if (strcasecmp(key.c_str(), "lnk") != 0 || followed >= kMaxShortcutChain) {
            ++m_filteredOut;
            return;
        }
        const auto target = ShortcutReader::resolve(current);
        if (!target) {
            ++m_filteredOut;
            return;
        }
        current = *target;
    }
}

void FileCollector::searchFolder(const std::string &folder)
{
    std::set<FolderId> seen;
    m_stopped = false;
    searchTree(folder, seen);
}

// Each folder's files, then its subfolders in name order, each searched whole before
// the next: the files come in the order of a depth-first walk and can be handed on as
// they are found. Folders are entered through symbolic links too; each is searched
// once, so a link back up the tree ends there. The kernel's pseudo folders (a link to
// "/" leads into /proc) hold no media, and some of their files never end.
void FileCollector::searchTree(const std::string &folder, std::set<FolderId> &seen)
{
    struct stat st;
    if (m_stopped || ::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        !seen.insert({st.st_dev, st.st_ino}).second)
        return;
    if (isPseudoFileSystemPath(folder))
        return;
    std::vector<std::string> subfolders;
    for (const std::string &name : listEntries(folder)) {
        std::string path = joinPath(folder, name.c_str());
        if (::stat(path.c_str(), &st) != 0)
            continue;
        if (S_ISREG(st.st_mode))
            filterPath(path);
        else if (S_ISDIR(st.st_mode))
            subfolders.push_back(std::move(path));
    }
    if (m_progress && !m_progress(m_pending))
        m_stopped = true;
    for (const std::string &subfolder : subfolders)
        searchTree(subfolder, seen);
}

void FileCollector::addDropped(const std::string &name)
{
    // A dropped link to a folder was chosen by the user and is followed.
    struct stat st;
    if (name.empty() || ::stat(name.c_str(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode))
        searchFolder(name);
    else if (S_ISREG(st.st_mode))
        filterPath(name);
}

void FileCollector::addNamed(const std::string &name)
{
    struct stat st;
    if (!name.empty() && ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        m_pending.push_back(name);
    else
        addDropped(name);
}
