#include "converter/outputparsers.h"

#include "common/cnumber.h"
#include "common/fieldsplit.h"

#include <climits>
#include <string>
#include <vector>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A whole field of digits, "x", digits: the frame size of a video stream.
bool readFrameSize(std::string_view field, int &width, int &height)
{
    const std::size_t x = field.find('x');
    if (x == std::string_view::npos || x == 0 || x + 1 == field.size())
        return false;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (i != x && !isDigit(field[i]))
            return false;
    }
    width = atoiC(field.substr(0, x));
    height = atoiC(field.substr(x + 1));
    return true;
}

} // namespace

int parseDuration(std::string_view text)
{
    if (text.starts_with("N/A"))
        return 0;
    text = text.substr(0, text.find(','));
    // Summed in 64 bits: absurd hour counts must not wrap into small values.
    long long seconds = static_cast<long long>(atoiC(text)) * 3600;
    std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        text = text.substr(colon + 1);
        seconds += static_cast<long long>(atoiC(text)) * 60;
        colon = text.find(':');
        if (colon != std::string_view::npos)
            seconds += atoiC(text.substr(colon + 1));
    }
    return clampToInt(seconds);
}

VideoFields parseVideoFields(std::string_view text)
{
    VideoFields fields;
    for (const std::string &piece : fieldSplit(text, ',')) {
        const std::string_view field = skipBlanks(piece);
        int width = 0;
        int height = 0;
        if (readFrameSize(field, width, height)) {
            fields.width = (width % 2 != 0 && width < INT_MAX) ? width + 1 : width;
            fields.height = height;
        } else if (field.find("fps(r)") != std::string_view::npos) {
            fields.frameRate = atofC(field);
        }
    }
    return fields;
}

AudioFields parseAudioFields(std::string_view text)
{
    AudioFields fields;
    for (const std::string &piece : fieldSplit(text, ',')) {
        const std::string_view field = skipBlanks(piece);
        if (field.find(" Hz") != std::string_view::npos)
            fields.sampleRate = atoiC(field);
        else if (field.starts_with("stereo"))
            fields.channels = 2;
        else if (field.starts_with("mono"))
            fields.channels = 1;
        else if (field.starts_with("5:1"))
            fields.channels = 2;
    }
    return fields;
}

std::optional<double> parseProgressTime(std::string_view line)
{
    static constexpr std::string_view marker = "|Time>>>";
    if (!line.starts_with(marker))
        return std::nullopt;
    // The marker and one separator character: the number starts at the tenth.
    const std::size_t start = marker.size() + 1;
    return atofC(start < line.size() ? line.substr(start) : std::string_view());
}

std::optional<std::string_view> streamDescription(std::string_view line)
{
    static constexpr std::string_view keyword = "Stream #";
    line = skipBlanks(line);
    if (!line.starts_with(keyword))
        return std::nullopt;
    const std::size_t colon = line.find(':', keyword.size());
    if (colon == std::string_view::npos)
        return std::nullopt;
    return skipBlanks(line.substr(colon + 1));
}

std::string_view skipBlanks(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    return text.substr(pos);
}
