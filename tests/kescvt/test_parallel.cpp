// Encoding on several threads: each format that is split into segments must give what
// one thread gives, to the sample, with no seam to hear; a stop leaves nothing behind.
#include "audiocompare.h"
#include "musicwav.h"
#include "testmedia.h"
#include "toolprocess.h"
#include "transcoder.h"

#include <gtest/gtest.h>

#include <csignal>

using namespace kescvt;

namespace {

struct Target {
    const char *extension;
    const char *codec; // as the program sends it; empty: the container's own
    const char *bitRate;
    bool exact;        // lossless: the files themselves must be the same
};

void convert(const std::string &input, const std::string &output, const Target &target, int threads)
{
    ToolOptions options;
    options.input = input;
    options.output = output;
    options.codec = target.codec;
    options.threads = threads;
    options.overwrite = true;
    if (*target.bitRate)
        options.bitRate = std::stoll(target.bitRate) * 1000;
    // Short blocks, so that a short source makes several segments and joins (blocks are
    // never shorter than a codec's run-in: 6 s for AAC).
    options.segmentSamples = 44100 * 3 / 2;
    Transcoder(options).run();
}

} // namespace

TEST(ParallelEncoding, EverySplitFormatDecodesLikeTheOneThreadOutput)
{
    TempDir dir;
    const std::string source = dir.file("music.wav");
    writeMusicWav(source, 19.3);
    const DecodedAudio original = decodeAudio(source);
    ASSERT_GT(original.frames(), 0);

    const Target targets[] = {
        {"m4b", "mpeg4aac", "128", false}, {"aac", "mpeg4aac", "96", false}, {"flac", "flac", "", true},
        {"wav", "", "", true},             {"aiff", "", "", true},          {"au", "", "", true},
        {"ac3", "ac3", "192", false},      {"mp2", "mp2", "160", false},    {"opus", "opus", "96", false},
        {"ra", "rmaudio", "128", false},
    };
    for (const Target &target : targets) {
        SCOPED_TRACE(target.extension);
        const std::string one = dir.file(std::string("one.") + target.extension);
        const std::string split = dir.file(std::string("split.") + target.extension);
        ASSERT_NO_THROW(convert(source, one, target, 1));
        ASSERT_NO_THROW(convert(source, split, target, 3));
        if (target.exact) {
            // Frame numbers, checksums, STREAMINFO with its MD5: all as one encoder writes them.
            EXPECT_TRUE(readBytes(one) == readBytes(split));
            const DecodedAudio decoded = decodeAudio(split);
            EXPECT_TRUE(decoded.samples == original.samples);
            continue;
        }
        const DecodedAudio reference = decodeAudio(one, original.sampleRate);
        const DecodedAudio decoded = decodeAudio(split, original.sampleRate);
        EXPECT_EQ(decoded.frames(), reference.frames());
        const Closeness alone = compareAudio(original, reference);
        const Closeness joined = compareAudio(original, decoded);
        EXPECT_EQ(joined.lag, alone.lag);
        EXPECT_NEAR(joined.snr, alone.snr, 0.5);
        EXPECT_GE(joined.worstWindow, alone.worstWindow - 3.0);
    }
}

TEST(ParallelEncoding, AStopMidwayEndsEveryThreadAndLeavesNoOutput)
{
    TempDir dir;
    const std::string source = dir.file("long.wav");
    writeMusicWav(source, 60.0);
    const std::string output = dir.file("out.m4b");
    const ToolResult result =
        runKescvt({"-@", "-i", source, "-y", "-acodec", "mpeg4aac", "-threads", "3", output}, 120, RunStop{SIGTERM});
    EXPECT_TRUE(result.failedCleanly()) << result.output;
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_FALSE(fileExists(output));
}
