// Conversions as the program asks for them: the 16 formats with their default command
// lines, the volume, progress lines, the "DS:\\" input form, tags, and values that the
// encoder does not take.
#include "probesummary.h"
#include "testmedia.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <ostream>
#include <set>

namespace {

constexpr double sourceSeconds = 4.0;

struct FormatCase {
    const char *name;
    const char *extension;
    std::vector<std::string> options; // between "-y" and the output path
    const char *codec;
    int sampleRate;
    const char *channels;
};

// The program's command lines for each format with its default parameters, for a
// 44.1 kHz stereo source.
const FormatCase formatCases[] = {
    {"MP3", "mp3", {"-vn", "-acodec", "mp3", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "mp3", 44100, "stereo"},
    {"MP2", "mp2", {"-vn", "-acodec", "mp2", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "mp2", 44100, "stereo"},
    {"WAV", "wav", {"-vn", "-acodec", "pcm_s16le", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "pcm_s16le", 44100, "stereo"},
    {"WMA", "wma", {"-f", "xwmv", "-vn", "-acodec", "wma7x", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "wmav1", 44100, "stereo"},
    {"OGG", "ogg", {"-vn", "-acodec", "vorbis", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "vorbis", 44100, "stereo"},
    {"AAC", "aac", {"-vn", "-acodec", "libfaac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "aac", 44100, "stereo"},
    {"M4A", "m4a", {"-vn", "-acodec", "mpeg4aac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "aac", 44100, "stereo"},
    {"M4B", "m4b", {"-f", "mp4", "-vn", "-acodec", "mpeg4aac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "aac", 44100, "stereo"},
    {"AC3", "ac3", {"-vn", "-acodec", "ac3", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "ac3", 44100, "stereo"},
    {"AIFF", "aiff", {"-vn", "-acodec", "pcm_s16be", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "pcm_s16be", 44100, "stereo"},
    {"AU", "au", {"-vn", "-acodec", "pcm_s16be", "-ar", "44100", "-ac", "2"}, "pcm_s16be", 44100, "stereo"},
    {"RA", "ra", {"-f", "rmvb", "-vn", "-acodec", "rmaudio", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "ac3", 44100, "stereo"},
    {"AMRNB", "amr", {"-f", "amr", "-vn", "-acodec", "libamr_nb", "-ar", "8000", "-ab", "6.7k", "-ac", "1"}, "amr_nb", 8000, "mono"},
    {"AMRWB", "amr", {"-f", "amr", "-vn", "-acodec", "libamr_wb", "-ar", "16000", "-ab", "15.85k", "-ac", "1"}, "amr_wb", 16000, "mono"},
    {"FLAC", "flac", {"-vn", "-acodec", "flac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, "flac", 44100, "stereo"},
    {"OPUS", "opus", {"-vn", "-acodec", "opus", "-ar", "48000", "-ab", "128k", "-ac", "2"}, "opus", 48000, "stereo"},
};

void PrintTo(const FormatCase &format, std::ostream *out)
{
    *out << format.name;
}

std::set<std::string> folderEntries(const std::string &folder)
{
    std::set<std::string> names;
    if (DIR *dir = opendir(folder.c_str())) {
        while (const dirent *entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.insert(entry->d_name);
        closedir(dir);
    }
    return names;
}

std::vector<std::string> convertArgs(const std::string &input, const std::vector<std::string> &options,
                                     const std::string &output)
{
    std::vector<std::string> args{"-@", "-i", input, "-y"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(output);
    return args;
}

std::vector<double> progressTimes(const std::string &output)
{
    std::vector<double> times;
    for (const std::string &line : outputLines(output))
        if (line.rfind("|Time>>> ", 0) == 0)
            times.push_back(std::atof(line.c_str() + 9));
    return times;
}

class Conversions : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        writeSineWav(source(), 44100, 2, sourceSeconds);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static std::string source() { return s_dir->file("source.wav"); }
    static TempDir *s_dir;
};

TempDir *Conversions::s_dir = nullptr;

class FormatConversion : public Conversions, public ::testing::WithParamInterface<FormatCase> {};

// The program hands a hidden temporary name that it has already created empty; the
// container follows the last extension, and nothing else appears in the folder.
TEST_P(FormatConversion, WritesAFileThatProbesBackAsAsked)
{
    const FormatCase &format = GetParam();
    TempDir out;
    const std::string target = out.file(std::string(".song.snvtmp-ab12.") + format.extension);
    writeBytes(target, "");

    const ToolResult run = runKescvt(convertArgs(source(), format.options, target));
    ASSERT_TRUE(run.succeeded()) << run.output;
    EXPECT_EQ(folderEntries(out.path()), std::set<std::string>{std::string(".song.snvtmp-ab12.") + format.extension});
    EXPECT_GT(fileSize(target), 1000);

    const ToolResult probe = runKescvt({"-i", target});
    ASSERT_TRUE(probe.succeeded()) << probe.output;
    const ProbeSummary summary = summarizeProbe(probe.output);
    EXPECT_EQ(summary.audioCodec(), format.codec) << probe.output;
    EXPECT_EQ(summary.sampleRate(), format.sampleRate) << probe.output;
    EXPECT_EQ(summary.channels(), format.channels) << probe.output;
    EXPECT_NEAR(summary.durationSeconds, sourceSeconds, 0.1) << probe.output;

    const std::vector<double> times = progressTimes(run.output);
    ASSERT_FALSE(times.empty()) << run.output;
    EXPECT_NEAR(times.back(), sourceSeconds, 0.5);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, FormatConversion, ::testing::ValuesIn(formatCases),
                         [](const ::testing::TestParamInfo<FormatCase> &info) { return std::string(info.param.name); });

TEST_F(Conversions, AmrFilesCarryTheirStorageHeaders)
{
    TempDir out;
    const ToolResult narrow = runKescvt(convertArgs(source(), formatCases[12].options, out.file("n.amr")));
    const ToolResult wide = runKescvt(convertArgs(source(), formatCases[13].options, out.file("w.amr")));
    ASSERT_TRUE(narrow.succeeded()) << narrow.output;
    ASSERT_TRUE(wide.succeeded()) << wide.output;
    EXPECT_EQ(readBytes(out.file("n.amr")).substr(0, 6), "#!AMR\n");
    EXPECT_EQ(readBytes(out.file("w.amr")).substr(0, 9), "#!AMR-WB\n");
}

TEST_F(Conversions, VolumeScalesByAQuarterOfAPercentPerUnit)
{
    TempDir out;
    const std::vector<std::string> wav{"-vn", "-acodec", "pcm_s16le", "-ar", "44100", "-ac", "2"};
    std::vector<std::string> full = wav;
    full.insert(full.end(), {"-vol", "256"});
    std::vector<std::string> half = wav;
    half.insert(half.end(), {"-vol", "128"});
    ASSERT_TRUE(runKescvt(convertArgs(source(), full, out.file("full.wav"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(source(), half, out.file("half.wav"))).succeeded());
    const int fullPeak = wavPeak(out.file("full.wav"));
    const int halfPeak = wavPeak(out.file("half.wav"));
    ASSERT_GT(fullPeak, 10000);
    EXPECT_NEAR(static_cast<double>(halfPeak) / fullPeak, 0.5, 0.005);
}

TEST_F(Conversions, ProgressLinesNeverGoBackAndEndAtTheDuration)
{
    TempDir out;
    const ToolResult run = runKescvt(convertArgs(source(), formatCases[0].options, out.file("p.mp3")));
    ASSERT_TRUE(run.succeeded()) << run.output;
    for (const std::string &line : outputLines(run.output))
        if (line.find("Time>>>") != std::string::npos) {
            EXPECT_EQ(line.rfind("|Time>>> ", 0), 0u) << "marker not at the first character: " << line;
        }
    const std::vector<double> times = progressTimes(run.output);
    ASSERT_FALSE(times.empty());
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(times[i], times[i - 1]);
    EXPECT_NEAR(times.back(), sourceSeconds, 0.5);
}

TEST_F(Conversions, PrefixedInputFormReadsTheSameFile)
{
    TempDir out;
    const std::string prefixed = "DS:\\\\" + source();
    const ToolResult probe = runKescvt({"-i", prefixed});
    ASSERT_TRUE(probe.succeeded()) << probe.output;
    EXPECT_NEAR(summarizeProbe(probe.output).durationSeconds, sourceSeconds, 0.05);
    const ToolResult run = runKescvt(convertArgs(prefixed, formatCases[0].options, out.file("ds.mp3")));
    ASSERT_TRUE(run.succeeded()) << run.output;
    EXPECT_GT(fileSize(out.file("ds.mp3")), 1000);
}

// Tags travel from WAV INFO into Ogg, where they sit on the stream, and from there on into MP3.
TEST_F(Conversions, TagsAreCopiedIncludingFromOggStreams)
{
    TempDir out;
    writeTaggedSineWav(out.file("tagged.wav"), 1.0, "Night Tune", "Some Player");
    ASSERT_TRUE(runKescvt(convertArgs(out.file("tagged.wav"), formatCases[4].options, out.file("t.ogg"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(out.file("t.ogg"), formatCases[0].options, out.file("t.mp3"))).succeeded());
    for (const char *file : {"t.ogg", "t.mp3"}) {
        const ToolResult probe = runKescvt({"-i", out.file(file)});
        EXPECT_NE(probe.output.find("Night Tune"), std::string::npos) << file << "\n" << probe.output;
        EXPECT_NE(probe.output.find("Some Player"), std::string::npos) << file << "\n" << probe.output;
    }
}

// Values the encoder does not take are replaced by the nearest it does, with a notice.
TEST_F(Conversions, UnfitValuesTakeTheNearestTheEncoderSupports)
{
    TempDir out;
    writeSineWav(out.file("six.wav"), 48000, 6, 1.0);
    struct Case {
        std::vector<std::string> options;
        const char *file;
        int rate;
        const char *channels;
    } cases[] = {
        {{"-acodec", "mp3", "-ar", "96000", "-ab", "128k", "-ac", "2"}, "hi.mp3", 48000, "stereo"},
        {{"-acodec", "mp3", "-ar", "44100", "-ab", "128k"}, "down.mp3", 44100, "stereo"},
        {{"-acodec", "mp3", "-ar", "44100", "-ac", "6"}, "six.mp3", 44100, "stereo"},
        {{"-acodec", "ac3", "-ar", "8000", "-ab", "128k", "-ac", "2"}, "low.ac3", 32000, "stereo"},
        {{"-acodec", "ac3", "-ar", "48000", "-ab", "384k", "-ac", "6"}, "surround.ac3", 48000, "5:1"},
        {{"-f", "xwmv", "-acodec", "wma8x", "-ar", "44100", "-ab", "16k", "-ac", "2"}, "thin.wma", 44100, "stereo"},
        {{"-acodec", "vorbis", "-ar", "44100", "-ab", "16k", "-ac", "2"}, "thin.ogg", 44100, "stereo"},
        {{"-acodec", "mp2", "-ar", "44100", "-ab", "144k", "-ac", "2"}, "odd.mp2", 44100, "stereo"},
        {{"-f", "amr", "-acodec", "libamr_nb", "-ar", "44100", "-ab", "7k", "-ac", "2"}, "nb.amr", 8000, "mono"},
    };
    for (const Case &c : cases) {
        const ToolResult run = runKescvt(convertArgs(out.file("six.wav"), c.options, out.file(c.file)));
        ASSERT_TRUE(run.succeeded()) << c.file << "\n" << run.output;
        const ProbeSummary summary = summarizeProbe(runKescvt({"-i", out.file(c.file)}).output);
        EXPECT_EQ(summary.sampleRate(), c.rate) << c.file;
        EXPECT_EQ(summary.channels(), c.channels) << c.file;
    }
    const ToolResult noticed = runKescvt(convertArgs(out.file("six.wav"), cases[0].options, out.file("again.mp3")));
    EXPECT_NE(noticed.output.find("using 48000 Hz"), std::string::npos) << noticed.output;
}

} // namespace
