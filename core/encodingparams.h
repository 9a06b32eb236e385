#pragma once

#include <array>
#include <string>

#include "core/formatcatalogue.h"

class SettingsStore;

// The encoding parameters of one format. Every field is text; an empty text
// means "Auto". Field names are the stored value names.
struct EncodingParams {
    int formatIndex = 0;
    std::string VideoCodec;
    std::string VideoStandard;
    std::string VideoSize;
    std::string VideoBitRate;
    std::string VideoFrameRate;
    std::string AudioCodec;
    std::string AudioBitRate;
    std::string AudioSampleRate;
    std::string AudioChannels;
    std::string AudioVolume;

    bool operator==(const EncodingParams &) const = default;
};

using EncodingParamsSet = std::array<EncodingParams, kFormatCount>;

// The catalogue's default record of format index (0..15).
EncodingParams defaultEncodingParams(int index);
// All 16 records set to their defaults.
EncodingParamsSet defaultEncodingParamsSet();

// Loads the record of format n from "VideoParam2\n". A missing group leaves the
// record as it is; an existing group replaces every field (a missing value gives
// an empty field). n outside 0..15 does nothing.
void loadEncodingParams(SettingsStore &store, int n, EncodingParams &record);
// Writes the ten fields of the record under "VideoParam2\n".
void saveEncodingParams(SettingsStore &store, int n, const EncodingParams &record);

// The AMR-NB, AMR-WB, AAC, FLAC and Opus checks made when the Audio Options page is left.
// Returns the message to show, or the empty text when the record passes.
std::string validateEncodingParams(const EncodingParams &record);
