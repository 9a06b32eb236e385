#pragma once

#include <optional>
#include <string>
#include <vector>

// The fixed table of the 16 output formats and the 27 audio codecs.
// A format is identified everywhere by its index 0..15. FLAC and Opus came last, after
// AMR-WB, so that stored format numbers and codec positions kept their meaning.

constexpr int kFormatCount = 16;
constexpr int kCodecCount = 27;

struct FormatEntry {
    int index;
    const char *extension;        // without the dot
    const char *container;        // forced container ("-f"), or nullptr
    const char *displayName;
    const char *videoCodecList;   // nullptr in every row: no format carries video
    const char *audioCodecList;   // comma-separated, or nullptr
    const char *bitRateList;      // kbps, comma-separated, or nullptr
    const char *sampleRateList;   // Hz, comma-separated, or nullptr
    const char *channelList;      // comma-separated, or nullptr
};

struct CodecEntry {
    const char *id;               // the name the converter takes after "-acodec"
    const char *displayName;
};

// Entry by index; index must lie in 0..15.
const FormatEntry &formatEntry(int index);
// Codec by table position; position must lie in 0..26.
const CodecEntry &codecEntry(int position);
// Exact, case-sensitive lookup of a codec id; nullopt when not in the table.
std::optional<int> findCodec(const std::string &id);
// A catalogue list split at every "," (empty pieces kept); nothing for nullptr.
std::vector<std::string> splitList(const char *list);
