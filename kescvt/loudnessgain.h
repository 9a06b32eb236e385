// What a conversion does with measured loudness: the gain that brings a track (or an
// album) to a target, and the ReplayGain figures that describe the audio written, in the
// place each container keeps them.
#pragma once

#include "ffmpegcompat.h"

namespace kescvt {

// Integrated loudness in LUFS (-infinity: undefined, e.g. digital silence) and true peak
// as a linear ratio.
struct LoudnessFigures {
    double integrated = 0.0;
    double peak = 0.0;
    bool defined() const;
};

// The ReplayGain 2.0 reference, and the ceiling the normalised true peak stays under.
constexpr double replayGainReference = -18.0;
constexpr double truePeakCeiling = -1.0;

// dB that bring the loudness to target, lowered as far as needed to keep the true peak
// at or below the ceiling; 0 when the loudness is undefined.
double normalisingGain(const LoudnessFigures &figures, double target);

enum class TagPlace { None, ReplayGain, Opus, Mp4 };
TagPlace loudnessTagPlace(const AVOutputFormat *container, AVCodecID codec);

// Adds the track figures (and the album's, when given and defined), shifted by gainDb,
// to tags as the place wants them. An undefined track adds nothing.
void addLoudnessTags(AVDictionary **tags, TagPlace place, const LoudnessFigures &track, const LoudnessFigures *album,
                     double gainDb);

} // namespace kescvt
