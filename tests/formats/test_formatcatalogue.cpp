#include "formats/encodingparams.h"
#include "formats/formatcatalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {
std::string text(const char *s)
{
    return s ? std::string(s) : std::string("<absent>");
}
} // namespace

TEST(FormatCatalogue, FourteenRowsInIndexOrder)
{
    const char *names[kFormatCount] = {"MP3", "MP2", "WAV", "WMA", "OGG", "AAC", "M4A",
                                       "M4B", "AC3", "AIFF", "AU", "RA", "AMR (NB)", "AMR (WB)"};
    for (int i = 0; i < kFormatCount; ++i) {
        const FormatEntry &entry = formatEntry(i);
        EXPECT_EQ(entry.index, i);
        EXPECT_STREQ(entry.displayName, names[i]);
        EXPECT_EQ(entry.videoCodecList, nullptr) << i;
        ASSERT_NE(entry.audioCodecList, nullptr) << i;
        ASSERT_NE(entry.sampleRateList, nullptr) << i;
        ASSERT_NE(entry.channelList, nullptr) << i;
        // Every codec a format offers is in the codec table.
        for (const std::string &codec : splitList(entry.audioCodecList))
            EXPECT_TRUE(findCodec(codec).has_value()) << codec;
    }
}

TEST(FormatCatalogue, ListShapes)
{
    EXPECT_EQ(splitList(formatEntry(0).sampleRateList).size(), 7u);
    EXPECT_EQ(splitList(formatEntry(2).sampleRateList).size(), 9u);
    EXPECT_EQ(splitList(formatEntry(8).sampleRateList).size(), 8u);
    EXPECT_EQ(splitList(formatEntry(8).sampleRateList).back(), "96000");
    EXPECT_EQ(splitList(formatEntry(0).bitRateList).size(), 17u);
    EXPECT_EQ(splitList(formatEntry(2).audioCodecList).size(), 6u);
    EXPECT_EQ(splitList(formatEntry(3).audioCodecList).size(), 4u);
    EXPECT_EQ(splitList(formatEntry(12).bitRateList).size(), 8u);
    EXPECT_EQ(splitList(formatEntry(13).bitRateList).size(), 9u);
    EXPECT_EQ(splitList(formatEntry(12).bitRateList)[3], "6.7");
    EXPECT_EQ(splitList(formatEntry(13).bitRateList)[2], "12.65");
    EXPECT_EQ(splitList(formatEntry(0).channelList), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(splitList(nullptr).empty());
    EXPECT_EQ(splitList("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
    // WAV, AIFF and AU take no bit rate.
    for (int i = 0; i < kFormatCount; ++i)
        EXPECT_EQ(formatEntry(i).bitRateList == nullptr, i == 2 || i == 9 || i == 10) << i;
}

TEST(FormatCatalogue, SharedExtensionsAndContainers)
{
    EXPECT_STREQ(formatEntry(12).extension, "amr");
    EXPECT_STREQ(formatEntry(13).extension, "amr");
    EXPECT_STREQ(formatEntry(12).container, "amr");
    EXPECT_STREQ(formatEntry(13).container, "amr");
    EXPECT_STREQ(formatEntry(6).audioCodecList, formatEntry(7).audioCodecList);
    EXPECT_STREQ(formatEntry(6).extension, "m4a");
    EXPECT_STREQ(formatEntry(7).extension, "m4b");
    EXPECT_EQ(formatEntry(6).container, nullptr);
    EXPECT_STREQ(formatEntry(7).container, "mp4");
    EXPECT_STREQ(formatEntry(3).container, "xwmv");
    EXPECT_STREQ(formatEntry(11).container, "rmvb");
    std::set<std::string> containers;
    for (int i = 0; i < kFormatCount; ++i)
        containers.insert(text(formatEntry(i).container));
    EXPECT_EQ(containers, (std::set<std::string>{"<absent>", "xwmv", "mp4", "rmvb", "amr"}));
}

TEST(CodecTable, LookupIsExactAndOrdered)
{
    EXPECT_EQ(findCodec("ac3"), 0);
    EXPECT_EQ(findCodec("pcm_s24le"), 14);
    EXPECT_EQ(findCodec("pcm_mulaw"), 24);
    EXPECT_FALSE(findCodec("AC3").has_value());
    EXPECT_FALSE(findCodec("mp3 ").has_value());
    EXPECT_FALSE(findCodec("").has_value());
    EXPECT_STREQ(codecEntry(7).displayName, "Vorbis OGG");
    EXPECT_STREQ(codecEntry(23).id, "pcm_alaw");
    std::set<std::string> ids;
    for (int i = 0; i < kCodecCount; ++i)
        ids.insert(codecEntry(i).id);
    EXPECT_EQ(ids.size(), static_cast<size_t>(kCodecCount));
}

TEST(DefaultEncodingParams, AsTabled)
{
    const EncodingParamsSet set = defaultEncodingParamsSet();
    for (int i = 0; i < kFormatCount; ++i) {
        const EncodingParams &p = set[i];
        EXPECT_EQ(p.formatIndex, i);
        EXPECT_EQ(p.AudioVolume, "100");
        EXPECT_TRUE(p.VideoCodec.empty() && p.VideoStandard.empty() && p.VideoSize.empty()
                    && p.VideoBitRate.empty() && p.VideoFrameRate.empty());
        // The default codec is one the format offers.
        const auto codecs = splitList(formatEntry(i).audioCodecList);
        EXPECT_EQ(codecs.front(), p.AudioCodec) << i;
        const bool automatic = i <= 2 || i == 9 || i == 10;
        EXPECT_EQ(p.AudioBitRate.empty(), automatic) << i;
        EXPECT_EQ(p.AudioSampleRate.empty(), automatic) << i;
        EXPECT_EQ(p.AudioChannels.empty(), automatic) << i;
        EXPECT_EQ(validateEncodingParams(p), "") << i;
    }
    EXPECT_EQ(set[9].AudioCodec, "pcm_s16be");
    EXPECT_EQ(set[12].AudioBitRate, "6.7");
    EXPECT_EQ(set[12].AudioSampleRate, "8000");
    EXPECT_EQ(set[13].AudioBitRate, "15.85");
    EXPECT_EQ(set[13].AudioSampleRate, "16000");
    EXPECT_EQ(set[5].AudioBitRate, "128");
    EXPECT_EQ(set[5].AudioSampleRate, "44100");
    EXPECT_EQ(set[5].AudioChannels, "2");
}
