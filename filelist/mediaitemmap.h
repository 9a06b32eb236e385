#pragma once

#include <string>
#include <unordered_map>

#include "core/mediaitem.h"

// Finds the media item of a source file, so that one file is listed only once.
// The key names the file itself (see keyOfPath); the map never owns the items.
class MediaItemMap {
public:
    MediaItemMap();

    // The file's identity: device and inode when it exists, so that a name
    // reached through a link or "./" finds the listed file, while "Song.wav" and
    // "song.wav" stay two files; the exact path bytes when it does not exist.
    static std::string keyOfPath(const std::string &path);

    // The item entered for the file of path, or nullptr.
    MediaItem *find(const std::string &path) const;
    // Enters item under key, replacing any item entered under it before.
    void enter(const std::string &key, MediaItem *item);
    // Removes the entry of item, whatever its file has become since.
    void removeItem(const MediaItem *item);
    void clear();
    size_t size() const;

private:
    std::unordered_map<std::string, MediaItem *> m_items;
    std::unordered_map<const MediaItem *, std::string> m_keys;
};
