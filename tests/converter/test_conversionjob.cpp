#include "batch/outputpathresolver.h"
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "fakedisplay.h"
#include "fakerun.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include "runnow.h"

namespace {

mode_t permissions(const std::string &path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

const std::string kTool = FAKE_KESCVT;
constexpr int kMp3 = 0;

EncodingParams mp3Params()
{
    EncodingParams p;
    p.AudioCodec = "mp3";
    p.AudioVolume = "100";
    return p;
}

class ConversionJob : public ::testing::Test {
protected:
    // A source whose content steers the fake tool; its target beside it.
    MediaItem source(const std::string &name, const std::string &script = "")
    {
        MediaItem item;
        item.sourcePath = dir / name;
        item.durationSeconds = 5;
        item.sampleRate = 44100;
        item.audioChannels = 2;
        writeFile(item.sourcePath, script);
        return item;
    }

    int convert(MediaItem &item, bool cancel = false)
    {
        FakeDisplay progress(cancel);
        return convertNow(runner, kTool, item, kMp3, mp3Params(), progress,
                          [&progress] { return progress.cancel; });
    }

    ScratchFolder dir;
    FakeToolLog log{dir};
    ConverterRunner runner;
};

} // namespace

TEST_F(ConversionJob, SuccessReplacesTheTargetAndLeavesNoTemporaryFile)
{
    MediaItem item = source("a.wav", "tone\n");
    item.outputPath = dir / "a.mp3";
    writeFile(dir / "a.mp3_arch001", "not ours");
    EXPECT_EQ(convert(item), 1);
    EXPECT_EQ(readFile(dir / "a.mp3"), "converted:tone\n");
    // A new output gets the permissions of any new file, not the temporary's 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(permissions(dir / "a.mp3"), 0666 & ~mask);
    EXPECT_EQ(item.outputPath, dir / "a.mp3");
    // The tool was told a hidden name beside the target that keeps its extension.
    const auto runs = log.runs();
    ASSERT_EQ(runs.size(), 1u);
    const std::string told = runs[0].back();
    EXPECT_EQ(told.rfind(dir / ".a.snvtmp-", 0), 0u) << told;
    EXPECT_EQ(told.substr(told.size() - 4), ".mp3");
    EXPECT_EQ(readFile(dir / "a.mp3_arch001"), "not ours");
    EXPECT_EQ(folderEntries(dir.path()), (std::set<std::string>{"a.wav", "a.mp3", "a.mp3_arch001", "fake.log"}));
}

TEST_F(ConversionJob, AnExistingTargetSurvivesFailureAndIsReplacedOnSuccess)
{
    ProgramSettings overwrite;
    overwrite.DestOutputFolderOpt = OutputFolder::SameAsOriginal;
    overwrite.TargetExistsOpt = TargetExists::Overwrite;
    overwrite.OutputFiles2MyDocuments = 0;
    const std::string precious = std::string("precious\0bytes", 14);
    writeFile(dir / "a.mp3", precious);
    ::chmod((dir / "a.mp3").c_str(), 0640);

    for (const char *script : {"conv|fail\n", "conv|empty\n", "conv|hang\n"}) {
        MediaItem item = source("a.wav", script);
        std::string status;
        ASSERT_EQ(resolveOutputPath(item, overwrite, "mp3", {}, status), TargetOutcome::Resolved) << status;
        EXPECT_EQ(convert(item, std::string(script) == "conv|hang\n"), 0) << script;
        EXPECT_EQ(readFile(dir / "a.mp3"), precious) << script;
        EXPECT_EQ(folderEntries(dir.path()), (std::set<std::string>{"a.wav", "a.mp3", "fake.log"})) << script;
    }

    MediaItem item = source("a.wav", "fresh\n");
    std::string status;
    ASSERT_EQ(resolveOutputPath(item, overwrite, "mp3", {}, status), TargetOutcome::Resolved);
    EXPECT_EQ(convert(item), 1);
    EXPECT_EQ(readFile(dir / "a.mp3"), "converted:fresh\n");
    EXPECT_EQ(permissions(dir / "a.mp3"), 0640u);
    EXPECT_EQ(readFile(dir / "a.wav"), "fresh\n");
}

TEST_F(ConversionJob, FailureWithoutATargetLeavesNothing)
{
    MediaItem item = source("a.wav", "conv|fail\n");
    item.outputPath = dir / "a.mp3";
    EXPECT_EQ(convert(item), 0);
    EXPECT_EQ(folderEntries(dir.path()), (std::set<std::string>{"a.wav", "fake.log"}));

    MediaItem other = source("b.wav", "x\n");
    other.outputPath = dir / "b.mp3";
    FakeDisplay progress;
    EXPECT_EQ(convertNow(runner, dir / "no-such-tool", other, kMp3, mp3Params(), progress), 0);
    EXPECT_EQ(folderEntries(dir.path()), (std::set<std::string>{"a.wav", "b.wav", "fake.log"}));
}

TEST_F(ConversionJob, AFileThatTakesAFreeNameMeanwhileIsLeftAlone)
{
    MediaItem item = source("a.wav", "conv|squat\n");
    item.outputPath = dir / "a.mp3";
    EXPECT_EQ(convert(item), 0);
    EXPECT_EQ(readFile(dir / "a.mp3"), "squatter");
    EXPECT_EQ(folderEntries(dir.path()), (std::set<std::string>{"a.wav", "a.mp3", "fake.log"}));
}

TEST_F(ConversionJob, TheSourceIsNeverATarget)
{
    MediaItem item = source("a.mp3", "keep\n");
    item.outputPath = dir / "./a.mp3";
    EXPECT_EQ(convert(item), 0);
    EXPECT_TRUE(log.runs().empty());
    EXPECT_EQ(readFile(dir / "a.mp3"), "keep\n");
}

TEST_F(ConversionJob, HostileFileNamesConvertEndToEnd)
{
    const std::string name = "-y \"quoted\" two  blanks\\\"\nline\xff.wav";
    MediaItem item = source(name, "odd\n");
    ProgramSettings custom;
    custom.DestOutputFolderOpt = OutputFolder::Custom;
    custom.DestSpecifiedFolder = dir / "out dir";
    custom.OutputFiles2MyDocuments = 0;
    std::string status;
    ASSERT_EQ(resolveOutputPath(item, custom, "mp3", {}, status), TargetOutcome::Resolved) << status;
    const std::string target = dir / "out dir/-y \"quoted\" two  blanks\\\"\nline\xff.mp3";
    EXPECT_EQ(item.outputPath, target);
    EXPECT_EQ(convert(item), 1);
    EXPECT_EQ(readFile(target), "converted:odd\n");

    const auto runs = log.runs();
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].size(), 14u);
    EXPECT_EQ(runs[0][2], dir / name);
}
