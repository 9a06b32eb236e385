#include "tooloptions.h"

#include "toolerror.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kescvt {

namespace {

[[noreturn]] void usageError(const std::string &text)
{
    throw ToolError(ExitUsage, text);
}

// A whole decimal integer in [low, high]; anything else (blanks, signs, trailing text) is refused.
int parseInteger(const std::string &option, const std::string &value, long low, long high)
{
    if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
        usageError("invalid value '" + value + "' for " + option);
    errno = 0;
    const long number = std::strtol(value.c_str(), nullptr, 10);
    if (errno != 0 || number < low || number > high)
        usageError("value '" + value + "' for " + option + " is out of range (" + std::to_string(low) + " to " +
                   std::to_string(high) + ")");
    return static_cast<int>(number);
}

// "128k", "6.7k", "15.85k" are kbit/s; a plain number is bit/s.
int64_t parseBitRate(const std::string &option, const std::string &value)
{
    std::string number = value;
    double scale = 1.0;
    if (!number.empty() && (number.back() == 'k' || number.back() == 'K')) {
        number.pop_back();
        scale = 1000.0;
    }
    const bool wellFormed = !number.empty() && number.find_first_not_of("0123456789.") == std::string::npos &&
                            number.find('.') == number.rfind('.') && number != ".";
    if (!wellFormed)
        usageError("invalid value '" + value + "' for " + option);
    const double bits = std::strtod(number.c_str(), nullptr) * scale;
    if (!(bits >= 1000.0) || bits > 10'000'000.0)
        usageError("value '" + value + "' for " + option + " is out of range (1k to 10000k)");
    return static_cast<int64_t>(std::llround(bits));
}

// "LUFS,PEAK" as -measure prints them: "-20.13,0.891251" or "undefined,0.000000".
LoudnessFigures parseFigures(const std::string &option, const std::string &value)
{
    const size_t comma = value.find(',');
    auto number = [&](const std::string &text, double low, double high) {
        char *end = nullptr;
        const double parsed = text.empty() ? NAN : std::strtod(text.c_str(), &end);
        if (!end || *end != '\0' || !(parsed >= low && parsed <= high))
            usageError("invalid value '" + value + "' for " + option);
        return parsed;
    };
    if (comma == std::string::npos)
        usageError("invalid value '" + value + "' for " + option);
    LoudnessFigures figures;
    const std::string loudness = value.substr(0, comma);
    figures.integrated = loudness == "undefined" ? -HUGE_VAL : number(loudness, -200.0, 100.0);
    figures.peak = number(value.substr(comma + 1), 0.0, 1e6);
    return figures;
}

} // namespace

std::string stripInputPrefix(const std::string &value)
{
    static const char prefix[] = "DS:\\\\";
    const size_t length = sizeof prefix - 1;
    if (value.size() > length && value.compare(0, length, prefix) == 0)
        return value.substr(length);
    return value;
}

ToolOptions parseToolOptions(int argc, char **argv)
{
    ToolOptions options;
    bool haveInput = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usageError("option " + arg + " needs a value");
            return argv[++i];
        };
        if (arg == "-@") {
            options.progress = true;
        } else if (arg == "-y") {
            options.overwrite = true;
        } else if (arg == "-vn") {
            options.dropVideo = true;
        } else if (arg == "-i") {
            if (haveInput)
                usageError("only one input (-i) is taken");
            options.input = stripInputPrefix(value());
            haveInput = true;
            if (options.input.empty())
                usageError("the input path (-i) is empty");
        } else if (arg == "-f") {
            options.container = value();
        } else if (arg == "-acodec") {
            options.codec = value();
        } else if (arg == "-ar") {
            options.sampleRate = parseInteger(arg, value(), 1000, 768000);
        } else if (arg == "-ab") {
            options.bitRate = parseBitRate(arg, value());
        } else if (arg == "-ac") {
            options.channels = parseInteger(arg, value(), 1, 64);
        } else if (arg == "-vol") {
            options.volume = parseInteger(arg, value(), 0, 65536);
        } else if (arg == "-measure") {
            options.measure = true;
        } else if (arg == "-loudness") {
            options.loudness = parseInteger(arg, value(), 0, 2);
        } else if (arg == "-target") {
            const std::string target = value();
            if (target.size() < 2 || target[0] != '-')
                usageError("value '" + target + "' for " + arg + " is out of range (-31 to -5)");
            options.loudnessTarget = -parseInteger(arg, target.substr(1), 5, 31);
        } else if (arg == "-track-loudness") {
            options.track = parseFigures(arg, value());
        } else if (arg == "-album-loudness") {
            options.album = parseFigures(arg, value());
        } else if (arg == "-threads") {
            options.threads = parseInteger(arg, value(), 0, 64);
        } else if (arg.size() > 1 && arg[0] == '-') {
            usageError("unknown option '" + arg + "'");
        } else {
            if (!options.output.empty())
                usageError("more than one output file given ('" + options.output + "', '" + arg + "')");
            if (arg.empty())
                usageError("the output path is empty");
            options.output = arg;
        }
    }
    if (!haveInput)
        usageError("no input file given (-i INPUT)");
    if (options.measure && !options.output.empty())
        usageError("-measure writes no output file");
    if (options.output.empty() && options.progress)
        usageError("no output file given");
    return options;
}

} // namespace kescvt
