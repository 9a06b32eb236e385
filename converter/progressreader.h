#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class LineSplitter;
class ProgressDisplay;

// Follows the progress lines of a conversion run on the progress display:
//   |Time>>> 25.50
// With the source's duration D known, the upper text shows the percentage of D
// reached ("Converting name...25%") and the upper bar the thousandths; both only
// ever move forward. With D unknown (0), the bar steps once per read and the
// text is left alone.
class ProgressReader {
public:
    ProgressReader(ProgressDisplay &display, int durationSeconds, std::string_view sourcePath);

    // Sets the upper bar to its beginning.
    void begin();
    // One read's data: its lines go through `lines` (which carries a cut line
    // to the next read) when D is known; otherwise the bar steps.
    void takeRead(std::string_view data, LineSplitter &lines);
    void takeLine(std::string_view line);
    // The verdict of a run that ended by itself with a clean exit: 0 when D is
    // known and no progress line carried a time above zero; otherwise the text
    // and bar are completed to 100 % and the result is 1.
    int finish();

    // Text shown for a percentage, e.g. "Converting song.mp3...25%".
    static std::string percentText(std::string_view name, int percent);


private:
    ProgressDisplay &m_display;
    std::uint64_t m_duration;   // D, 0 when unknown
    std::string m_name;         // file-name part of the source path
    std::uint64_t m_lastTime = 0;  // T = 2000 x seconds of the last progress line
    int m_lastPercent = 0;
    int m_lastPermille = 0;
};
