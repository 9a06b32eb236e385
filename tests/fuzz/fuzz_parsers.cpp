// The line and field parsers on arbitrary text: no crash, no undefined
// behaviour, and the few facts that hold for any input. The number readers
// are checked against the C library, which is what they stand in for.
#include "common/cnumber.h"
#include "common/fieldsplit.h"
#include "converter/outputparsers.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool contains(std::string_view text, std::string_view what)
{
    return text.find(what) != std::string_view::npos;
}

void checkFieldSplit(std::string_view text, char separator)
{
    const auto pieces = fieldSplit(text, separator);
    if (text.empty() || separator == '\0') {
        check(pieces.empty());
        return;
    }
    std::size_t separators = 0;
    for (char c : text)
        separators += c == separator ? 1 : 0;
    check(pieces.size() == separators + 1);
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            joined.push_back(separator);
        joined += pieces[i];
    }
    check(joined == text);
}

// atoi in the C locale, held at the int limits where atoi itself would be
// undefined.
void checkAtoi(std::string_view text)
{
    const std::string copy(text);
    errno = 0;
    const long long expected = std::strtoll(copy.c_str(), nullptr, 10);
    const int clamped = expected > INT_MAX ? INT_MAX : expected < INT_MIN ? INT_MIN : static_cast<int>(expected);
    check(atoiC(text) == clamped);
}

// atof in the C locale, where the tool's numbers are plain decimals: inputs
// that strtod would read as hexadecimal, exponent, inf or nan, or that are out
// of range for a double, are left out of the comparison.
void checkAtof(std::string_view text)
{
    for (char c : text) {
        if (c == 'x' || c == 'X' || c == 'e' || c == 'E' || c == 'p' || c == 'P' || c == 'i' || c == 'I'
            || c == 'n' || c == 'N')
            return;
    }
    const std::string copy(text);
    errno = 0;
    const double expected = std::strtod(copy.c_str(), nullptr);
    if (errno == ERANGE || !std::isfinite(expected))
        return;
    check(atofC(text) == expected);
}

void checkDuration(std::string_view text, const uint8_t *data, std::size_t size)
{
    const int seconds = parseDuration(text);
    if (text.starts_with("N/A"))
        check(seconds == 0);
    // Nothing after the first comma counts.
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos)
        check(parseDuration(text.substr(0, comma)) == seconds);

    // A well-formed duration built from the input's first bytes reads exactly.
    if (size >= 4) {
        const unsigned h = data[0], m = data[1] % 60, s = data[2] % 60, f = data[3] % 100;
        char line[64];
        std::snprintf(line, sizeof line, "%02u:%02u:%02u.%02u, start: 0.000000", h, m, s, f);
        check(parseDuration(line) == static_cast<int>(h * 3600 + m * 60 + s));
    }
}

void checkVideo(std::string_view text, const uint8_t *data, std::size_t size)
{
    const VideoFields video = parseVideoFields(text);
    check(video.width >= 0 && video.height >= 0);
    check(video.width % 2 == 0 || video.width == INT_MAX);
    if (!contains(text, "x"))
        check(video.width == 0 && video.height == 0);
    if (!contains(text, "fps(r)"))
        check(video.frameRate == 0);
    check(!std::isnan(video.frameRate));

    if (size >= 4) {
        const unsigned w = data[0] * 256u + data[1], h = data[2] * 256u + data[3];
        const std::string line = "h264, yuv420p, " + std::to_string(w) + "x" + std::to_string(h) + ", 25 fps(r)";
        const VideoFields built = parseVideoFields(line);
        check(built.width == static_cast<int>(w % 2 ? w + 1 : w) && built.height == static_cast<int>(h));
        check(built.frameRate == 25.0);
    }
}

void checkAudio(std::string_view text)
{
    const AudioFields audio = parseAudioFields(text);
    check(audio.channels == 0 || audio.channels == 1 || audio.channels == 2);
    if (!contains(text, " Hz"))
        check(audio.sampleRate == 0);
}

void checkProgress(std::string_view text)
{
    const auto time = parseProgressTime(text);
    check(time.has_value() == text.starts_with("|Time>>>"));
    if (time)
        check(!std::isnan(*time));
}

void checkStream(std::string_view text)
{
    const auto description = streamDescription(text);
    if (!description)
        return;
    // A view into the line itself, after "Stream #" and a colon, blanks skipped.
    check(description->data() >= text.data() + 9 && description->data() + description->size() == text.data() + text.size());
    check(description->empty() || (description->front() != ' ' && description->front() != '\t'));
    check(contains(text, "Stream #"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const char separator = static_cast<char>(data[0]);
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    checkFieldSplit(text, separator);
    checkAtoi(text);
    checkAtof(text);
    checkDuration(text, data, size);
    checkVideo(text, data, size);
    checkAudio(text);
    checkProgress(text);
    checkStream(text);
    return 0;
}
