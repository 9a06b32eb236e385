// An ID3v2.4 tag written by the tool itself in front of MPEG audio and ADTS files, with
// the comment in a COMM frame where players look for it. Text is UTF-8, which version 2.4
// allows.
#pragma once

#include "coverart.h"

#include <string>

namespace kescvt {

// The whole tag, header included, for title, artist, album, track, date, genre and comment
// (REPLAYGAIN_* keys as TXXX frames) and the cover, if any; empty when there is nothing to write.
std::string id3v2Tag(const AVDictionary *tags, const CoverArt *cover);

} // namespace kescvt
