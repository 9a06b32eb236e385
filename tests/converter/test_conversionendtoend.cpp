#include "batch/outputpathresolver.h"
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "filelist/medialistsink.h"
#include "filelist/mediaprobe.h"
#include "filelist/mediaitemmap.h"
#include "core/encodingparams.h"
#include "core/formatcatalogue.h"
#include "fakedisplay.h"
#include "fakerun.h"
#include "vectorsink.h"
#include "sinewav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include "runnow.h"

namespace {

const std::string kTool = REAL_KESCVT;

} // namespace

TEST(ConversionEndToEnd, WavIsProbedResolvedConvertedToMp3AndProbesBack)
{
    ScratchFolder dir;
    const std::string source = dir / "in \"one\"/-tone.wav";
    ASSERT_TRUE(ensureFolder(dir / "in \"one\"", true));
    writeFile(source, sineWavBytes(3, 44100, 2));

    ConverterRunner runner;
    MediaItemMap map;
    VectorSink sink;
    ASSERT_EQ(probeAndAddNow(source, runner, kTool, map, sink), 0);
    MediaItem &item = *sink.rows.at(0);
    EXPECT_EQ(item.durationSeconds, 3);
    EXPECT_EQ(item.sampleRate, 44100);
    EXPECT_EQ(item.audioChannels, 2);

    constexpr int kMp3 = 0;
    ASSERT_STREQ(formatEntry(kMp3).extension, "mp3");
    ProgramSettings settings;
    settings.DestOutputFolderOpt = OutputFolder::Custom;
    settings.DestSpecifiedFolder = dir / "out";
    settings.CreateDirs = 0;
    settings.OutputFiles2MyDocuments = 0;
    std::string status;
    ASSERT_EQ(resolveOutputPath(item, settings, formatEntry(kMp3).extension, {}, status), TargetOutcome::Resolved) << status;
    EXPECT_EQ(item.outputPath, dir / "out/-tone.mp3");

    FakeDisplay progress;
    ASSERT_EQ(convertNow(runner, kTool, item, kMp3, defaultEncodingParams(kMp3), progress), 1);
    EXPECT_EQ(progress.upperText(), "Converting -tone.wav...100%");
    EXPECT_EQ(folderEntries(dir / "out"), (std::set<std::string>{"-tone.mp3"}));

    MediaItem back;
    ASSERT_TRUE(probeNow(runner, probeCommand(kTool, item.outputPath, false), back).success);
    EXPECT_EQ(back.durationSeconds, 3);
    EXPECT_EQ(back.sampleRate, 44100);
    EXPECT_EQ(back.audioChannels, 2);
}
