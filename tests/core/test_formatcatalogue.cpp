#include "core/encodingparams.h"
#include "core/formatcatalogue.h"

#include <gtest/gtest.h>

TEST(FormatCatalogue, Shape)
{
    for (int i = 0; i < kFormatCount; ++i) {
        EXPECT_EQ(formatEntry(i).index, i);
        EXPECT_EQ(formatEntry(i).videoCodecList, nullptr);
        // WAV, AIFF, AU and FLAC take no bit rate.
        EXPECT_EQ(formatEntry(i).bitRateList == nullptr, i == 2 || i == 9 || i == 10 || i == 14) << i;
        for (const std::string &codec : splitList(formatEntry(i).audioCodecList))
            EXPECT_TRUE(findCodec(codec).has_value()) << codec;
    }
    EXPECT_EQ(splitList(formatEntry(0).sampleRateList).size(), 7u);
    EXPECT_EQ(splitList(formatEntry(2).sampleRateList).size(), 9u);
    EXPECT_EQ(splitList(formatEntry(8).sampleRateList).size(), 8u);
    EXPECT_EQ(splitList(formatEntry(8).sampleRateList).back(), "96000");
    EXPECT_EQ(splitList(formatEntry(12).bitRateList)[3], "6.7");
    EXPECT_STREQ(formatEntry(12).extension, formatEntry(13).extension);
    EXPECT_STREQ(formatEntry(12).container, "amr");
    EXPECT_STREQ(formatEntry(13).container, "amr");
    EXPECT_EQ(formatEntry(6).container, nullptr);
    EXPECT_STREQ(formatEntry(7).container, "mp4");
    EXPECT_STREQ(formatEntry(14).extension, "flac");
    EXPECT_STREQ(formatEntry(14).displayName, "FLAC");
    EXPECT_STREQ(formatEntry(15).extension, "opus");
    EXPECT_STREQ(formatEntry(15).displayName, "OPUS");
    EXPECT_EQ(formatEntry(15).container, nullptr);
    EXPECT_EQ(splitList(formatEntry(15).bitRateList).front(), "6");
    EXPECT_EQ(splitList(formatEntry(15).bitRateList).back(), "510");
    EXPECT_EQ(splitList(formatEntry(15).sampleRateList), std::vector<std::string>{"48000"});
    EXPECT_TRUE(splitList(nullptr).empty());
    EXPECT_EQ(splitList("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST(CodecTable, LookupIsExactAndCaseSensitive)
{
    EXPECT_EQ(findCodec("ac3"), 0);
    EXPECT_EQ(findCodec("pcm_s24le"), 14);
    EXPECT_EQ(findCodec("pcm_mulaw"), 24);
    EXPECT_EQ(findCodec("opus"), kCodecCount - 1);
    EXPECT_FALSE(findCodec("AC3").has_value());
    EXPECT_FALSE(findCodec("mp3 ").has_value());
    EXPECT_FALSE(findCodec("").has_value());
}

TEST(DefaultEncodingParams, OfferedByTheirFormatAndValid)
{
    const EncodingParamsSet set = defaultEncodingParamsSet();
    for (int i = 0; i < kFormatCount; ++i) {
        EXPECT_EQ(set[i].formatIndex, i);
        EXPECT_EQ(set[i].AudioVolume, "100");
        EXPECT_EQ(splitList(formatEntry(i).audioCodecList).front(), set[i].AudioCodec) << i;
        const bool automatic = i <= 2 || i == 9 || i == 10 || i == 14;
        EXPECT_EQ(set[i].AudioBitRate.empty(), automatic) << i;
        EXPECT_EQ(set[i].AudioChannels.empty(), automatic || i == 15) << i;
        EXPECT_EQ(validateEncodingParams(set[i]), "") << i;
    }
    EXPECT_EQ(set[13].AudioBitRate, "15.85");
}
