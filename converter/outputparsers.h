#pragma once

#include <optional>
#include <string_view>

// Pure parsers for the lines the converter tool prints. Each takes the text of
// one line (or the part of it after a keyword) and never fails: what it cannot
// read stays 0.

// The text with its leading blanks and tabs skipped.
std::string_view skipBlanks(std::string_view text);

// The rest of a duration line, after "Duration:" and its blanks:
//   Duration: 00:03:25.12, start: 0.000000, bitrate: 128 kb/s
// gives 205 (whole seconds, the fraction dropped); "N/A" gives 0.
int parseDuration(std::string_view text);

// The fields after "Video:" of a stream line:
//   Stream #0.0: Video: rv40, yuv420p, 321x240, 23.98 fps(r)
// An odd width is stored plus 1 (here 322).
struct VideoFields {
    int width = 0;
    int height = 0;
    double frameRate = 0;
};
VideoFields parseVideoFields(std::string_view text);

// The fields after "Audio:" of a stream line:
//   Stream #0.1: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s
// "mono" is 1 channel; "stereo" and "5:1" are 2.
struct AudioFields {
    int sampleRate = 0;
    int channels = 0;
};
AudioFields parseAudioFields(std::string_view text);

// A progress line of a conversion run, the marker at its very first character,
// then one separator character, then the output time reached in seconds:
//   |Time>>> 25.50
// Nothing when the line is not a progress line. The time is read from the
// tenth character on whatever the ninth is, so "|Time>>>12.0" reads as 2.0.
std::optional<double> parseProgressTime(std::string_view line);

// Where a stream line's description begins: the text after the first colon
// that follows "Stream #", blanks skipped, e.g. "Audio: mp3, ..." for the line
// above. Nothing when the line (its leading blanks skipped) is not a stream
// line or has no such colon.
std::optional<std::string_view> streamDescription(std::string_view line);
