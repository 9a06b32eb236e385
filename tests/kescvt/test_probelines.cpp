// The probe lines, checked field by field against what the program's reader takes:
// "Duration:" then H:M:S and a comma; "Stream #" whose first colon ends the id; for
// audio a field with " Hz" and a field that starts with the channel word; for video a
// field that is exactly WxH and a field holding "fps(r)".
#include "probesummary.h"
#include "testmedia.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

std::string firstLineStarting(const std::string &output, const std::string &prefix)
{
    for (const std::string &raw : outputLines(output)) {
        const size_t first = raw.find_first_not_of(" \t");
        if (first != std::string::npos && raw.compare(first, prefix.size(), prefix) == 0)
            return raw.substr(first);
    }
    return {};
}

// What follows the first colon after "Stream #", blanks skipped.
std::string streamDescription(const std::string &line)
{
    const size_t colon = line.find(':', 8);
    if (colon == std::string::npos)
        return {};
    const size_t start = line.find_first_not_of(" \t", colon + 1);
    return start == std::string::npos ? std::string() : line.substr(start);
}

TEST(ProbeLines, AudioLinesForMonoStereoSurroundAndOtherCounts)
{
    TempDir dir;
    const struct {
        int channels;
        const char *word;
    } cases[] = {{1, "mono"}, {2, "stereo"}, {6, "5:1"}, {3, "3 channels"}};
    for (const auto &c : cases) {
        const std::string path = dir.file("c" + std::to_string(c.channels) + ".wav");
        writeSineWav(path, 22050, c.channels, 2.5);
        const ToolResult probe = runKescvt({"-i", path});
        ASSERT_TRUE(probe.succeeded()) << probe.output;

        const std::string duration = firstLineStarting(probe.output, "Duration:");
        EXPECT_TRUE(std::regex_match(duration, std::regex("Duration: 00:00:02\\.50,.*"))) << duration;

        const std::string stream = firstLineStarting(probe.output, "Stream #");
        const std::string description = streamDescription(stream);
        ASSERT_EQ(description.rfind("Audio:", 0), 0u) << stream;
        const std::vector<std::string> fields = splitFields(description.substr(6));
        ASSERT_GE(fields.size(), 3u) << stream;
        EXPECT_EQ(fields[0], "pcm_s16le");
        EXPECT_EQ(fields[1], "22050 Hz");
        EXPECT_EQ(fields[2], c.word);
        for (size_t i = 0; i < fields.size(); ++i)
            if (i != 1) {
                EXPECT_EQ(fields[i].find(" Hz"), std::string::npos) << stream;
            }
        EXPECT_EQ(std::atoi(fields[1].c_str()), 22050);
    }
}

TEST(ProbeLines, VideoLineHasASizeFieldAndAFrameRate)
{
    TempDir dir;
    writeY4m(dir.file("v.y4m"), 320, 240, 10, 25);
    const ToolResult probe = runKescvt({"-i", dir.file("v.y4m")});
    ASSERT_TRUE(probe.succeeded()) << probe.output;
    const std::string stream = firstLineStarting(probe.output, "Stream #");
    const std::string description = streamDescription(stream);
    ASSERT_EQ(description.rfind("Video:", 0), 0u) << stream;

    int sizeFields = 0;
    int rateFields = 0;
    for (const std::string &field : splitFields(description.substr(6))) {
        if (std::regex_match(field, std::regex("[0-9]+x[0-9]+"))) {
            ++sizeFields;
            EXPECT_EQ(field, "320x240");
        }
        if (field.find("fps(r)") != std::string::npos) {
            ++rateFields;
            EXPECT_DOUBLE_EQ(std::atof(field.c_str()), 25.0);
        }
    }
    EXPECT_EQ(sizeFields, 1) << stream;
    EXPECT_EQ(rateFields, 1) << stream;
    // A video-only file is readable: the probe succeeds on its video line alone.
    EXPECT_EQ(probe.exitCode, 0);
}

// Tag text comes from the file; it must never produce a line the reader would take.
TEST(ProbeLines, TagsCannotForgeStreamLines)
{
    TempDir dir;
    writeTaggedSineWav(dir.file("t.wav"), 1.0, "x\nStream #0.5: Video: evil, 9x9, 99 fps(r)", "a\rDuration: 09:09:09.00,");
    const ToolResult probe = runKescvt({"-i", dir.file("t.wav")});
    ASSERT_TRUE(probe.succeeded()) << probe.output;
    const ProbeSummary summary = summarizeProbe(probe.output);
    EXPECT_TRUE(summary.videoFields.empty()) << probe.output;
    EXPECT_EQ(summary.streamLines.size(), 1u) << probe.output;
    EXPECT_NEAR(summary.durationSeconds, 1.0, 0.05) << probe.output;
}

} // namespace
