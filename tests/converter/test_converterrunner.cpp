#include "converter/converterrunner.h"
#include "converter/failurereason.h"
#include "fakedisplay.h"
#include "core/mediaitem.h"
#include "platform/childprocess.h"
#include "runnow.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <dirent.h>
#include <sys/wait.h>

using namespace std::chrono_literals;

namespace {

const char *const streamLine = "out:    Stream #0.0: Audio: pcm_s16le, 8000 Hz, mono\\n";

// The arguments of the scripted tool doing `actions` in order.
std::vector<std::string> script(const std::vector<std::string> &actions)
{
    std::vector<std::string> argv{SCRIPT_TOOL};
    argv.insert(argv.end(), actions.begin(), actions.end());
    return argv;
}

int openDescriptors()
{
    ensureCoreApplication();  // its own descriptors are not the runs'
    DIR *dir = ::opendir("/proc/self/fd");
    int count = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    ::closedir(dir);
    return count - 1;
}

bool anyChildLeft()
{
    errno = 0;
    return !(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
}

// Everything a child prints, read until it has ended.
std::string readAll(platform::ChildProcess &child)
{
    std::string out;
    char buffer[4096];
    while (!(child.outputEnded() && child.hasEnded())) {
        child.waitForOutput(100ms);
        for (long got; (got = child.readAvailable(buffer, sizeof buffer)) > 0;)
            out.append(buffer, static_cast<std::size_t>(got));
        if (child.outputEnded())
            child.waitForEnd(100ms);
    }
    return out;
}

MediaItem itemOf(int durationSeconds)
{
    MediaItem item;
    item.sourcePath = "/music/Song.wav";
    item.durationSeconds = durationSeconds;
    return item;
}

} // namespace

TEST(ChildProcess, ArgumentsWholeOutputsSharedOnlyStdioInherited)
{
    platform::ChildProcess child;
    ASSERT_TRUE(child.start({SCRIPT_TOOL, "out:say \"hi\" #?*\\n", "err:to stderr\\n", "fds", "exit:4"}));
    EXPECT_EQ(readAll(child), "say \"hi\" #?*\nto stderr\nfds 3\n");
    EXPECT_EQ(child.outcome(), platform::ChildOutcome::Exited);
    EXPECT_EQ(child.exitCode(), 4);
}

TEST(ChildProcess, FourOutcomesKeptApart)
{
    platform::ChildProcess missing;
    EXPECT_FALSE(missing.start({"/nonexistent/kescvt", "-i", "x"}));
    EXPECT_EQ(missing.outcome(), platform::ChildOutcome::FailedToStart);
    EXPECT_EQ(missing.startError(), ENOENT);

    platform::ChildProcess crashed;
    ASSERT_TRUE(crashed.start({SCRIPT_TOOL, "signal:15"}));
    readAll(crashed);
    EXPECT_EQ(crashed.outcome(), platform::ChildOutcome::Signalled);
    EXPECT_EQ(crashed.termSignal(), 15);

    platform::ChildProcess killed;
    ASSERT_TRUE(killed.start({SCRIPT_TOOL, "hang"}));
    killed.kill();
    EXPECT_EQ(killed.outcome(), platform::ChildOutcome::Killed);
    EXPECT_FALSE(anyChildLeft());
}

TEST(ConverterRunner, ToolEndingAtOnceWithoutOutput)
{
    ConverterRunner runner;
    MediaItem item;
    const RunResult run = probeNow(runner, script({}), item);
    EXPECT_FALSE(run.success);
    EXPECT_EQ(run.report.outcome, RunOutcome::Exited);
    EXPECT_EQ(run.report.reads, 0);
    EXPECT_FALSE(runner.isRunning());
}

TEST(ConverterRunner, ProbeReadsBothStreamsUpToTheEnd)
{
    ConverterRunner runner;
    MediaItem item;
    // Written just before the tool ends; the duration comes on standard error.
    EXPECT_TRUE(probeNow(runner, script({"sleep:150", "err:  Duration: 00:03:25.12, start: 0.0\\r\\n",
                                      streamLine}), item).success);
    EXPECT_EQ(item.durationSeconds, 205);
    EXPECT_EQ(item.sampleRate, 8000);
    EXPECT_EQ(item.audioChannels, 1);

    // More than one read's worth still in the pipe when the tool has ended.
    MediaItem late;
    EXPECT_TRUE(probeNow(runner, script({"fill:300000", streamLine}), late).success);
    EXPECT_EQ(late.sampleRate, 8000);
}

TEST(ConverterRunner, SlowWindowStillGetsTheLastLines)
{
    // While the window repaints the tool fills the pipe and ends: the pass
    // after its end must take more than one read's worth.
    ConverterRunner runner;
    FakeDisplay display;
    display.pumpMs = 50;
    EXPECT_TRUE(conversionNow(runner, script({"fill:415000", "out:|Time>>> 100.0\\n"}), itemOf(100), display,
                            [&] { return display.pass(); }).success);
    EXPECT_EQ(display.texts, std::vector<std::string>{"Converting Song.wav...100%"});
}

TEST(ConverterRunner, LineCutBetweenWritesIsJoined)
{
    ConverterRunner runner;
    MediaItem item;
    const RunResult run = probeNow(runner, script({"out:  Dura", "sleep:300", "out:tion: 00:01:00.00, start\\n", streamLine}), item);
    EXPECT_TRUE(run.success);
    EXPECT_GE(run.report.reads, 2);
    EXPECT_EQ(item.durationSeconds, 60);

    FakeDisplay display;
    const RunResult run2 = conversionNow(runner, script({"out:|Time>>> 5", "sleep:300", "out:0.0\\n", "out:|Time>>> 100.0\\n"}),
                                   itemOf(100), display);
    EXPECT_TRUE(run2.success);
    EXPECT_GE(run2.report.reads, 2);
    EXPECT_EQ(display.texts, (std::vector<std::string>{"Converting Song.wav...50%", "Converting Song.wav...100%"}));
}

TEST(ConverterRunner, StdinStaysOpenWhileTheToolRuns)
{
    ConverterRunner runner;
    MediaItem item;
    EXPECT_TRUE(probeNow(runner, script({std::string("ifstdin:300:") + (streamLine + 4)}), item).success);
}

TEST(ConverterRunner, CancelKillsWaitsAndLeavesNothing)
{
    const int before = openDescriptors();
    ConverterRunner runner;
    FakeDisplay display;
    display.cancelAfterPumps = 4;
    const RunResult run = conversionNow(runner, script({"out:|Time>>> 1.0\\n", "hang"}), itemOf(100), display,
                            [&] { return display.pass(); });
    EXPECT_FALSE(run.success);
    EXPECT_EQ(run.report.outcome, RunOutcome::Cancelled);
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_FALSE(anyChildLeft());

    // Cancel is seen while the tool stays silent.
    FakeDisplay quiet;
    quiet.cancelAfterPumps = 2;
    const RunResult run2 = conversionNow(runner, script({"hang"}), itemOf(0), quiet, [&] { return quiet.pass(); });
    EXPECT_FALSE(run2.success);
    EXPECT_EQ(run2.report.outcome, RunOutcome::Cancelled);
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_FALSE(anyChildLeft());
}

TEST(ConverterRunner, ProbeThatNeverEndsTimesOut)
{
    const int before = openDescriptors();
    ConverterRunner runner;
    EXPECT_EQ(runner.probeTimeout(), 30000ms);
    runner.setProbeTimeout(300ms);
    MediaItem item;
    const RunResult run = probeNow(runner, script({streamLine, "hang"}), item);
    EXPECT_FALSE(run.success);
    EXPECT_EQ(run.report.outcome, RunOutcome::TimedOut);
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_FALSE(anyChildLeft());
}

TEST(ConverterRunner, FailedToolFailsTheConversion)
{
    ConverterRunner runner;
    FakeDisplay clean;
    EXPECT_TRUE(conversionNow(runner, script({"out:|Time>>> 100.0\\n"}), itemOf(100), clean).success);

    FakeDisplay exited;
    const RunResult run = conversionNow(runner, script({"out:|Time>>> 100.0\\n", "exit:3"}), itemOf(100), exited);
    EXPECT_FALSE(run.success);
    EXPECT_EQ(run.report.outcome, RunOutcome::Exited);
    EXPECT_EQ(run.report.exitCode, 3);

    FakeDisplay unknownLength;
    const RunResult run2 = conversionNow(runner, script({"out:size=10kB\\n", "signal:15"}), itemOf(0), unknownLength);
    EXPECT_FALSE(run2.success);
    EXPECT_EQ(run2.report.outcome, RunOutcome::Signalled);
    EXPECT_EQ(run2.report.signal, 15);

    // A clean exit without any progress line fails when the length is known.
    FakeDisplay silent;
    EXPECT_FALSE(conversionNow(runner, script({"out:size=10kB\\n"}), itemOf(100), silent).success);
}

TEST(ConverterRunner, ProbeStatusCountsOnlyForACrash)
{
    ConverterRunner runner;
    MediaItem item;
    // Probing without an output may well end with a non-zero status.
    EXPECT_TRUE(probeNow(runner, script({streamLine, "exit:1"}), item).success);
    EXPECT_FALSE(probeNow(runner, script({streamLine, "signal:15"}), item).success);
}

TEST(ConverterRunner, TwoRunsSideBySideKeepTheirOwnProgressAndReasons)
{
    // Each tool waits for the other's progress, so their lines interleave:
    // a at 25 %, b at 50 %, a at 100 %, b fails with an error line.
    ConverterRunner first, second;
    FakeDisplay a, b;
    MediaItem itemA = itemOf(100), itemB = itemOf(100);
    itemB.sourcePath = "/music/Other.wav";
    RunResult resultA, resultB;
    int ended = 0;
    runUntilDone([&](std::function<void()> finish) {
        auto bothDone = [&, finish] {
            if (++ended == 2)
                finish();
        };
        takeResult(first, resultA, bothDone);
        takeResult(second, resultB, bothDone);
        first.startConversion(script({"out:|Time>>> 25.0\\n", "sleep:400", "out:|Time>>> 100.0\\n"}), itemA, a);
        second.startConversion(script({"sleep:200", "out:|Time>>> 50.0\\n", "sleep:400",
                                       "err:kescvt: error: No space left on device\\n", "exit:4"}),
                               itemB, b);
    });
    EXPECT_TRUE(resultA.success);
    EXPECT_EQ(a.texts, (std::vector<std::string>{"Converting Song.wav...25%", "Converting Song.wav...100%"}));
    EXPECT_EQ(a.permilles.back(), 1000);
    EXPECT_FALSE(resultB.success);
    EXPECT_EQ(b.texts, std::vector<std::string>{"Converting Other.wav...50%"});
    EXPECT_EQ(b.permilles.back(), 500);
    EXPECT_EQ(resultB.report.exitCode, 4);
    EXPECT_EQ(resultB.report.errorLine, "No space left on device");
    EXPECT_EQ(runFailureReason(resultB.report), "No space left on device.");
    EXPECT_FALSE(anyChildLeft());
}

TEST(ConverterRunner, MissingToolFailsBothModes)
{
    const int before = openDescriptors();
    ConverterRunner runner;
    MediaItem item;
    const RunResult run = probeNow(runner, {"/nonexistent/kescvt", "-i", "/music/a.wav"}, item);
    EXPECT_FALSE(run.success);
    EXPECT_EQ(run.report.outcome, RunOutcome::FailedToStart);
    EXPECT_FALSE(probeNow(runner, {}, item).success);

    FakeDisplay display;
    const RunResult run2 = conversionNow(runner, {"/nonexistent/kescvt", "-@", "-i", "/music/a.wav"}, itemOf(0), display);
    EXPECT_FALSE(run2.success);
    EXPECT_EQ(run2.report.outcome, RunOutcome::FailedToStart);
    EXPECT_TRUE(display.permilles.empty());
    EXPECT_EQ(openDescriptors(), before);
}
