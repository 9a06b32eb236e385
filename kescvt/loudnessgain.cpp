#include "loudnessgain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace kescvt {

namespace {

// Opus gains are relative to the loudness its header's output gain aims at.
constexpr double opusReference = -23.0;

std::string printed(const char *format, double value)
{
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void addFigures(AVDictionary **tags, TagPlace place, const char *which, const LoudnessFigures &figures, double gainDb)
{
    const double loudness = figures.integrated + gainDb;
    const double peak = figures.peak * std::pow(10.0, gainDb / 20.0);
    if (place == TagPlace::Opus) {
        // Q7.8 fixed point, held to what 16 bits can say.
        const long q78 = std::clamp(std::lround((opusReference - loudness) * 256.0), -32768L, 32767L);
        av_dict_set(tags, (std::string("R128_") + which + "_GAIN").c_str(), std::to_string(q78).c_str(), 0);
        return;
    }
    // Lower case is what the MP4 readers look for under their freeform atoms.
    const std::string prefix = place == TagPlace::Mp4 ? "replaygain_" : "REPLAYGAIN_";
    std::string kind = which;
    if (place == TagPlace::Mp4)
        std::transform(kind.begin(), kind.end(), kind.begin(), [](char c) { return static_cast<char>(c | 0x20); });
    const std::string gainKey = prefix + kind + (place == TagPlace::Mp4 ? "_gain" : "_GAIN");
    const std::string peakKey = prefix + kind + (place == TagPlace::Mp4 ? "_peak" : "_PEAK");
    av_dict_set(tags, gainKey.c_str(), printed("%.2f dB", replayGainReference - loudness).c_str(), 0);
    av_dict_set(tags, peakKey.c_str(), printed("%.6f", peak).c_str(), 0);
}

} // namespace

bool LoudnessFigures::defined() const
{
    return std::isfinite(integrated);
}

double normalisingGain(const LoudnessFigures &figures, double target)
{
    if (!figures.defined())
        return 0.0;
    double gain = target - figures.integrated;
    if (figures.peak > 0.0)
        gain = std::min(gain, truePeakCeiling - 20.0 * std::log10(figures.peak));
    return gain;
}

TagPlace loudnessTagPlace(const AVOutputFormat *container, AVCodecID codec)
{
    const char *name = container->name;
    if (codec == AV_CODEC_ID_OPUS)
        return TagPlace::Opus;
    for (const char *tagged : {"mp3", "mp2", "adts", "aiff", "ogg", "oga", "flac", "asf"})
        if (std::strcmp(name, tagged) == 0)
            return TagPlace::ReplayGain;
    if (std::strcmp(name, "mp4") == 0 || std::strcmp(name, "ipod") == 0)
        return TagPlace::Mp4;
    return TagPlace::None;
}

void addLoudnessTags(AVDictionary **tags, TagPlace place, const LoudnessFigures &track, const LoudnessFigures *album,
                     double gainDb)
{
    if (place == TagPlace::None || !track.defined())
        return;
    addFigures(tags, place, "TRACK", track, gainDb);
    if (album && album->defined())
        addFigures(tags, place, "ALBUM", *album, gainDb);
}

} // namespace kescvt
