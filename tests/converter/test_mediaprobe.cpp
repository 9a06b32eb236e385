#include "converter/converterrunner.h"
#include "filelist/medialistsink.h"
#include "converter/commandtext.h"
#include "filelist/mediaprobe.h"
#include "filelist/mediaitemmap.h"
#include "fakerun.h"
#include "vectorsink.h"

#include <gtest/gtest.h>

#include <memory>
#include "runnow.h"

#include <unistd.h>

namespace {

const std::string kTool = FAKE_KESCVT;
const char *kAudio = "Duration: 00:01:05.50, start: 0.000000, bitrate: 128 kb/s\n"
                     "  Stream #0.0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n";

class MediaProbe : public ::testing::Test {
protected:
    int add(const std::string &path) { return probeAndAddNow(path, runner, kTool, map, sink); }

    ScratchFolder dir;
    FakeToolLog log{dir};
    ConverterRunner runner;
    MediaItemMap map;
    VectorSink sink;
};

} // namespace

TEST(ProbeRules, RealMediaExtensionsAndCommands)
{
    EXPECT_TRUE(hasRealMediaExtension("/m/talk.RMVB"));
    EXPECT_TRUE(hasRealMediaExtension("/m/a.Ra"));
    EXPECT_TRUE(hasRealMediaExtension("/m/a.ram"));
    EXPECT_TRUE(hasRealMediaExtension("a.rm"));
    EXPECT_FALSE(hasRealMediaExtension(".rm"));            // no "/": the search starts at the second character
    EXPECT_FALSE(hasRealMediaExtension("/m/old.rm/track")); // the dot is in a folder name
    EXPECT_FALSE(hasRealMediaExtension("/m/a.rmx"));
    EXPECT_EQ(commandText(probeCommand("/t/kescvt", "/m/a.wav", false)), R"("/t/kescvt" -i "/m/a.wav")");
    EXPECT_EQ(commandText(probeCommand("/t/kescvt", "/m/a.rm", true)), R"("/t/kescvt" -i "DS:\\/m/a.rm")");
}

TEST_F(MediaProbe, AddsAReadableFileOnceWhateverItsName)
{
    writeFile(dir / "Song.mp3", kAudio);
    EXPECT_EQ(add(dir / "Song.mp3"), 0);
    ASSERT_EQ(sink.rows.size(), 1u);
    const MediaItem &item = *sink.rows[0];
    EXPECT_EQ(item.sourcePath, dir / "Song.mp3");
    EXPECT_EQ(item.durationSeconds, 65);
    EXPECT_EQ(item.sampleRate, 44100);
    EXPECT_EQ(item.audioChannels, 2);
    EXPECT_FALSE(item.dsInput);
    EXPECT_EQ(map.find(dir / "Song.mp3"), &item);
    EXPECT_EQ(log.runs(), (std::vector<std::vector<std::string>>{{"-i", dir / "Song.mp3"}}));

    // The same file by another name: nothing is run, nothing is added.
    ASSERT_EQ(::symlink((dir / "Song.mp3").c_str(), (dir / "link.mp3").c_str()), 0);
    EXPECT_EQ(add(dir / "link.mp3"), 0);
    EXPECT_EQ(add(dir.path() + "/./Song.mp3"), 0);
    EXPECT_EQ(sink.rows.size(), 1u);
    EXPECT_EQ(log.runs().size(), 1u);

    // Another letter case is another file.
    writeFile(dir / "song.mp3", kAudio);
    EXPECT_EQ(add(dir / "song.mp3"), 1);
    EXPECT_EQ(sink.rows.size(), 2u);
}

TEST_F(MediaProbe, RealMediaTriesThePrefixedFormFirst)
{
    writeFile(dir / "talk.RMVB", std::string("ds|") + "Stream #0.0: Audio: cook, 22050 Hz, mono\n");
    EXPECT_EQ(add(dir / "talk.RMVB"), 0);
    ASSERT_EQ(sink.rows.size(), 1u);
    EXPECT_TRUE(sink.rows[0]->dsInput);
    EXPECT_EQ(sink.rows[0]->sourcePath, dir / "talk.RMVB");
    EXPECT_EQ(log.runs(), (std::vector<std::vector<std::string>>{{"-i", "DS:\\\\" + dir / "talk.RMVB"}}));
}

TEST_F(MediaProbe, PlainAttemptReusesTheItemOfThePrefixedOne)
{
    // The prefixed form finds only a duration, the plain form only the stream.
    writeFile(dir / "a.rm", "ds|Duration: 00:01:00.00, start: 0\n"
                            "plain|Stream #0.0: Audio: cook, 44100 Hz, stereo\n");
    EXPECT_EQ(add(dir / "a.rm"), 0);
    ASSERT_EQ(sink.rows.size(), 1u);
    EXPECT_FALSE(sink.rows[0]->dsInput);
    EXPECT_EQ(sink.rows[0]->durationSeconds, 60);
    EXPECT_EQ(sink.rows[0]->sampleRate, 44100);
    const auto runs = log.runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0][1], "DS:\\\\" + dir / "a.rm");
    EXPECT_EQ(runs[1][1], dir / "a.rm");
}

TEST_F(MediaProbe, UnreadableFilesLeaveNothingBehind)
{
    ASSERT_TRUE(std::filesystem::create_directory(dir / "old.rm"));
    writeFile(dir / "old.rm/track", "Duration: 00:00:10.00\n"); // a duration but no stream
    EXPECT_EQ(add(dir / "old.rm/track"), -1);
    EXPECT_EQ(add(dir / "missing.wav"), -1);
    EXPECT_TRUE(sink.rows.empty());
    EXPECT_EQ(map.find(dir / "old.rm/track"), nullptr);
    const auto runs = log.runs();
    ASSERT_EQ(runs.size(), 2u); // plain form only, once each
    EXPECT_EQ(runs[0][1], dir / "old.rm/track");

    ConverterRunner runner2;
    EXPECT_EQ(probeAndAddNow(dir / "x.wav", runner2, dir / "no-such-tool", map, sink), -1);
}

TEST_F(MediaProbe, AnyFileNameReachesTheToolAsOneArgument)
{
    const std::string path = dir / "-n \"quoted\" \\\" name\n\xff.wav";
    writeFile(path, kAudio);
    EXPECT_EQ(add(path), 0);
    EXPECT_EQ(log.runs(), (std::vector<std::vector<std::string>>{{"-i", path}}));
}
