// Faults from outside while the converter runs: the tool killed half-way, a
// disk that fills up, Cancel pressed at any moment. None of them may end in a
// reported success, a half-written file under the target's name, a damaged
// existing target, a leftover process or a leaked descriptor.
#include "hostilekit.h"

#include "converter/conversionjob.h"
#include "converter/converterrunner.h"
#include "filelist/mediaprobe.h"
#include "core/encodingparams.h"
#include "core/formatcatalogue.h"

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <random>
#include <set>

#include <sys/resource.h>
#include <unistd.h>
#include "runnow.h"

using namespace hostile;

namespace {

const std::string kTool = REAL_KESCVT;
constexpr int kMp3 = 0;
constexpr int kWav = 2;

class Faults : public ::testing::Test {
protected:
    MediaItem source(const std::string &name, double seconds)
    {
        MediaItem item;
        item.sourcePath = dir / name;
        writeFile(item.sourcePath, sineWavBytes(seconds, 44100, 2));
        item.durationSeconds = static_cast<int>(seconds);
        item.sampleRate = 44100;
        item.audioChannels = 2;
        return item;
    }

    int convert(MediaItem &item, int format, FakeDisplay &progress)
    {
        const Watchdog watchdog(120);
        return convertNow(runner, kTool, item, format, defaultEncodingParams(format), progress,
                          [&progress] { return progress.pass(); }, &lastEnd);
    }

    // Only the source and what the test put there itself: no temporary file,
    // no output under any other name.
    void expectFolderHolds(const std::set<std::string> &names)
    {
        std::set<std::string> found;
        for (const auto &[path, entry] : snapshot(dir.path()))
            found.insert(path.substr(1));
        EXPECT_EQ(found, names);
    }

    ScratchFolder dir;
    ConverterRunner runner;
    ConversionEnd lastEnd;  // of the last convert()
};

// Kills the converter with SIGKILL once it has reported progress.
void killWhenProgressShows(FakeDisplay &progress, bool &killed)
{
    progress.onPump = [&killed, &progress] {
        if (killed || progress.permille() == 0)
            return;
        for (pid_t child : childProcesses()) {
            const std::string stat = readFile("/proc/" + std::to_string(child) + "/stat");
            const std::size_t close = stat.rfind(')');
            if (close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z'
                && ::kill(child, SIGKILL) == 0)
                killed = true;
        }
    };
}

} // namespace

TEST_F(Faults, ToolKilledHalfWayIsAFailureAndLeavesTargetsAlone)
{
    // Long enough that the tool is still at work when the first progress shows,
    // however fast the machine.
    MediaItem item = source("long.wav", 180);
    const std::string sourceBytes = readFile(item.sourcePath);

    // Without a target: nothing under the final name afterwards.
    item.outputPath = dir / "long.mp3";
    FakeDisplay progress;
    bool killed = false;
    killWhenProgressShows(progress, killed);
    EXPECT_EQ(convert(item, kMp3, progress), 0);
    ASSERT_TRUE(killed) << "the conversion ended before it could be killed";
    EXPECT_EQ(lastEnd.report.outcome, RunOutcome::Signalled);
    EXPECT_EQ(lastEnd.report.signal, SIGKILL);
    expectFolderHolds({"long.wav"});

    // Over an existing target (the overwrite policy): the old file stays whole.
    writeFile(dir / "old.mp3", "an earlier conversion");
    item.outputPath = dir / "old.mp3";
    FakeDisplay again;
    killed = false;
    killWhenProgressShows(again, killed);
    EXPECT_EQ(convert(item, kMp3, again), 0);
    ASSERT_TRUE(killed);
    EXPECT_EQ(readFile(dir / "old.mp3"), "an earlier conversion");
    EXPECT_EQ(readFile(item.sourcePath), sourceBytes);
    expectFolderHolds({"long.wav", "old.mp3"});
    EXPECT_TRUE(childProcesses().empty());
}

// The disk fills up half-way: modelled by a file size limit, which the tool
// inherits. Either it dies of SIGXFSZ or, with the signal ignored, its writes
// fail; both must read as a failure, never as a shorter success.
TEST_F(Faults, FullDiskIsAFailureAndAnExistingTargetSurvives)
{
    // Long enough that the tool is still at work when the first progress shows,
    // however fast the machine.
    MediaItem item = source("long.wav", 180);
    const std::string sourceBytes = readFile(item.sourcePath);
    constexpr rlim_t kLimit = 256 * 1024;

    for (const int format : {kMp3, kWav}) {
        for (const bool ignoreSignal : {false, true}) {
            SCOPED_TRACE(std::string(formatEntry(format).extension) + (ignoreSignal ? ", SIGXFSZ ignored" : ""));
            const std::string target = dir / (std::string("old.") + formatEntry(format).extension);
            writeFile(target, "an earlier conversion");
            item.outputPath = target;

            rlimit saved {};
            ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto previous = std::signal(SIGXFSZ, ignoreSignal ? SIG_IGN : SIG_DFL);
            rlimit small = saved;
            small.rlim_cur = kLimit;
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
            FakeDisplay progress;
            const int result = convert(item, format, progress);
            ::setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, previous);

            EXPECT_EQ(result, 0);
            if (ignoreSignal) {
                EXPECT_EQ(lastEnd.report.outcome, RunOutcome::Exited);
                EXPECT_NE(lastEnd.report.exitCode, 0);
            } else {
                EXPECT_EQ(lastEnd.report.outcome, RunOutcome::Signalled);
                EXPECT_EQ(lastEnd.report.signal, SIGXFSZ);
            }
            EXPECT_EQ(readFile(target), "an earlier conversion");
            EXPECT_EQ(readFile(item.sourcePath), sourceBytes);
            expectFolderHolds({"long.wav", std::string("old.") + formatEntry(format).extension});
            ::unlink(target.c_str());
        }
    }
}

// Cancel at 50 moments drawn from a fixed seed, from before the first read to
// after the tool has ended. Each run ends with no child, no descriptor beyond
// those open at the start, and either a whole output (the tool finished first)
// or none at all, with an existing target untouched.
TEST_F(Faults, CancelAtAnyMomentLeavesNothingBehind)
{
    MediaItem item = source("song.wav", 2);
    const std::string target = dir / "song.mp3";
    std::mt19937 random(20261207);
    ensureCoreApplication();  // its own descriptors are not the runs'
    const int descriptors = openDescriptorCount();
    int cancelled = 0;
    int finished = 0;

    for (int run = 0; run < 50; ++run) {
        const int moment = 1 + static_cast<int>(random() % 8);
        const bool existing = random() % 2 == 0;
        SCOPED_TRACE("run " + std::to_string(run) + ", cancel at pass " + std::to_string(moment)
                     + (existing ? ", over an existing target" : ""));
        if (existing)
            writeFile(target, "an earlier conversion");
        item.outputPath = target;

        FakeDisplay progress;
        progress.onPump = [moment, &progress] {
            if (progress.pumps >= moment)
                progress.cancel = true;
        };
        const int result = convert(item, kMp3, progress);

        EXPECT_TRUE(childProcesses().empty());
        EXPECT_EQ(openDescriptorCount(), descriptors);
        // The first pump comes before the first read: Cancel there always wins.
        if (moment == 1) {
            EXPECT_EQ(result, 0);
        }
        if (result == 0) {
            ++cancelled;
            EXPECT_EQ(lastEnd.report.outcome, RunOutcome::Cancelled);
            if (existing) {
                EXPECT_EQ(readFile(target), "an earlier conversion");
            } else {
                EXPECT_FALSE(exists(target));
            }
        } else {
            ++finished;
            MediaItem back;
            EXPECT_TRUE(probeNow(runner, probeCommand(kTool, target, false), back).success);
            EXPECT_EQ(back.durationSeconds, 2);
        }
        expectFolderHolds(existing || result == 1 ? std::set<std::string>{"song.wav", "song.mp3"}
                                                  : std::set<std::string>{"song.wav"});
        ::unlink(target.c_str());
    }
    EXPECT_GT(cancelled, 0);
    std::cout << "[ note ] " << cancelled << " runs cancelled, " << finished << " finished first\n";
}
