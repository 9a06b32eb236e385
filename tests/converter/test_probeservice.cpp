// One probe service answers file after file; a file on which its tool dies or hangs
// costs that file alone, and no tool outlives the service.
#include "filelist/mediaprobe.h"
#include "converter/probeservice.h"
#include "runnow.h"
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/wait.h>

using namespace std::chrono_literals;

namespace {

const char *const audioLine = "    Stream #0.0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n";

ProbeEnd probeThrough(ProbeService &service, const std::string &path)
{
    ProbeEnd result;
    runUntilDone([&](std::function<void()> finish) {
        startMediaProbe(service, path, [&result, finish](ProbeEnd end) {
            result = std::move(end);
            finish();
        });
    });
    return result;
}

bool anyChildLeft()
{
    errno = 0;
    return !(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
}

} // namespace

TEST(ProbeService, AToolThatDiesOrHangsCostsOnlyThatFile)
{
    ScratchFolder dir;
    dir.write("good1.mp3", audioLine);
    dir.write("crash.mp3", std::string(audioLine) + "probe|crash\n");
    dir.write("good2.mp3", audioLine);
    dir.write("hang.mp3", "probe|hang\n");
    dir.write("good3.ra", std::string("ds|") + audioLine);
    dir.write("nothing.mp3", "not media\n");
    {
        ProbeService service(SCRIPT_TOOL);
        // A generous guard: the hanging file is what it is there for.
        service.setProbeTimeout(3s);
        const ProbeEnd good1 = probeThrough(service, dir.file("good1.mp3"));
        ASSERT_TRUE(good1.item);
        EXPECT_EQ(good1.item->sampleRate, 44100);
        EXPECT_EQ(good1.item->sourcePath, dir.file("good1.mp3"));

        // The file after the crash already waits in the tool; a new tool takes it.
        ProbeEnd crash, good2;
        runUntilDone([&](std::function<void()> finish) {
            startMediaProbe(service, dir.file("crash.mp3"), [&](ProbeEnd end) { crash = std::move(end); });
            startMediaProbe(service, dir.file("good2.mp3"), [&, finish](ProbeEnd end) {
                good2 = std::move(end);
                finish();
            });
        });
        EXPECT_FALSE(crash.item);
        EXPECT_FALSE(crash.toolMissing);
        EXPECT_EQ(crash.reason, "The converter stopped while reading this file.");
        EXPECT_TRUE(good2.item);

        const ProbeEnd hang = probeThrough(service, dir.file("hang.mp3"));
        EXPECT_FALSE(hang.item);
        EXPECT_EQ(hang.reason, "The converter did not answer in time and was stopped.");

        const ProbeEnd ds = probeThrough(service, dir.file("good3.ra"));
        ASSERT_TRUE(ds.item);
        EXPECT_TRUE(ds.item->dsInput);
        EXPECT_EQ(probeThrough(service, dir.file("nothing.mp3")).reason,
                  "No audio or video stream the converter can read.");
        EXPECT_TRUE(service.hasTool());
    }
    EXPECT_FALSE(anyChildLeft());

    ProbeService missing("/nonexistent/kescvt");
    const ProbeEnd none = probeThrough(missing, dir.file("good1.mp3"));
    EXPECT_TRUE(none.toolMissing);
    EXPECT_FALSE(none.item);
}
