#include "converter/commandtext.h"
#include "converter/conversioncommand.h"
#include "common/durationtext.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

const std::string kTool = "/tool/kescvt";

FormatEntry format(const char *extension, const char *container)
{
    return FormatEntry{0, extension, container, extension, nullptr, nullptr, nullptr, nullptr, nullptr};
}

EncodingParams params(const std::string &codec, const std::string &bitRate, const std::string &sampleRate,
                      const std::string &channels, const std::string &volume)
{
    EncodingParams p;
    p.AudioCodec = codec;
    p.AudioBitRate = bitRate;
    p.AudioSampleRate = sampleRate;
    p.AudioChannels = channels;
    p.AudioVolume = volume;
    return p;
}

MediaItem probed(const std::string &source, int sampleRate, int channels)
{
    MediaItem item;
    item.sourcePath = source;
    item.sampleRate = sampleRate;
    item.audioChannels = channels;
    return item;
}

const EncodingParams kMp3Defaults = params("mp3", "", "", "", "100");

// The options between the input and the output, for the Auto rules.
std::string options(const MediaItem &item, const EncodingParams &p)
{
    const std::string command = commandText(buildConversionCommand(kTool, item, "/out/a.mp3", format("mp3", nullptr), p));
    const std::string head = "\"/tool/kescvt\" -@ -i \"" + item.sourcePath + "\" -y ";
    EXPECT_EQ(command.substr(0, head.size()), head);
    return command.substr(head.size(), command.size() - head.size() - std::string(" \"/out/a.mp3\"").size());
}

} // namespace

TEST(ConversionCommand, CatalogueExamples)
{
    auto line = [](const MediaItem &item, int index) {
        return commandText(buildConversionCommand(kTool, item, "/out/a", formatEntry(index), defaultEncodingParams(index)));
    };
    const MediaItem stereo = probed("/m/a.wav", 44100, 2);
    EXPECT_EQ(line(stereo, 0), R"("/tool/kescvt" -@ -i "/m/a.wav" -y -vn -acodec mp3 -ar 44100 -ab 128k -ac 2 "/out/a")");
    EXPECT_EQ(line(probed("/m/a.wav", 22050, 1), 0),
              R"("/tool/kescvt" -@ -i "/m/a.wav" -y -vn -acodec mp3 -ar 22050 -ab 32k -ac 1 "/out/a")");
    EXPECT_EQ(line(stereo, 3),
              R"("/tool/kescvt" -@ -i "/m/a.wav" -y -f xwmv -vn -acodec wma7x -ar 44100 -ab 128k -ac 2 "/out/a")");
    EXPECT_EQ(line(stereo, 12),
              R"("/tool/kescvt" -@ -i "/m/a.wav" -y -f amr -vn -acodec libamr_nb -ar 8000 -ab 6.7k -ac 1 "/out/a")");

    // Encoding threads appear only above one; with one the line is the catalogue's.
    const FormatEntry &first = formatEntry(0);
    const EncodingParams defaults = defaultEncodingParams(0);
    EXPECT_EQ(commandText(buildConversionCommand(kTool, stereo, "/out/a", first, defaults, {}, 1)), line(stereo, 0));
    EXPECT_EQ(commandText(buildConversionCommand(kTool, stereo, "/out/a", first, defaults, {}, 4)),
              R"("/tool/kescvt" -@ -i "/m/a.wav" -y -vn -acodec mp3 -ar 44100 -ab 128k -ac 2 -threads 4 "/out/a")");

    MediaItem real = probed("/m/talk.rmvb", 44100, 2);
    real.dsInput = true;
    EXPECT_EQ(line(real, 0),
              R"("/tool/kescvt" -@ -i "DS:\\/m/talk.rmvb" -y -vn -acodec mp3 -ar 44100 -ab 128k -ac 2 "/out/a")");
}

TEST(ConversionCommand, AutomaticRateAndBitRate)
{
    // No audio stream found: defaults, and no channel count.
    EXPECT_EQ(options(probed("/m/v.avi", 0, 0), kMp3Defaults), "-vn -acodec mp3 -ar 44100 -ab 64k");
    EXPECT_EQ(options(probed("/m/a.wav", 48000, 2), kMp3Defaults), "-vn -acodec mp3 -ar 48000 -ab 192k -ac 2");
    EXPECT_EQ(options(probed("/m/a.wav", 96000, 1), kMp3Defaults), "-vn -acodec mp3 -ar 48000 -ab 96k -ac 1");
    EXPECT_EQ(options(probed("/m/a.wav", 32000, 2), kMp3Defaults), "-vn -acodec mp3 -ar 32000 -ab 96k -ac 2");
    EXPECT_EQ(options(probed("/m/a.wav", 8000, 2), kMp3Defaults), "-vn -acodec mp3 -ar 22050 -ab 64k -ac 2");
    // A set sample rate gives no base: the tool's own bit rate applies.
    EXPECT_EQ(options(probed("/m/a.wav", 44100, 2), params("mp3", "", "22050", "", "100")),
              "-vn -acodec mp3 -ar 22050 -ac 2");
    EXPECT_EQ(options(probed("/m/a.wav", 44100, 2), params("", "", "", "", "")), "-vn -ar 44100 -ab 128k -ac 2");
}

TEST(ConversionCommand, ChannelsAndVolume)
{
    const MediaItem stereo = probed("/m/a.wav", 44100, 2);
    EXPECT_EQ(options(stereo, params("mp3", "192", "44100", "5.1", "100")),
              "-vn -acodec mp3 -ar 44100 -ab 192k -ac 6");
    EXPECT_EQ(options(stereo, params("mp3", "192", "44100", "1", "100.0")),
              "-vn -acodec mp3 -ar 44100 -ab 192k -ac 1 -vol 256");
    EXPECT_EQ(volumeScale("150"), 384);
    EXPECT_EQ(volumeScale("50"), 128);
    EXPECT_EQ(volumeScale("33"), 84);
    EXPECT_EQ(volumeScale("  -10x"), -25);
    EXPECT_EQ(volumeScale("abc"), 0);
    EXPECT_EQ(volumeScale("1e300"), std::numeric_limits<int>::max());

    // A locale with a decimal comma does not change how "100.5" reads.
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "scripts/setup.sh generates this locale";
    EXPECT_EQ(volumeScale("100.5"), 257);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(volumeScale("100.5"), 257);
}

TEST(ConversionCommand, NothingAddsAnArgument)
{
    const std::string source = "/m/\"odd\" name\n-rf \xff.wav";
    const std::string output = "/out/-x \"q\"\\.mp3";
    const std::vector<std::string> command = buildConversionCommand(
        "/tool dir/kescvt", probed(source, 44100, 2), output, format("mp3", nullptr),
        params("mp3 -f wav", "128 -y", "44100\"", "2 x", "100"));
    EXPECT_EQ(command,
              (std::vector<std::string>{"/tool dir/kescvt", "-@", "-i", source, "-y", "-vn", "-acodec", "mp3 -f wav",
                                        "-ar", "44100\"", "-ab", "128 -yk", "-ac", "2 x", output}));
}

TEST(DurationText, MinutesBelowAnHourHoursFromThen)
{
    EXPECT_EQ(durationText(0), "");
    EXPECT_EQ(durationText(-5), "");
    EXPECT_EQ(durationText(65), "01:05");
    EXPECT_EQ(durationText(3599), "59:59");
    EXPECT_EQ(durationText(3600), "1:00:00");
    EXPECT_EQ(durationText(36000 + 61), "10:01:01");
}
