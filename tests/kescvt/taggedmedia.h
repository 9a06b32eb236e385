// Tagged media with a cover, written and read back through FFmpeg's own muxers and
// demuxers, so that what kescvt wrote is judged by a reader other than itself.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using Tags = std::map<std::string, std::string>;

// A small PNG picture, pictureSize pixels square, encoded by FFmpeg from a gradient.
constexpr int pictureSize = 16;
std::string makePng();

// Copies the audio packets of `audioSource` into `path` (container from its extension)
// with the tags, and the PNG either as an attached cover or as a one-frame video stream.
void writeTaggedCopy(const std::string &audioSource, const std::string &path, const Tags &tags,
                     const std::string &png, bool asCover);

struct ReadBack {
    Tags tags;          // the container's tags, then the audio stream's for keys not yet found
    std::string cover;  // bytes of the first attached picture; empty when none
};
ReadBack readBack(const std::string &path);

// 24-bit PCM WAV of a sine whose low bits are all in use.
void write24BitSineWav(const std::string &path, int sampleRate, int channels, double seconds);

struct DecodedPcm {
    std::vector<int32_t> samples; // interleaved, scaled to 32 bits
    int bitsPerRawSample = 0;     // as the container states it
};
DecodedPcm decodeAll(const std::string &path);
