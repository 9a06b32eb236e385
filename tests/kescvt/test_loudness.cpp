// Loudness: measured on sines of known loudness (a 997 Hz sine of peak A on both channels
// of a stereo file measures 20 log10(A) LUFS), written as tags each container keeps, read
// back with FFmpeg, and applied as one gain that respects the true-peak ceiling.
#include "loudnessmeter.h"
#include "taggedmedia.h"
#include "testmedia.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

std::vector<std::string> convertArgs(const std::string &input, std::vector<std::string> options,
                                     const std::string &output)
{
    std::vector<std::string> args{"-@", "-i", input, "-y", "-vn"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(output);
    return args;
}

// Tags by lower-case key: MP4 freeform names are lower case, the others upper.
std::map<std::string, std::string> loudnessTags(const std::string &path)
{
    std::map<std::string, std::string> tags;
    for (const auto &[key, value] : readBack(path).tags) {
        std::string lower = key;
        for (char &c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower.rfind("replaygain_", 0) == 0 || lower.rfind("r128_", 0) == 0)
            tags[lower] = value;
    }
    return tags;
}

double number(const std::map<std::string, std::string> &tags, const std::string &key)
{
    const auto found = tags.find(key);
    return found == tags.end() ? NAN : std::strtod(found->second.c_str(), nullptr);
}

class Loudness : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        writeSineWav(s_dir->file("minus20.wav"), 44100, 2, 6.0, 0.1, 997.0);
        writeSineWav(s_dir->file("silence.wav"), 44100, 2, 3.0, 0.0, 997.0);
    }
    static void TearDownTestSuite() { delete s_dir; }
    static std::string file(const std::string &name) { return s_dir->file(name); }
    static TempDir *s_dir;
};

TempDir *Loudness::s_dir = nullptr;

TEST_F(Loudness, MeasuresASineToWithinATenthAndSilenceAsUndefined)
{
    const ToolResult sine = runKescvt({"-measure", "-i", file("minus20.wav")});
    ASSERT_TRUE(sine.succeeded()) << sine.output;
    double lufs = 0, peak = 0;
    ASSERT_EQ(std::sscanf(sine.output.c_str(), "Loudness: %lf LUFS, peak %lf", &lufs, &peak), 2) << sine.output;
    EXPECT_NEAR(lufs, -20.0, 0.1);
    EXPECT_NEAR(peak, 0.1, 0.002);

    const ToolResult silence = runKescvt({"-measure", "-i", file("silence.wav")});
    ASSERT_TRUE(silence.succeeded()) << silence.output;
    EXPECT_EQ(outputLines(silence.output).at(0), "Loudness: undefined, peak 0.000000");
}

TEST_F(Loudness, TagsGoWhereEachContainerKeepsThemAndSilenceGetsNone)
{
    struct Case {
        const char *file;
        std::vector<std::string> options;
    };
    const Case cases[] = {
        {"t.mp3", {"-acodec", "mp3", "-ab", "128k"}},   {"t.aac", {"-acodec", "libfaac", "-ab", "128k"}},
        {"t.aiff", {"-acodec", "pcm_s16be"}},           {"t.ogg", {"-acodec", "vorbis", "-ab", "128k"}},
        {"t.flac", {"-acodec", "flac"}},                {"t.m4a", {"-acodec", "mpeg4aac", "-ab", "128k"}},
        {"t.wma", {"-f", "xwmv", "-acodec", "wma8x"}}, {"t.opus", {"-acodec", "opus", "-ar", "48000"}},
        {"t.wav", {"-acodec", "pcm_s16le"}},
    };
    TempDir out;
    for (const Case &c : cases) {
        std::vector<std::string> options = c.options;
        options.insert(options.end(), {"-loudness", "1", "-album-loudness", "-23.00,0.5"});
        const std::string path = out.file(c.file);
        const ToolResult run = runKescvt(convertArgs(file("minus20.wav"), options, path));
        ASSERT_TRUE(run.succeeded()) << c.file << "\n" << run.output;
        const auto tags = loudnessTags(path);
        const std::string name = c.file;
        if (name == "t.wav") {
            EXPECT_TRUE(tags.empty()) << name;
        } else if (name == "t.opus") {
            // Q7.8 relative to -23 LUFS: -3 dB for the track, 0 for the album.
            EXPECT_NEAR(number(tags, "r128_track_gain"), -768, 26) << name;
            EXPECT_EQ(number(tags, "r128_album_gain"), 0) << name;
            EXPECT_EQ(tags.size(), 2u) << name;
        } else {
            EXPECT_NEAR(number(tags, "replaygain_track_gain"), 2.0, 0.1) << name;
            EXPECT_NEAR(number(tags, "replaygain_track_peak"), 0.1, 0.002) << name;
            EXPECT_EQ(tags.at("replaygain_album_gain"), "5.00 dB") << name;
            EXPECT_EQ(tags.at("replaygain_album_peak"), "0.500000") << name;
        }
    }
    const ToolResult silent =
        runKescvt(convertArgs(file("silence.wav"), {"-acodec", "flac", "-loudness", "1"}, out.file("silent.flac")));
    ASSERT_TRUE(silent.succeeded()) << silent.output;
    EXPECT_TRUE(loudnessTags(out.file("silent.flac")).empty());
}

// Tags alone leave the audio as it was; normalising reaches the target unless the true
// peak would pass -1 dBTP, and then stops there.
TEST_F(Loudness, NormalisingReachesTheTargetUnderThePeakCeilingAndTagsAloneChangeNoSample)
{
    TempDir out;
    ASSERT_TRUE(runKescvt(convertArgs(file("minus20.wav"), {"-acodec", "flac"}, out.file("plain.flac"))).succeeded());
    ASSERT_TRUE(
        runKescvt(convertArgs(file("minus20.wav"), {"-acodec", "flac", "-loudness", "1"}, out.file("tagged.flac")))
            .succeeded());
    EXPECT_EQ(decodeAll(out.file("plain.flac")).samples, decodeAll(out.file("tagged.flac")).samples);

    ASSERT_TRUE(runKescvt(convertArgs(file("minus20.wav"), {"-acodec", "flac", "-loudness", "2", "-target", "-26"},
                                      out.file("quiet.flac")))
                    .succeeded());
    const kescvt::LoudnessResult quiet = kescvt::measureFile(out.file("quiet.flac"));
    EXPECT_NEAR(quiet.integrated, -26.0, 0.1);
    EXPECT_NEAR(number(loudnessTags(out.file("quiet.flac")), "replaygain_track_gain"), 8.0, 0.1);

    // A 40 Hz sine weighs little in loudness: reaching -5 LUFS would put its peak far
    // above full scale.
    writeSineWav(out.file("bass.wav"), 44100, 2, 6.0, 0.1, 40.0);
    ASSERT_TRUE(runKescvt(convertArgs(out.file("bass.wav"), {"-acodec", "flac", "-loudness", "2", "-target", "-5"},
                                      out.file("bass.flac")))
                    .succeeded());
    const kescvt::LoudnessResult bass = kescvt::measureFile(out.file("bass.flac"));
    EXPECT_LE(20 * std::log10(bass.truePeak), -1.0 + 0.05);
    EXPECT_GE(20 * std::log10(bass.truePeak), -1.0 - 0.2);
    EXPECT_LT(bass.integrated, -6.0);
}

} // namespace
