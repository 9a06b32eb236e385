#include "batch/outputpathresolver.h"
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "converter/medialistsink.h"
#include "converter/mediaprobe.h"
#include "filelist/mediaitemmap.h"
#include "formats/encodingparams.h"
#include "formats/formatcatalogue.h"
#include "fakerun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

const std::string kTool = REAL_KESCVT;

void put16(std::string &out, std::uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xff));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string &out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A 16-bit PCM WAV file holding a 440 Hz sine.
std::string sineWav(int seconds, int rate, int channels)
{
    const std::uint32_t frames = static_cast<std::uint32_t>(seconds * rate);
    const std::uint32_t dataBytes = frames * static_cast<std::uint32_t>(channels) * 2;
    std::string wav = "RIFF";
    put32(wav, 36 + dataBytes);
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, 1);
    put16(wav, static_cast<std::uint16_t>(channels));
    put32(wav, static_cast<std::uint32_t>(rate));
    put32(wav, static_cast<std::uint32_t>(rate * channels * 2));
    put16(wav, static_cast<std::uint16_t>(channels * 2));
    put16(wav, 16);
    wav += "data";
    put32(wav, dataBytes);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::int16_t>(8000.0 * std::sin(2.0 * M_PI * 440.0 * i / rate));
        for (int c = 0; c < channels; ++c)
            put16(wav, static_cast<std::uint16_t>(sample));
    }
    return wav;
}

class VectorSink : public MediaListSink {
public:
    int addRowForItem(std::unique_ptr<MediaItem> item) override
    {
        rows.push_back(std::move(item));
        return static_cast<int>(rows.size()) - 1;
    }
    std::vector<std::unique_ptr<MediaItem>> rows;
};

} // namespace

TEST(ConversionEndToEnd, WavIsProbedResolvedConvertedToMp3AndProbesBack)
{
    ScratchDir dir;
    const std::string source = dir / "in \"one\"/-tone.wav";
    ASSERT_TRUE(ensureFolder(dir / "in \"one\"", true));
    writeFile(source, sineWav(3, 44100, 2));

    ConverterRunner runner;
    MediaItemMap map;
    VectorSink sink;
    ASSERT_EQ(probeAndAdd(source, runner, kTool, map, sink), 0);
    MediaItem &item = *sink.rows.at(0);
    EXPECT_EQ(item.durationSeconds, 3);
    EXPECT_EQ(item.sampleRate, 44100);
    EXPECT_EQ(item.audioChannels, 2);

    constexpr int kMp3 = 0;
    ASSERT_STREQ(formatEntry(kMp3).extension, "mp3");
    ProgramSettings settings;
    settings.DestOutputFolderOpt = 399;
    settings.DestSpecifiedFolder = dir / "out";
    settings.CreateDirs = 0;
    settings.OutputFiles2MyDocuments = 0;
    std::string status;
    ASSERT_TRUE(resolveOutputPath(item, settings, formatEntry(kMp3).extension, {}, status)) << status;
    EXPECT_EQ(item.outputPath, dir / "out/-tone.mp3");

    MemoryProgress progress;
    ASSERT_EQ(buildAndRunConversion(runner, kTool, item, kMp3, defaultEncodingParams(kMp3), progress), 1);
    EXPECT_EQ(progress.upperText, "Converting -tone.wav...100%");
    EXPECT_EQ(folderEntries(dir / "out"), (std::set<std::string>{"-tone.mp3"}));

    MediaItem back;
    ASSERT_EQ(runner.runProbe(probeCommand(kTool, item.outputPath, false), back), 1);
    EXPECT_EQ(back.durationSeconds, 3);
    EXPECT_EQ(back.sampleRate, 44100);
    EXPECT_EQ(back.audioChannels, 2);
}
