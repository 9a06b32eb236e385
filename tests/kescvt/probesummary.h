// What a probe run said, read the simple way the tests need: the duration in seconds and
// the fields of the first audio and video stream lines, split at commas.
#pragma once

#include <string>
#include <vector>

struct ProbeSummary {
    double durationSeconds = -1.0; // -1: no duration line or N/A
    std::vector<std::string> audioFields;
    std::vector<std::string> videoFields;
    std::vector<std::string> streamLines;

    std::string audioCodec() const { return audioFields.empty() ? "" : audioFields[0]; }
    int sampleRate() const;
    std::string channels() const { return audioFields.size() > 2 ? audioFields[2] : ""; }
};

ProbeSummary summarizeProbe(const std::string &output);
std::vector<std::string> splitFields(const std::string &text);
