// kescvt driven by the program's own converter runner and output readers, with the
// command lines built the way the program builds them: what the tool prints must be
// what those readers take.
#include "batch/albumloudness.h"
#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "converter/progressdisplay.h"
#include "fakedisplay.h"
#include "core/mediaitem.h"
#include "core/encodingparams.h"
#include "core/formatcatalogue.h"
#include "converter/temporaryoutput.h"
#include "platform/childprocess.h"
#include "testmedia.h"
#include "../hardening/hostilekit.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <dirent.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include "runnow.h"

namespace {

std::vector<std::string> probeCommand(const std::string &source, bool prefixed = false)
{
    return {KESCVT_PATH, "-i", (prefixed ? "DS:\\\\" : "") + source};
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
        ASSERT_TRUE(probeNow(runner, probeCommand(path), item).success) << path;
        EXPECT_EQ(item.sampleRate, 48000);
        EXPECT_EQ(item.audioChannels, c.expected);
        EXPECT_EQ(item.durationSeconds, 3);
        EXPECT_EQ(item.videoWidth, 0);
    }

    writeY4m(dir.file("v.y4m"), 320, 240, 50, 25);
    ConverterRunner runner;
    MediaItem video;
    ASSERT_TRUE(probeNow(runner, probeCommand(dir.file("v.y4m")), video).success);
    EXPECT_EQ(video.videoWidth, 320);
    EXPECT_EQ(video.videoHeight, 240);
    EXPECT_DOUBLE_EQ(video.frameRate, 25.0);
    EXPECT_EQ(video.durationSeconds, 2);
    EXPECT_EQ(video.sampleRate, 0);

    MediaItem prefixed;
    EXPECT_TRUE(probeNow(runner, probeCommand(dir.file("c2.wav"), true), prefixed).success);
    EXPECT_EQ(prefixed.durationSeconds, 3);

    writeBytes(dir.file("text.wav"), "not a sound at all\n");
    MediaItem refused;
    EXPECT_FALSE(probeNow(runner, probeCommand(dir.file("text.wav")), refused).success);
}

// Tag text comes from the file: it must never make a line the reader takes.
TEST(WithRunner, TagsCannotForgeProbeLines)
{
    TempDir dir;
    writeTaggedSineWav(dir.file("t.wav"), 1.0, "x\nStream #0.5: Video: evil, 9x9, 99 fps(r)",
                       "a\rDuration: 09:09:09.00,\n  Duration: 08:00:00.00,");
    ConverterRunner runner;
    MediaItem item;
    ASSERT_TRUE(probeNow(runner, probeCommand(dir.file("t.wav")), item).success);
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
    ASSERT_TRUE(probeNow(runner, probeCommand(dir.file("song.wav")), source).success);
    source.sourcePath = dir.file("song.wav");

    for (int index = 0; index < kFormatCount; ++index) {
        const FormatEntry &format = formatEntry(index);
        MediaItem item = source;
        item.outputPath = dir.file("out" + std::to_string(index) + "." + format.extension);
        FakeDisplay display;
        ConversionEnd end;
        ASSERT_EQ(convertNow(runner, KESCVT_PATH, item, index, defaultEncodingParams(index), display, {}, &end), 1)
            << format.displayName << ": exit " << end.report.exitCode;
        ASSERT_FALSE(display.texts.empty()) << format.displayName;
        EXPECT_EQ(display.texts.back(), "Converting song.wav...100%") << format.displayName;
        EXPECT_EQ(display.permille(), 1000) << format.displayName;

        MediaItem back;
        ASSERT_TRUE(probeNow(runner, probeCommand(item.outputPath), back).success) << format.displayName;
        EXPECT_NEAR(back.durationSeconds, 3, 1) << format.displayName;
        const int rate = index == 12 ? 8000 : index == 13 ? 16000 : index == 15 ? 48000 : 44100;
        EXPECT_EQ(back.sampleRate, rate) << format.displayName;
        EXPECT_EQ(back.audioChannels, index == 12 || index == 13 ? 1 : 2) << format.displayName;
    }

    // A run the tool refuses is a failure, and leaves no file behind.
    MediaItem item = source;
    item.outputPath = dir.file("bad.mp3");
    EncodingParams bad = defaultEncodingParams(0);
    bad.AudioCodec = "nosuch";
    FakeDisplay failed;
    EXPECT_EQ(convertNow(runner, KESCVT_PATH, item, 0, bad, failed), 0);
    EXPECT_FALSE(fileExists(dir.file("bad.mp3")));
}

} // namespace

namespace {

// Size of the first hidden temporary file in a folder; -1 when there is none.
long temporaryFileSize(const std::string &folder)
{
    long size = -1;
    if (DIR *dir = opendir(folder.c_str())) {
        while (const dirent *entry = readdir(dir))
            if (std::string(entry->d_name).find(".snvtmp") != std::string::npos)
                size = fileSize(folder + "/" + entry->d_name);
        closedir(dir);
    }
    return size;
}

} // namespace

// The program killed mid-conversion: the tool, in a session of its own, notices and ends,
// and the hidden temporary file it was writing is gone.
TEST(WithRunner, ToolEndsAndRemovesItsOutputWhenTheProgramIsKilled)
{
    TempDir dir;
    // An hour and a half of (sparse) silence: the tool cannot finish on its own meanwhile.
    writeRawWav(dir.file("long.wav"), 1, 2, 44100, 16, "", 1u << 30, 44 + (1LL << 30));
    // Orphans come to us, so that their end can be waited for.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const pid_t program = fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        const auto temporary = temporaryoutput::createBeside(dir.file("song.mp3"));
        platform::ChildProcess tool;
        if (!temporary ||
            !tool.start({KESCVT_PATH, "-@", "-i", dir.file("long.wav"), "-y", "-vn", "-ar", "44100", *temporary}))
            _exit(1);
        for (;;)
            pause();
    }
    const hostile::Watchdog watchdog(120);
    while (temporaryFileSize(dir.path()) <= 0 && waitpid(program, nullptr, WNOHANG) == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GT(temporaryFileSize(dir.path()), 0) << "the tool never started writing";
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);

    // Reap whatever was left to us until nothing remains, with a generous bound.
    bool allEnded = false;
    for (int i = 0; i < 600 && !allEnded; ++i) {
        const pid_t ended = waitpid(-1, nullptr, WNOHANG);
        allEnded = ended < 0 && errno == ECHILD;
        if (ended == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    for (const pid_t left : hostile::childProcesses()) {
        kill(left, SIGKILL);
        waitpid(left, nullptr, 0);
    }
    prctl(PR_SET_CHILD_SUBREAPER, 0);
    EXPECT_TRUE(allEnded) << "the tool outlived the program";
    EXPECT_EQ(temporaryFileSize(dir.path()), -1) << "a temporary file stayed";
}

// The album pass as the program runs it: each file measured by the tool through the
// runner and the reader, the album's loudness put together from the blocks of its
// tracks. Two equally long sines at -20 and -26 LUFS pool to -20 + 10 log10((1 + 10^-0.6) / 2).
TEST(WithRunner, AlbumLoudnessPoolsTheMeasuredTracks)
{
    TempDir dir;
    writeSineWav(dir.file("a.wav"), 44100, 2, 5.0, 0.1, 997.0);
    writeSineWav(dir.file("b.wav"), 44100, 2, 5.0, 0.1 / 2, 997.0);
    std::vector<LoudnessMeasure> measures;
    for (const char *name : {"a.wav", "b.wav"}) {
        MediaItem item;
        item.sourcePath = dir.file(name);
        ConverterRunner runner;
        LoudnessMeasureReader reader;
        RunResult result;
        runUntilDone([&](std::function<void()> finish) {
            takeResult(runner, result, finish);
            runner.startMeasure(buildMeasureCommand(KESCVT_PATH, item),
                                [&](std::string_view line) { reader.takeLine(line); });
        });
        ASSERT_TRUE(result.success) << name;
        ASSERT_TRUE(reader.result().complete) << name;
        measures.push_back(reader.result());
    }
    EXPECT_NEAR(*measures[0].figures.integrated, -20.0, 0.1);
    EXPECT_NEAR(*measures[1].figures.integrated, -26.02, 0.1);
    const LoudnessFigures album = albumFigures({&measures[0], &measures[1]});
    ASSERT_TRUE(album.integrated);
    EXPECT_NEAR(*album.integrated, -20.0 + 10 * std::log10((1 + std::pow(10.0, -0.602)) / 2), 0.05);
    EXPECT_NEAR(album.peak, 0.1, 0.002);
}
