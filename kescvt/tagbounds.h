// Bounds on the tags a demuxer read: every later copy, print and write of them stays small
// whatever the file claims.
#pragma once

#include "ffmpegcompat.h"

#include <cstddef>
#include <string>

namespace kescvt {

// Tags kept per container or stream, and the longest key and value kept (in bytes).
constexpr int maxTags = 256;
constexpr size_t maxTagKeyBytes = 256;
constexpr size_t maxTagValueBytes = 16384;

// Cuts text to at most `bytes` at a UTF-8 character boundary, so that a truncated tag
// stays valid text.
void truncateUtf8(std::string &text, size_t bytes);

// Keeps the first maxTags tags of *dict, keys and values cut to their bounds; tags whose
// key is empty go. Throws std::bad_alloc.
void boundDictionary(AVDictionary **dict);

// The same for the container's tags and those of every stream.
void boundTags(AVFormatContext *context);

} // namespace kescvt
