// What the command line asks for.
#pragma once

#include "loudnessgain.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kescvt {

struct ToolOptions {
    std::string input;      // path to read, the "DS:\\" prefix already removed
    std::string output;     // empty: probe only
    bool progress = false;  // -@: print "|Time>>>" lines
    bool overwrite = false; // -y
    bool dropVideo = false; // -vn (video is never written; kept for completeness)
    std::string container;  // -f
    std::string codec;      // -acodec, a catalogue codec id or an FFmpeg encoder name
    int sampleRate = 0;     // -ar, 0: keep the source's
    int64_t bitRate = 0;    // -ab in bits per second, 0: the encoder's default
    int channels = 0;       // -ac, 0: the source's, mixed down if the encoder needs it
    int volume = 256;       // -vol, 256 is unity gain
    bool measure = false;   // -measure: print the loudness of INPUT, write nothing
    int loudness = 0;       // -loudness: 0 as before, 1 loudness tags, 2 normalised audio and tags
    int loudnessTarget = -18; // -target LUFS, for -loudness 2
    // -track-loudness / -album-loudness "LUFS,PEAK" (LUFS may be "undefined"): figures
    // measured before; the track's spare the pass that measures them, the album's
    // become album tags and, with -loudness 2, the gain.
    std::optional<LoudnessFigures> track;
    std::optional<LoudnessFigures> album;
    int threads = 1;        // -threads, encoding threads; 0: one per core
    int64_t segmentSamples = 0; // samples per block of a parallel run; 0: the tool's choice (tests set it)
};

// Reads argv. Options may come in any order; the one argument that is not an option
// is the output path. Throws ToolError(ExitUsage) with a one-line reason.
ToolOptions parseToolOptions(int argc, char **argv);

// The input path of an "-i" value: the prefixed form "DS:\\PATH" names PATH.
std::string stripInputPrefix(const std::string &value);

} // namespace kescvt
