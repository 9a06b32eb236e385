#include "filelist/mediaitemmap.h"

#include "platform/bytecase.h"

namespace {
// Room for a large list without rehashing.
constexpr size_t kBuckets = 3000;
}

MediaItemMap::MediaItemMap()
{
    m_items.reserve(kBuckets);
}

std::string MediaItemMap::keyOfPath(const std::string &path)
{
    return toUpperBytes(path);
}

MediaItem *MediaItemMap::find(const std::string &path) const
{
    const auto it = m_items.find(keyOfPath(path));
    return it == m_items.end() ? nullptr : it->second;
}

void MediaItemMap::enter(const std::string &key, MediaItem *item)
{
    m_items[key] = item;
}

void MediaItemMap::removeKey(const std::string &key)
{
    m_items.erase(key);
}

void MediaItemMap::clear()
{
    m_items.clear();
}

size_t MediaItemMap::size() const
{
    return m_items.size();
}
