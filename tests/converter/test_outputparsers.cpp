#include "common/cnumber.h"
#include "converter/linesplitter.h"
#include "converter/loudnessmeasure.h"
#include "converter/outputparsers.h"
#include "converter/probereader.h"
#include "core/mediaitem.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

std::vector<std::string> splitAll(LineSplitter &splitter, const std::vector<std::string> &reads)
{
    std::vector<std::string> lines;
    for (const std::string &data : reads)
        splitter.split(data, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

MediaItem probe(const std::vector<std::string> &lines, int *verdict = nullptr)
{
    MediaItem item;
    ProbeReader reader(item);
    for (const std::string &line : lines)
        reader.takeLine(line);
    if (verdict)
        *verdict = reader.verdict();
    return item;
}

} // namespace

TEST(CNumber, ReadsLikeAtoiAndAtof)
{
    EXPECT_EQ(atoiC("  42x"), 42);
    EXPECT_EQ(atoiC("\t-7 Hz"), -7);
    EXPECT_EQ(atoiC("+3"), 3);
    EXPECT_EQ(atoiC("x1"), 0);
    EXPECT_EQ(atoiC(""), 0);
    EXPECT_EQ(atoiC("99999999999999999999"), INT_MAX);
    EXPECT_EQ(atoiC("-99999999999999999999"), INT_MIN);

    EXPECT_DOUBLE_EQ(atofC(" 23.98 fps(r)"), 23.98);
    EXPECT_DOUBLE_EQ(atofC("-3.25abc"), -3.25);
    EXPECT_DOUBLE_EQ(atofC("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(atofC("5."), 5.0);
    EXPECT_DOUBLE_EQ(atofC("."), 0.0);
    EXPECT_DOUBLE_EQ(atofC("1e3"), 1.0);
    EXPECT_DOUBLE_EQ(atofC("fps"), 0.0);
}

TEST(CNumber, IgnoresTheProcessLocale)
{
    // scripts/setup.sh generates this locale.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "no comma-decimal locale installed";
    EXPECT_DOUBLE_EQ(std::atof("25.5"), 25.0);  // the locale really reads a comma
    EXPECT_DOUBLE_EQ(atofC("25.5"), 25.5);
    EXPECT_EQ(atoiC("1.234"), 1);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(LineSplitter, BreakRunsCarryAndJoin)
{
    LineSplitter splitter;
    EXPECT_EQ(splitAll(splitter, {"a\r\nb\n\nc\rd"}), (std::vector<std::string>{"a\r", "b\n", "c"}));
    // "d" was carried; a line cut twice is joined and handed out once.
    EXPECT_EQ(splitAll(splitter, {"  Dura", "tion: 00:", "01:00.00\r\n|Time>>> 5.0"}),
              (std::vector<std::string>{"d  Duration: 00:01:00.00\r"}));
    // An unended last line stays carried until cleared.
    EXPECT_EQ(splitter.carried(), "|Time>>> 5.0");
    splitter.clear();
    const std::string longPart(LineSplitter::initialCarryCapacity + 500, 'y');
    EXPECT_EQ(splitAll(splitter, {longPart, longPart, "z\n"}), std::vector<std::string>{longPart + longPart + "z"});
}

TEST(ParseDuration, HoursMinutesSeconds)
{
    EXPECT_EQ(parseDuration("01:02:03.50, start: 0.000000, bitrate: 128 kb/s"), 3723);
    EXPECT_EQ(parseDuration("00:03:25.12, start: 0.000000"), 205);
    EXPECT_EQ(parseDuration("N/A, start: 0.000000"), 0);
    EXPECT_EQ(parseDuration("5"), 18000);
    EXPECT_EQ(parseDuration("1:30, 45"), 5400);  // the comma ends the time
    EXPECT_EQ(parseDuration(""), 0);
    EXPECT_EQ(parseDuration("999999999:00:00"), INT_MAX);
}

TEST(ParseVideoFields, SizeAndFrameRate)
{
    const VideoFields odd = parseVideoFields(" rv40, yuv420p, 321x240, 23.98 fps(r)");
    EXPECT_EQ(odd.width, 322);
    EXPECT_EQ(odd.height, 240);
    EXPECT_DOUBLE_EQ(odd.frameRate, 23.98);

    // A size field with anything after it is no size field; a later field of
    // a kind overwrites an earlier one.
    const VideoFields v = parseVideoFields(" h264, 640x480 [PAR 1:1], 320x241, 25 fps(r), 29.97 fps(r)\r");
    EXPECT_EQ(v.width, 320);
    EXPECT_EQ(v.height, 241);
    EXPECT_DOUBLE_EQ(v.frameRate, 29.97);

    const VideoFields trailingCr = parseVideoFields(" mpeg4, 320x240\r");
    EXPECT_EQ(trailingCr.width, 0);
    EXPECT_EQ(parseVideoFields("").width, 0);
    EXPECT_EQ(parseVideoFields(" x240, 12x, 1x2x3").width, 0);
}

TEST(ParseAudioFields, RateAndChannels)
{
    const AudioFields a = parseAudioFields(" mp3, 44100 Hz, stereo, s16, 128 kb/s");
    EXPECT_EQ(a.sampleRate, 44100);
    EXPECT_EQ(a.channels, 2);
    EXPECT_EQ(parseAudioFields(" ac3, 48000 Hz, 5:1, s16").channels, 2);
    EXPECT_EQ(parseAudioFields(" pcm_s16le, 8000 Hz, mono").channels, 1);
    const AudioFields quad = parseAudioFields(" aac, 22050 Hz, quad");
    EXPECT_EQ(quad.sampleRate, 22050);
    EXPECT_EQ(quad.channels, 0);
    EXPECT_EQ(parseAudioFields("").sampleRate, 0);
}

TEST(ParseProgressTime, MarkerThenOneSeparator)
{
    EXPECT_EQ(parseProgressTime("|Time>>> 25.5"), 25.5);
    EXPECT_EQ(parseProgressTime("|Time>>>12.0"), 2.0);
    EXPECT_EQ(parseProgressTime("|Time>>>"), 0.0);
    EXPECT_EQ(parseProgressTime(" |Time>>> 3"), std::nullopt);
    EXPECT_EQ(parseProgressTime("|time>>> 3"), std::nullopt);
}

TEST(ProbeReader, DurationAndFirstStreamOfEachKind)
{
    int verdict = -1;
    const MediaItem item = probe({
        "Input #0, mp3, from 'song.mp3':",
        "  Duration: 01:02:03.50, start: 0.000000, bitrate: 128 kb/s",
        "  Duration: 00:00:09.00",
        "    Stream #0.0: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s",
        "    Stream #0.1: Audio: pcm_s16le, 8000 Hz, mono",
        "\tStream #0.2(eng): Video: rv40, yuv420p, 321x240, 23.98 fps(r)",
        "    Stream #0.3: Video: h264, 640x480, 25 fps(r)",
    }, &verdict);
    EXPECT_EQ(verdict, 1);
    EXPECT_EQ(item.durationSeconds, 3723);
    EXPECT_EQ(item.sampleRate, 44100);
    EXPECT_EQ(item.audioChannels, 2);
    EXPECT_EQ(item.videoWidth, 322);
    EXPECT_EQ(item.videoHeight, 240);
    EXPECT_DOUBLE_EQ(item.frameRate, 23.98);
}

TEST(ProbeReader, NeedsAStreamLine)
{
    int verdict = -1;
    MediaItem item = probe({"  Duration: 00:03:25.12, start: 0.0", "    Stream #0.0 Audio: mp3, 44100 Hz",
                            "Audio: mp3, 44100 Hz, stereo", "    Stream #0.1: Data: none"}, &verdict);
    EXPECT_EQ(verdict, 0);
    EXPECT_EQ(item.durationSeconds, 205);
    EXPECT_EQ(item.sampleRate, 0);

    // A stream without fields still counts; its values stay 0.
    item = probe({"Stream #0.0: Audio:"}, &verdict);
    EXPECT_EQ(verdict, 1);
    EXPECT_EQ(item.sampleRate, 0);
    EXPECT_EQ(item.durationSeconds, 0);
}

// The measure lines read into figures, garbage passed over; the figures go back to the
// converter with a decimal point whatever the locale says.
TEST(LoudnessMeasureReader, ReadsTheMeasureLinesAndWritesTheOptionsBack)
{
    LoudnessMeasureReader reader;
    for (const char *line : {"Loudness: -20.13 LUFS, peak 0.891251\r\n", "Blocks: 500:3 501:2 x:1 1200:4 502:-1\n",
                             "Album: Blue Train\n", "AlbumArtist: \n", "kescvt: something else\n"})
        reader.takeLine(line);
    const LoudnessMeasure &measure = reader.result();
    ASSERT_TRUE(measure.complete);
    EXPECT_DOUBLE_EQ(*measure.figures.integrated, -20.13);
    EXPECT_DOUBLE_EQ(measure.figures.peak, 0.891251);
    EXPECT_EQ(measure.blocks, (std::map<int, long>{{500, 3}, {501, 2}}));
    EXPECT_EQ(measure.album, "Blue Train");
    EXPECT_EQ(measure.albumArtist, "");

    LoudnessMeasureReader silent;
    silent.takeLine("Loudness: undefined, peak 0.000000\n");
    EXPECT_TRUE(silent.result().complete);
    EXPECT_FALSE(silent.result().figures.integrated);
    LoudnessMeasureReader broken;
    broken.takeLine("Loudness: -20,13 LUFS, peak 0.5\n");
    EXPECT_FALSE(broken.result().complete);

    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    LoudnessRequest request;
    EXPECT_TRUE(loudnessArguments(request).empty());
    request.mode = 2;
    request.target = -23;
    request.track = measure.figures;
    request.album = silent.result().figures;
    EXPECT_EQ(loudnessArguments(request),
              (std::vector<std::string>{"-loudness", "2", "-target", "-23", "-track-loudness", "-20.13,0.891251",
                                        "-album-loudness", "undefined,0.000000"}));
    std::setlocale(LC_NUMERIC, saved.c_str());
}
