#include "filelist/mediaitemmap.h"

#include "platform/fileidentity.h"

namespace {
// Room for a large list without rehashing.
constexpr size_t kBuckets = 3000;
}

MediaItemMap::MediaItemMap()
{
    m_items.reserve(kBuckets);
    m_keys.reserve(kBuckets);
}

std::string MediaItemMap::keyOfPath(const std::string &path)
{
    return fileIdentityKey(path);
}

MediaItem *MediaItemMap::find(const std::string &path) const
{
    const std::string key = keyOfPath(path);
    const auto it = m_items.find(key);
    if (it == m_items.end())
        return nullptr;
    // A listed file deleted since may have left its inode to a new file: the
    // entry counts only while the item's own path still names that file.
    if (it->second && keyOfPath(it->second->sourcePath) != key && key[0] == 'i')
        return nullptr;
    return it->second;
}

void MediaItemMap::enter(const std::string &key, MediaItem *item)
{
    if (const auto old = m_items.find(key); old != m_items.end())
        m_keys.erase(old->second);
    m_items[key] = item;
    m_keys[item] = key;
}

void MediaItemMap::removeItem(const MediaItem *item)
{
    if (const auto it = m_keys.find(item); it != m_keys.end()) {
        m_items.erase(it->second);
        m_keys.erase(it);
    }
}

void MediaItemMap::clear()
{
    m_items.clear();
    m_keys.clear();
}

size_t MediaItemMap::size() const
{
    return m_items.size();
}
