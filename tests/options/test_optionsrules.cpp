#include "options/audiooptionsrules.h"
#include "options/filtertext.h"
#include "options/generaloptionsrules.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWma = 3;

AudioControlValues controls(int format)
{
    AudioControlValues values;
    values.formatRow = format;
    return values;
}

} // namespace

TEST(FilterText, BlanksGoAndSemicolonsBecomeCommas)
{
    const struct {
        const char *typed;
        const char *stored;
    } cases[] = {
        {"wav; mp3 ;\tm4a", "wav,mp3,m4a"},
        {" \t \t", ""},
        {";;;", ",,,"},
        {"WAV,Mp3", "WAV,Mp3"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(normaliseFilterText(c.typed), c.stored) << c.typed;
}

TEST(GeneralLeaving, ChecksInOrderAndHandsBackNormalisedFilter)
{
    GeneralOptions options;
    options.DestOutputFolderOpt = OutputFolder::Custom;
    options.EnableExtFilter = 1;
    options.FilterExts = " \t";
    options.TargetExistsOpt = TargetExists::AutoRename;
    // The folder is checked first; nothing is handed back on a refusal.
    EXPECT_EQ(checkGeneralLeaving(options, TargetExists::Skip), GeneralLeaveCheck::NeedOutputFolder);
    EXPECT_EQ(options.TargetExistsOpt, TargetExists::AutoRename);
    EXPECT_STREQ(generalLeaveMessage(GeneralLeaveCheck::NeedOutputFolder),
                 "Please choose an output folder.");

    // A folder longer than what the next start reads back (94 letters of three bytes).
    for (int n = 0; n < 94; ++n)
        options.DestSpecifiedFolder += "\xe9\x9f\xb3";
    EXPECT_EQ(checkGeneralLeaving(options, TargetExists::Skip), GeneralLeaveCheck::FolderTooLong);
    options.DestSpecifiedFolder = "/music/out/";
    EXPECT_EQ(checkGeneralLeaving(options, TargetExists::Skip), GeneralLeaveCheck::NeedExtensions);
    EXPECT_EQ(options.FilterExts, " \t");
    EXPECT_STREQ(generalLeaveMessage(GeneralLeaveCheck::NeedExtensions),
                 "Please enter file extensions you need to filter.");

    options.FilterExts = ";;";
    EXPECT_EQ(checkGeneralLeaving(options, TargetExists::Skip), GeneralLeaveCheck::Ok);
    EXPECT_EQ(options.FilterExts, ",,");
    EXPECT_EQ(options.TargetExistsOpt, TargetExists::Skip);

    // An empty filter is fine while the filter is off, and a custom folder is
    // not needed while the choice is "Same as original file".
    GeneralOptions off;
    off.FilterExts = "  ";
    EXPECT_EQ(checkGeneralLeaving(off, TargetExists::Overwrite), GeneralLeaveCheck::Ok);
    EXPECT_EQ(off.FilterExts, "");
}

TEST(FolderChooser, StartAndPickedFolders)
{
    EXPECT_EQ(chooserStartFolder("/music/out/"), "/music/out");
    EXPECT_EQ(chooserStartFolder("/"), "/");
    EXPECT_EQ(chooserStartFolder(""), "");
    EXPECT_EQ(customFolderFromChoice("/music/out"), "/music/out/");
    EXPECT_EQ(customFolderFromChoice("/"), "/");
    EXPECT_EQ(customFolderFromChoice(""), "");
    // What is taken is what the next start reads back: 259 bytes.
    EXPECT_EQ(customFolderFromChoice(std::string(258, 'a')), std::string(258, 'a') + "/");
    EXPECT_EQ(customFolderFromChoice(std::string(259, 'a')), "");
    const std::string cjk = "/\xe9\x9f\xb3";   // one letter, three bytes
    std::string folder;
    while (folder.size() + cjk.size() < 259)
        folder += cjk;
    EXPECT_EQ(customFolderFromChoice(folder + cjk), "");
}

TEST(AudioStore, ControlTextsBecomeTheRecord)
{
    EncodingParamsSet records{};
    int page = 0;
    AudioControlValues values = controls(kWma);
    values.codecData = 9;
    values.bitRateText = "128abc";
    values.sampleRateText = "22050Hz";
    values.channelText = "Auto";
    values.volume = 0;
    ASSERT_TRUE(storeAudioControls(values, records, page));
    EXPECT_EQ(page, kWma);
    const EncodingParams &wma = records[kWma];
    EXPECT_EQ(wma.AudioCodec, "wma8x");
    EXPECT_EQ(wma.AudioBitRate, "128abc");
    EXPECT_EQ(wma.AudioSampleRate, "22050");
    EXPECT_EQ(wma.AudioChannels, "");
    EXPECT_EQ(wma.AudioVolume, "");

    values.bitRateText = "Auto";
    values.sampleRateText = " 0044100";
    values.channelText = "1";
    values.volume = 250;
    values.codecData = kCodecCount; // past the codec table: no codec
    storeAudioControls(values, records, page);
    EXPECT_EQ(wma.AudioCodec, "");
    EXPECT_EQ(wma.AudioBitRate, "");
    EXPECT_EQ(wma.AudioSampleRate, "44100");
    EXPECT_EQ(wma.AudioChannels, "1");
    EXPECT_EQ(wma.AudioVolume, "250");

    values.bitRateText = "6.7";
    storeAudioControls(values, records, page);
    EXPECT_EQ(wma.AudioBitRate, "6.7");
    values.bitRateText = "0.5"; // leading integer 0: Auto
    storeAudioControls(values, records, page);
    EXPECT_EQ(wma.AudioBitRate, "");

    // A format row outside the catalogue stores nothing.
    const EncodingParamsSet before = records;
    values.formatRow = kFormatCount;
    EXPECT_FALSE(storeAudioControls(values, records, page));
    EXPECT_EQ(records, before);
    EXPECT_EQ(page, kWma);
}

TEST(Volume, ParsingAndStepping)
{
    EXPECT_EQ(parseVolumeText("100"), 100);
    EXPECT_EQ(parseVolumeText("0"), 0);
    EXPECT_EQ(parseVolumeText("007"), 7);
    EXPECT_EQ(parseVolumeText(""), std::nullopt);
    EXPECT_EQ(parseVolumeText("12a"), std::nullopt);
    EXPECT_EQ(parseVolumeText("99999999999"), std::nullopt);

    EXPECT_EQ(steppedVolume(100, 1), 110);
    EXPECT_EQ(steppedVolume(105, -1), 95);
    EXPECT_EQ(steppedVolume(10, -1), 10);
    EXPECT_EQ(steppedVolume(2995, 1), 3000);
    EXPECT_EQ(steppedVolume(5000, 1), 3000);
    EXPECT_EQ(steppedVolume(std::nullopt, 1), 10);
}
