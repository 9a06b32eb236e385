#include "converter/conversioncommand.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include <locale.h>
#include <stdlib.h>

namespace {

// atof's reading of a number (leading blanks, a sign, the longest number that
// fits, 0 when there is none) in the C locale, whatever the user's locale says
// about the decimal separator.
double readNumber(const std::string &text)
{
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (!cLocale)
        return std::strtod(text.c_str(), nullptr);
    return ::strtod_l(text.c_str(), nullptr, cLocale);
}

} // namespace

AutoRate automaticRate(int sampleRate)
{
    if (sampleRate <= 0)
        return {44100, 64};
    if (sampleRate <= 22050)
        return {22050, 32};
    if (sampleRate <= 32000)
        return {32000, 48};
    if (sampleRate <= 44100)
        return {44100, 64};
    return {48000, 96};
}

int volumeScale(const std::string &volume)
{
    const double scaled = readNumber(volume) * 2.56;
    // Out-of-range values are held at the int limits instead of overflowing.
    if (std::isnan(scaled))
        return 0;
    if (scaled >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (scaled <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(scaled);
}

std::vector<std::string> buildConversionCommand(const std::string &toolPath, const MediaItem &item,
                                                const std::string &outputPath, const FormatEntry &format,
                                                const EncodingParams &params, const LoudnessRequest &loudness,
                                                int threads)
{
    std::vector<std::string> args{toolPath, "-@", "-i", item.dsInput ? "DS:\\\\" + item.sourcePath : item.sourcePath,
                                  "-y"};
    auto add = [&args](std::string option, std::string value) {
        args.push_back(std::move(option));
        args.push_back(std::move(value));
    };

    if (format.container)
        add("-f", format.container);
    args.push_back("-vn");
    if (!params.AudioCodec.empty())
        add("-acodec", params.AudioCodec);

    bool haveBase = false;
    int base = 0;
    if (!params.AudioSampleRate.empty()) {
        add("-ar", params.AudioSampleRate);
    } else {
        const AutoRate rate = automaticRate(item.sampleRate);
        add("-ar", std::to_string(rate.sampleRate));
        haveBase = true;
        base = rate.bitRateBase;
    }

    if (!params.AudioBitRate.empty()) {
        add("-ab", params.AudioBitRate + "k");
    } else if (haveBase) {
        const int kbps = item.audioChannels > 0 ? base * item.audioChannels : base;
        add("-ab", std::to_string(kbps) + "k");
    }

    if (!params.AudioChannels.empty())
        add("-ac", params.AudioChannels == "5.1" ? std::string("6") : params.AudioChannels);
    else if (item.audioChannels > 0)
        add("-ac", std::to_string(item.audioChannels));

    if (!params.AudioVolume.empty() && params.AudioVolume != "100")
        add("-vol", std::to_string(volumeScale(params.AudioVolume)));

    if (threads > 1)
        add("-threads", std::to_string(threads));

    for (std::string &arg : loudnessArguments(loudness))
        args.push_back(std::move(arg));
    args.push_back(outputPath);
    return args;
}
