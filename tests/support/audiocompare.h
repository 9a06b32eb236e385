#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Decoded audio and how close it is to a source, for judging encoders (and the joins of
// segments encoded apart) by ear-like figures rather than by bytes.
struct DecodedAudio {
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved
    int64_t frames() const { return channels > 0 ? static_cast<int64_t>(samples.size()) / channels : 0; }
};

// Decodes the best audio stream of a file to float at its own rate, or at `rate` when
// given; empty on failure.
DecodedAudio decodeAudio(const std::string &path, int rate = 0);

struct Closeness {
    double snr = 0.0;         // dB over the whole length
    double worstWindow = 0.0; // dB in the worst 50 ms window that holds signal
    int lag = 0;              // samples the decoded audio runs late
};

// Compares decoded audio with the source it was made from, after finding the lag (encoder
// delays that a container does not take off).
Closeness compareAudio(const DecodedAudio &source, const DecodedAudio &decoded);
