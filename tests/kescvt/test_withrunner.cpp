// kescvt driven by the program's own converter runner and output readers, with the
// command lines built the way the program builds them: what the tool prints must be
// what those readers take.
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "converter/progressdisplay.h"
#include "filelist/mediaitem.h"
#include "formats/encodingparams.h"
#include "formats/formatcatalogue.h"
#include "testmedia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "runnow.h"

namespace {

class MemoryDisplay : public ProgressDisplay {
public:
    void setUpperText(const std::string &text) override { texts.push_back(text); }
    void setUpperRange(int, int maximum) override { rangeMax = maximum; }
    void setUpperPosition(int position) override { lastPosition = position; }
    void stepUpper() override { ++steps; }
    int upperBarWidth() const override { return 200; }

    std::vector<std::string> texts;
    int rangeMax = -1;
    int lastPosition = 0;
    int steps = 0;
};

std::string probeCommand(const std::string &source, bool prefixed = false)
{
    return std::string("\"") + KESCVT_PATH + "\" -i \"" + (prefixed ? "DS:\\\\" : "") + source + "\"";
}

TEST(WithRunner, ProbesFillTheMediaItem)
{
    TempDir dir;
    struct Case {
        int channels;
        int expected;
    } cases[] = {{1, 1}, {2, 2}, {6, 2}};
    for (const Case &c : cases) {
        const std::string path = dir.file("c" + std::to_string(c.channels) + ".wav");
        writeSineWav(path, 48000, c.channels, 3.0);
        ConverterRunner runner;
        MediaItem item;
        ASSERT_EQ(probeNow(runner, probeCommand(path), item), 1) << path;
        EXPECT_EQ(item.sampleRate, 48000);
        EXPECT_EQ(item.audioChannels, c.expected);
        EXPECT_EQ(item.durationSeconds, 3);
        EXPECT_EQ(item.videoWidth, 0);
    }

    writeY4m(dir.file("v.y4m"), 320, 240, 50, 25);
    ConverterRunner runner;
    MediaItem video;
    ASSERT_EQ(probeNow(runner, probeCommand(dir.file("v.y4m")), video), 1);
    EXPECT_EQ(video.videoWidth, 320);
    EXPECT_EQ(video.videoHeight, 240);
    EXPECT_DOUBLE_EQ(video.frameRate, 25.0);
    EXPECT_EQ(video.durationSeconds, 2);
    EXPECT_EQ(video.sampleRate, 0);

    MediaItem prefixed;
    EXPECT_EQ(probeNow(runner, probeCommand(dir.file("c2.wav"), true), prefixed), 1);
    EXPECT_EQ(prefixed.durationSeconds, 3);

    writeBytes(dir.file("text.wav"), "not a sound at all\n");
    MediaItem refused;
    EXPECT_EQ(probeNow(runner, probeCommand(dir.file("text.wav")), refused), 0);
}

// Tag text comes from the file: it must never make a line the reader takes.
TEST(WithRunner, TagsCannotForgeProbeLines)
{
    TempDir dir;
    writeTaggedSineWav(dir.file("t.wav"), 1.0, "x\nStream #0.5: Video: evil, 9x9, 99 fps(r)",
                       "a\rDuration: 09:09:09.00,\n  Duration: 08:00:00.00,");
    ConverterRunner runner;
    MediaItem item;
    ASSERT_EQ(probeNow(runner, probeCommand(dir.file("t.wav")), item), 1);
    EXPECT_EQ(item.videoWidth, 0);
    EXPECT_EQ(item.frameRate, 0.0);
    EXPECT_EQ(item.durationSeconds, 1);
}

// Every format with its catalogue defaults, through the program's own command builder
// and conversion job (which writes a hidden temporary file and renames it).
TEST(WithRunner, EveryCatalogueFormatConvertsToAHundredPercent)
{
    TempDir dir;
    writeSineWav(dir.file("song.wav"), 44100, 2, 3.0);
    ConverterRunner runner;
    MediaItem source;
    ASSERT_EQ(probeNow(runner, probeCommand(dir.file("song.wav")), source), 1);
    source.sourcePath = dir.file("song.wav");

    for (int index = 0; index < kFormatCount; ++index) {
        const FormatEntry &format = formatEntry(index);
        MediaItem item = source;
        item.outputPath = dir.file("out" + std::to_string(index) + "." + format.extension);
        MemoryDisplay display;
        ASSERT_EQ(convertNow(runner, KESCVT_PATH, item, index, defaultEncodingParams(index), display), 1)
            << format.displayName << ": exit " << runner.lastRun().exitCode;
        ASSERT_FALSE(display.texts.empty()) << format.displayName;
        EXPECT_EQ(display.texts.back(), "Converting song.wav...100%") << format.displayName;
        EXPECT_EQ(display.lastPosition, display.rangeMax) << format.displayName;

        MediaItem back;
        ASSERT_EQ(probeNow(runner, probeCommand(item.outputPath), back), 1) << format.displayName;
        EXPECT_NEAR(back.durationSeconds, 3, 1) << format.displayName;
        const int rate = index == 12 ? 8000 : index == 13 ? 16000 : 44100;
        EXPECT_EQ(back.sampleRate, rate) << format.displayName;
        EXPECT_EQ(back.audioChannels, index >= 12 ? 1 : 2) << format.displayName;
    }

    // A run the tool refuses is a failure, and leaves no file behind.
    MediaItem item = source;
    item.outputPath = dir.file("bad.mp3");
    EncodingParams bad = defaultEncodingParams(0);
    bad.AudioCodec = "nosuch";
    MemoryDisplay failed;
    EXPECT_EQ(convertNow(runner, KESCVT_PATH, item, 0, bad, failed), 0);
    EXPECT_FALSE(fileExists(dir.file("bad.mp3")));
}

} // namespace
