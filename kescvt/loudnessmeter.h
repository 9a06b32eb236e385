// Integrated loudness (BS.1770 with its gating) and true peak of decoded audio, measured
// by libebur128. Besides the track's own figures it keeps a histogram of the loudness of
// its 400 ms gating blocks, so that the loudness of several tracks measured in separate
// runs can be put together afterwards exactly as if they had been measured as one.
#pragma once

#include "audioconverter.h"
#include "avhandles.h"

#include <ebur128.h>

#include <map>
#include <memory>
#include <string>

namespace kescvt {

struct LoudnessResult {
    double integrated = 0.0; // LUFS; -infinity when undefined (silence, or too short)
    double truePeak = 0.0;   // linear, 1.0 is full scale
    std::map<int, long> blocks; // histogram bin -> number of gating blocks
    std::string album, albumArtist; // the source's tags, which decide what is an album
    bool defined() const;
};

// Width of a histogram bin in LU and where bin 0 starts (the absolute gate).
constexpr double blockBinWidth = 0.1;
constexpr double blockBinFloor = -70.0;

class LoudnessMeter {
public:
    LoudnessMeter();
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter &) = delete;
    LoudnessMeter &operator=(const LoudnessMeter &) = delete;

    // Takes a decoded frame; a change of rate or layout midway is resampled to the first.
    void add(const AVFrame *frame);
    LoudnessResult result();

private:
    void feed(const float *samples, int count);

    struct StateDeleter {
        void operator()(ebur128_state *state) const;
    };
    std::unique_ptr<ebur128_state, StateDeleter> m_state;
    std::unique_ptr<AudioConverter> m_converter;
    int m_channels = 0;
    long m_blockStep = 0;  // samples in 100 ms
    long m_fed = 0;        // samples fed since the last block boundary, and in all
    long m_total = 0;
    std::map<int, long> m_blocks;
};

// Decodes the best audio stream of path and measures it; throws ToolError like a
// conversion would (unreadable input, interruption).
LoudnessResult measureFile(const std::string &path);

// The measure line and the histogram line of a result.
std::string loudnessLine(const LoudnessResult &result);
std::string blocksLine(const LoudnessResult &result);

// What `kescvt -measure` prints: the loudness, histogram, album and album artist lines.
void printLoudnessReport(const std::string &path);

} // namespace kescvt
