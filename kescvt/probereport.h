// The lines "kescvt -i INPUT" prints about a file. Shapes the caller relies on:
//   "  Duration: 00:03:25.12, start: 0.000000, bitrate: 128 kb/s"   (or "  Duration: N/A, ...")
//   "    Stream #0.0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s"
//   "    Stream #0.1: Video: h264, yuv420p, 320x240, 25 fps(r)"
// The stream id uses a dot, so the first colon after "Stream #" ends the id; the size is a
// comma field of its own; six channels read "5:1".
#pragma once

#include "ffmpegcompat.h"

#include <string>

namespace kescvt {

// Prints the report; answers how many audio and video stream lines it printed.
int printProbeReport(const AVFormatContext *ctx);

// Single lines, exposed for tests.
std::string durationLine(const AVFormatContext *ctx);
// A still picture (cover, image file) gets an "Attachment:" line, audio without a decoder
// or with rates and channels out of range an "Unusable:" line.
std::string streamLine(const AVStream *stream, bool stillPicture = false);
std::string channelsText(int channels);
std::string durationText(int64_t microseconds); // "HH:MM:SS.cc", or "N/A" when unknown

} // namespace kescvt
