#include "converter/loudnessmeasure.h"

#include "core/mediaitem.h"

#include <charconv>

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view trimmedEnd(std::string_view text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    return text;
}

// Numbers in and out with a decimal point whatever the user's locale says.
std::string fixed(double value, int decimals)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

template <typename Number>
std::optional<Number> parsed(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "-20.13,0.891251" or "undefined,0.000000", as the converter takes them.
std::string figuresText(const LoudnessFigures &figures)
{
    return (figures.integrated ? fixed(*figures.integrated, 2) : std::string("undefined")) + "," +
           fixed(figures.peak, 6);
}

} // namespace

void LoudnessMeasureReader::takeLine(std::string_view line)
{
    line = trimmedEnd(line);
    if (startsWith(line, "Loudness: ")) {
        std::string_view rest = line.substr(10);
        const size_t comma = rest.find(", peak ");
        if (comma == std::string_view::npos)
            return;
        const std::string_view loudness = rest.substr(0, comma);
        const std::optional<double> peak = parsed<double>(rest.substr(comma + 7));
        if (!peak || *peak < 0)
            return;
        if (loudness != "undefined") {
            const size_t unit = loudness.find(" LUFS");
            const std::optional<double> value =
                unit == std::string_view::npos ? std::nullopt : parsed<double>(loudness.substr(0, unit));
            if (!value)
                return;
            m_result.figures.integrated = *value;
        }
        m_result.figures.peak = *peak;
        m_result.complete = true;
    } else if (startsWith(line, "Blocks:")) {
        std::string_view rest = line.substr(7);
        while (!rest.empty()) {
            const size_t space = rest.find(' ');
            const std::string_view pair = rest.substr(0, space);
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
            const size_t colon = pair.find(':');
            if (colon == std::string_view::npos)
                continue;
            const std::optional<int> bin = parsed<int>(pair.substr(0, colon));
            const std::optional<long> count = parsed<long>(pair.substr(colon + 1));
            if (bin && count && *bin >= 0 && *bin < 1000 && *count > 0)
                m_result.blocks[*bin] += *count;
        }
    } else if (startsWith(line, "Album: ")) {
        m_result.album = std::string(line.substr(7));
    } else if (startsWith(line, "AlbumArtist: ")) {
        m_result.albumArtist = std::string(line.substr(13));
    }
}

std::vector<std::string> buildMeasureCommand(const std::string &toolPath, const MediaItem &item)
{
    return {toolPath, "-measure", "-i", item.dsInput ? "DS:\\\\" + item.sourcePath : item.sourcePath};
}

std::vector<std::string> loudnessArguments(const LoudnessRequest &request)
{
    if (request.mode != 1 && request.mode != 2)
        return {};
    std::vector<std::string> args{"-loudness", std::to_string(request.mode)};
    if (request.mode == 2) {
        args.push_back("-target");
        args.push_back(std::to_string(request.target));
    }
    if (request.track) {
        args.push_back("-track-loudness");
        args.push_back(figuresText(*request.track));
    }
    if (request.album) {
        args.push_back("-album-loudness");
        args.push_back(figuresText(*request.album));
    }
    return args;
}
