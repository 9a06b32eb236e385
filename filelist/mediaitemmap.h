#pragma once

#include <string>
#include <unordered_map>

#include "filelist/mediaitem.h"

// Finds the media item of a source path, so that one file is listed only once.
// The key is the path upper-cased (see keyOfPath); the map never owns the items.
class MediaItemMap {
public:
    MediaItemMap();

    // The path upper-cased character by character: ASCII and valid UTF-8
    // characters are converted, any other byte is kept, so two different names
    // that are not UTF-8 never share a key.
    static std::string keyOfPath(const std::string &path);

    // The item entered under the key of path, or nullptr.
    MediaItem *find(const std::string &path) const;
    // Enters item under key, replacing any item entered under it before.
    void enter(const std::string &key, MediaItem *item);
    void removeKey(const std::string &key);
    void clear();
    size_t size() const;

private:
    std::unordered_map<std::string, MediaItem *> m_items;
};
