// Tags and cover pictures carried into every format, and the two lossless/low-rate
// additions checked where they matter: FLAC bit for bit, Opus in length.
#include "probesummary.h"
#include "taggedmedia.h"
#include "testmedia.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Tags sourceTags = {
    {"title", "Nachtstück – 夜の歌"}, {"artist", "Zoë Ångström"}, {"album", "Ünïcödé Album"},
    {"track", "7"},                      {"date", "2021"},               {"genre", "Ambient"},
    {"comment", "Ça marche? Да."},
};

struct Target {
    const char *file;
    std::vector<std::string> options; // the program's command line for the format
    bool cover;                       // the container holds a picture
    std::vector<std::string> tags;    // the tags the container holds
};

const std::vector<std::string> allTags = {"title", "artist", "album", "track", "date", "genre", "comment"};

const Target targets[] = {
    {"t.mp3", {"-acodec", "mp3", "-ar", "44100", "-ab", "128k", "-ac", "2"}, true, allTags},
    {"t.mp2", {"-acodec", "mp2", "-ar", "44100", "-ab", "128k", "-ac", "2"}, true, allTags},
    {"t.wav", {"-acodec", "pcm_s16le", "-ar", "44100", "-ac", "2"}, false,
     {"title", "artist", "album", "date", "genre", "comment"}},
    {"t.wma", {"-f", "xwmv", "-acodec", "wma7x", "-ar", "44100", "-ab", "128k", "-ac", "2"}, false, allTags},
    {"t.ogg", {"-acodec", "vorbis", "-ar", "44100", "-ab", "128k", "-ac", "2"}, true, allTags},
    {"t.aac", {"-acodec", "libfaac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, true, allTags},
    {"t.m4a", {"-acodec", "mpeg4aac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, true, allTags},
    {"t.m4b", {"-f", "mp4", "-acodec", "mpeg4aac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, true, allTags},
    {"t.ac3", {"-acodec", "ac3", "-ar", "44100", "-ab", "128k", "-ac", "2"}, false, {}},
    {"t.aiff", {"-acodec", "pcm_s16be", "-ar", "44100", "-ac", "2"}, true, allTags},
    {"t.au", {"-acodec", "pcm_s16be", "-ar", "44100", "-ac", "2"}, false, {"title", "artist", "album", "track", "genre"}},
    {"t.ra", {"-f", "rmvb", "-acodec", "rmaudio", "-ar", "44100", "-ab", "128k", "-ac", "2"}, false,
     {"title", "artist", "comment"}},
    {"nb.amr", {"-f", "amr", "-acodec", "libamr_nb", "-ar", "8000", "-ab", "6.7k", "-ac", "1"}, false, {}},
    {"wb.amr", {"-f", "amr", "-acodec", "libamr_wb", "-ar", "16000", "-ab", "15.85k", "-ac", "1"}, false, {}},
    {"t.flac", {"-acodec", "flac", "-ar", "44100", "-ab", "128k", "-ac", "2"}, true, allTags},
    {"t.opus", {"-acodec", "opus", "-ar", "48000", "-ab", "128k", "-ac", "2"}, true, allTags},
};

std::vector<std::string> convertArgs(const std::string &input, const std::vector<std::string> &options,
                                     const std::string &output)
{
    std::vector<std::string> args{"-@", "-i", input, "-y", "-vn"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(output);
    return args;
}

// RealMedia names the artist "author".
std::string tagValue(const ReadBack &back, const std::string &key)
{
    auto found = back.tags.find(key);
    if (found == back.tags.end() && key == "artist")
        found = back.tags.find("author");
    return found == back.tags.end() ? std::string() : found->second;
}

class TagsAndCovers : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new TempDir;
        s_png = new std::string(makePng());
        writeSineWav(s_dir->file("plain.wav"), 44100, 2, 2.0);
        ASSERT_TRUE(runKescvt(convertArgs(s_dir->file("plain.wav"), targets[0].options, s_dir->file("plain.mp3")))
                        .succeeded());
        writeTaggedCopy(s_dir->file("plain.mp3"), source(), sourceTags, *s_png, true);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        delete s_png;
    }
    static std::string source() { return s_dir->file("tagged.mp3"); }
    static TempDir *s_dir;
    static std::string *s_png;
};

TempDir *TagsAndCovers::s_dir = nullptr;
std::string *TagsAndCovers::s_png = nullptr;

TEST_F(TagsAndCovers, EveryFormatKeepsThePictureBytesAndTheTagsItsContainerHolds)
{
    ASSERT_EQ(readBack(source()).cover, *s_png);
    TempDir out;
    for (const Target &target : targets) {
        const std::string path = out.file(target.file);
        const ToolResult run = runKescvt(convertArgs(source(), target.options, path));
        ASSERT_TRUE(run.succeeded()) << target.file << "\n" << run.output;
        const ReadBack back = readBack(path);
        if (target.cover)
            EXPECT_EQ(back.cover, *s_png) << target.file;
        else
            EXPECT_TRUE(back.cover.empty()) << target.file;
        for (const std::string &key : target.tags)
            EXPECT_EQ(tagValue(back, key), sourceTags.at(key)) << target.file << " " << key;
        // In ID3 the comment belongs in a COMM frame: players skip a user-defined one.
        if (readBytes(path).compare(0, 3, "ID3") == 0) {
            EXPECT_NE(readBytes(path).find("COMM"), std::string::npos) << target.file;
        }
    }
}

// Pictures come from what the source marks as one: a Matroska image attachment is a cover,
// a video stream's frame is not; and a cover taken from an Ogg comment travels on.
TEST_F(TagsAndCovers, OnlyAttachedPicturesBecomeCovers)
{
    TempDir out;
    writeTaggedCopy(s_dir->file("plain.mp3"), out.file("attached.mka"), sourceTags, *s_png, true);
    writeTaggedCopy(s_dir->file("plain.mp3"), out.file("video.mkv"), sourceTags, *s_png, false);
    ASSERT_TRUE(runKescvt(convertArgs(out.file("attached.mka"), targets[14].options, out.file("a.flac"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(out.file("video.mkv"), targets[0].options, out.file("v.mp3"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(source(), targets[4].options, out.file("c.ogg"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(out.file("c.ogg"), targets[6].options, out.file("c.m4a"))).succeeded());
    EXPECT_EQ(readBack(out.file("a.flac")).cover, *s_png);
    EXPECT_EQ(tagValue(readBack(out.file("v.mp3")), "title"), sourceTags.at("title"));
    EXPECT_TRUE(readBack(out.file("v.mp3")).cover.empty());
    EXPECT_EQ(readBack(out.file("c.m4a")).cover, *s_png);
}

TEST_F(TagsAndCovers, FlacDecodesToTheSourceSamplesAt16And24Bits)
{
    TempDir out;
    writeSineWav(out.file("s16.wav"), 44100, 2, 1.5, 0.8, 997.0);
    write24BitSineWav(out.file("s24.wav"), 44100, 2, 1.5);
    for (const auto &[name, bits] : {std::pair<std::string, int>{"s16", 16}, {"s24", 24}}) {
        const std::string flac = out.file(name + ".flac");
        ASSERT_TRUE(runKescvt(convertArgs(out.file(name + ".wav"), targets[14].options, flac)).succeeded()) << name;
        const DecodedPcm source = decodeAll(out.file(name + ".wav"));
        const DecodedPcm decoded = decodeAll(flac);
        EXPECT_EQ(decoded.bitsPerRawSample, bits) << name;
        ASSERT_EQ(decoded.samples.size(), source.samples.size()) << name;
        EXPECT_TRUE(decoded.samples == source.samples) << name;
    }
}

TEST_F(TagsAndCovers, OpusKeepsTheSourceLengthAt48kHz)
{
    TempDir out;
    writeSineWav(out.file("mono.wav"), 22050, 1, 3.3);
    ASSERT_TRUE(runKescvt(convertArgs(out.file("mono.wav"), {"-acodec", "opus", "-ar", "48000", "-ab", "96k", "-ac", "1"},
                                      out.file("m.opus")))
                    .succeeded());
    const ProbeSummary summary = summarizeProbe(runKescvt({"-i", out.file("m.opus")}).output);
    EXPECT_EQ(summary.audioCodec(), "opus");
    EXPECT_EQ(summary.sampleRate(), 48000);
    EXPECT_EQ(summary.channels(), "mono");
    EXPECT_NEAR(summary.durationSeconds, 3.3, 0.1);
}

} // namespace
