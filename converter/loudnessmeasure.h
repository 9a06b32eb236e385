#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct MediaItem;

// Integrated loudness in LUFS and true peak as a linear ratio. The loudness of digital
// silence (or of audio too short to gate) is undefined.
struct LoudnessFigures {
    std::optional<double> integrated;
    double peak = 0.0;
};

// What one `kescvt -measure` run reported about a file.
struct LoudnessMeasure {
    bool complete = false;     // the loudness line was read
    LoudnessFigures figures;
    std::map<int, long> blocks; // gating-block loudness histogram: 0.1 LU bins from -70 LUFS
    std::string album;
    std::string albumArtist;
};

// Reads the lines of a measure run; lines of any other kind are passed over.
class LoudnessMeasureReader {
public:
    void takeLine(std::string_view line);
    const LoudnessMeasure &result() const { return m_result; }

private:
    LoudnessMeasure m_result;
};

// "<tool>" -measure -i "<source>" (the source prefixed "DS:\\" as it was probed).
std::vector<std::string> buildMeasureCommand(const std::string &toolPath, const MediaItem &item);

// What a conversion is asked to do about loudness, and the figures known before it.
struct LoudnessRequest {
    int mode = 0;     // 0 nothing, 1 tags, 2 normalise and tag
    int target = -18; // LUFS, for mode 2
    std::optional<LoudnessFigures> track;
    std::optional<LoudnessFigures> album;
};

// The converter's options for the request: none for mode 0, so that the command stays
// what it always was; else -loudness M [-target T] [-track-loudness L,P] [-album-loudness L,P].
std::vector<std::string> loudnessArguments(const LoudnessRequest &request);
