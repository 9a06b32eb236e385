// The length of an AMR file. The AMR demuxer guesses it from the bit rate, which is wrong
// whenever the mode changes or frames carry no speech; frames are counted instead: each is
// 20 ms, and its size follows from its first byte.
#pragma once

#include "ffmpegcompat.h"

#include <cstdint>

namespace kescvt {

// Sets the duration of an opened AMR-NB or AMR-WB file (its only stream and the
// container) from the frames in the first `readEnd` bytes of `fd`; any other file, or
// one whose frames cannot be counted, is left as the demuxer saw it.
void setAmrDuration(AVFormatContext *ctx, int fd, int64_t readEnd);

} // namespace kescvt
