// Any byte string quoted for the command line splits back into itself, alone or
// beside another argument; splitting arbitrary text never crashes. A whole
// conversion command built from arbitrary paths and stored parameter texts
// splits into exactly the arguments it was built from: the tool, the input and
// the output come back whole, and no text can add or swallow an argument.
#include "converter/conversioncommand.h"
#include "filelist/mediaitem.h"
#include "formats/encodingparams.h"
#include "formats/formatcatalogue.h"
#include "platform/commandline.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string withoutNul(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != '\0')
            out.push_back(c);
    return out;
}

void checkQuoting(std::string_view text)
{
    (void)platform::splitCommandLine(std::string(text));

    const std::string argument = withoutNul(text);
    const auto once = platform::splitCommandLine(platform::quoteArgument(argument));
    check(once.size() == 1 && once[0] == argument);
    const auto twice = platform::splitCommandLine(platform::quoteArgument(argument) + " " +
                                                  platform::quoteArgument("-y"));
    check(twice.size() == 2 && twice[0] == argument && twice[1] == "-y");
}

// Cuts the input at 0x01 bytes into the texts of one conversion; NUL cannot
// reach a path or a stored text, so it is dropped.
std::vector<std::string> pieces(std::string_view text, std::size_t count)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (out.size() + 1 < count) {
        const std::size_t cut = text.find('\x01', start);
        if (cut == std::string_view::npos)
            break;
        out.push_back(withoutNul(text.substr(start, cut - start)));
        start = cut + 1;
    }
    out.push_back(withoutNul(text.substr(std::min(start, text.size()))));
    out.resize(count);
    return out;
}

void checkConversionCommand(const uint8_t *data, std::size_t size)
{
    if (size < 4)
        return;
    const uint8_t flags = data[0];
    const int formatIndex = data[1] % kFormatCount;
    const std::string_view text(reinterpret_cast<const char *>(data + 4), size - 4);
    const auto texts = pieces(text, 8);

    MediaItem item;
    item.sourcePath = texts[1];
    item.dsInput = (flags & 1) != 0;
    item.sampleRate = static_cast<int>(data[2]) * 400 - 1000;
    item.audioChannels = static_cast<int>(data[3] % 8) - 1;

    EncodingParams params = defaultEncodingParams(formatIndex);
    // Each parameter is either left at the format's default or replaced by an
    // arbitrary stored text (possibly empty, meaning Auto).
    if (flags & 2)
        params.AudioCodec = texts[3];
    if (flags & 4)
        params.AudioBitRate = texts[4];
    if (flags & 8)
        params.AudioSampleRate = texts[5];
    if (flags & 16)
        params.AudioChannels = texts[6];
    if (flags & 32)
        params.AudioVolume = texts[7];

    const std::string &tool = texts[0];
    const std::string &output = texts[2];
    const FormatEntry &format = formatEntry(formatIndex);
    const auto argv = platform::splitCommandLine(buildConversionCommand(tool, item, output, format, params));

    std::vector<std::string> expected{tool, "-@", "-i", item.dsInput ? "DS:\\\\" + item.sourcePath : item.sourcePath,
                                      "-y"};
    if (format.container) {
        expected.push_back("-f");
        expected.push_back(format.container);
    }
    expected.push_back("-vn");
    if (!params.AudioCodec.empty()) {
        expected.push_back("-acodec");
        expected.push_back(params.AudioCodec);
    }
    // The automatic values are numbers the builder works out itself; only
    // their place and count are checked here.
    expected.push_back("-ar");
    const bool autoRate = params.AudioSampleRate.empty();
    expected.push_back(autoRate ? std::string() : params.AudioSampleRate);
    std::vector<std::size_t> numberSlots;
    if (autoRate)
        numberSlots.push_back(expected.size() - 1);
    if (!params.AudioBitRate.empty()) {
        expected.push_back("-ab");
        expected.push_back(params.AudioBitRate + "k");
    } else if (autoRate) {
        expected.push_back("-ab");
        expected.push_back(std::string());
        numberSlots.push_back(expected.size() - 1);
    }
    if (!params.AudioChannels.empty()) {
        expected.push_back("-ac");
        expected.push_back(params.AudioChannels == "5.1" ? "6" : params.AudioChannels);
    } else if (item.audioChannels > 0) {
        expected.push_back("-ac");
        expected.push_back(std::to_string(item.audioChannels));
    }
    if (!params.AudioVolume.empty() && params.AudioVolume != "100") {
        expected.push_back("-vol");
        expected.push_back(std::string());
        numberSlots.push_back(expected.size() - 1);
    }
    expected.push_back(output);

    check(argv.size() == expected.size());
    for (std::size_t slot : numberSlots) {
        const std::string &value = argv[slot];
        check(!value.empty());
        for (std::size_t i = 0; i < value.size(); ++i) {
            const char c = value[i];
            const bool ok = (c >= '0' && c <= '9') || (i == 0 && c == '-') || (i + 1 == value.size() && c == 'k');
            check(ok);
        }
        expected[slot] = value;
    }
    check(argv == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkQuoting(std::string_view(reinterpret_cast<const char *>(data), size));
    checkConversionCommand(data, size);
    return 0;
}
