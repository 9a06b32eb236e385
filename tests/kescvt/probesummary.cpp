#include "probesummary.h"

#include "toolprocess.h"

#include <cstdio>
#include <cstdlib>

std::vector<std::string> splitFields(const std::string &text)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        std::string field = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t first = field.find_first_not_of(' ');
        fields.push_back(first == std::string::npos ? "" : field.substr(first));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return fields;
}

int ProbeSummary::sampleRate() const
{
    return audioFields.size() > 1 ? std::atoi(audioFields[1].c_str()) : 0;
}

ProbeSummary summarizeProbe(const std::string &output)
{
    ProbeSummary summary;
    for (const std::string &raw : outputLines(output)) {
        const std::string line = raw.substr(raw.find_first_not_of(" \t") == std::string::npos ? 0 : raw.find_first_not_of(" \t"));
        if (line.rfind("Duration: ", 0) == 0 && summary.durationSeconds < 0) {
            int h = 0, m = 0;
            double s = 0;
            if (std::sscanf(line.c_str(), "Duration: %d:%d:%lf,", &h, &m, &s) == 3)
                summary.durationSeconds = h * 3600 + m * 60 + s;
        } else if (line.rfind("Stream #", 0) == 0) {
            summary.streamLines.push_back(line);
            const size_t colon = line.find(':');
            const std::string rest = line.substr(line.find_first_not_of(' ', colon + 1));
            if (rest.rfind("Audio: ", 0) == 0 && summary.audioFields.empty())
                summary.audioFields = splitFields(rest.substr(7));
            if (rest.rfind("Video: ", 0) == 0 && summary.videoFields.empty())
                summary.videoFields = splitFields(rest.substr(7));
        }
    }
    return summary;
}
