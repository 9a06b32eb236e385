#include "formats/audiooptionsrules.h"
#include "formats/filtertext.h"
#include "formats/generaloptionsrules.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMp3 = 0;
constexpr int kWav = 2;
constexpr int kWma = 3;
constexpr int kAiff = 9;
constexpr int kAu = 10;
constexpr int kAmrNb = 12;

std::vector<std::string> texts(const SelectorFill &fill)
{
    std::vector<std::string> out;
    for (const SelectorRow &row : fill.rows)
        out.push_back(row.text);
    return out;
}

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
    options.DestOutputFolderOpt = kCustomFolder;
    options.EnableExtFilter = 1;
    options.FilterExts = " \t";
    options.TargetExistsOpt = 11;
    // The folder is checked first; nothing is handed back on a refusal.
    EXPECT_EQ(checkGeneralLeaving(options, 33), GeneralLeaveCheck::NeedOutputFolder);
    EXPECT_EQ(options.TargetExistsOpt, 11);
    EXPECT_STREQ(generalLeaveMessage(GeneralLeaveCheck::NeedOutputFolder),
                 "Please choose an output folder.");

    options.DestSpecifiedFolder = "/music/out/";
    EXPECT_EQ(checkGeneralLeaving(options, 33), GeneralLeaveCheck::NeedExtensions);
    EXPECT_EQ(options.FilterExts, " \t");
    EXPECT_STREQ(generalLeaveMessage(GeneralLeaveCheck::NeedExtensions),
                 "Please enter file extensions you need to filter.");

    options.FilterExts = ";;";
    EXPECT_EQ(checkGeneralLeaving(options, 33), GeneralLeaveCheck::Ok);
    EXPECT_EQ(options.FilterExts, ",,");
    EXPECT_EQ(options.TargetExistsOpt, 33);

    // An empty filter is fine while the filter is off, and a custom folder is
    // not needed while the choice is "Same as original file".
    GeneralOptions off;
    off.FilterExts = "  ";
    EXPECT_EQ(checkGeneralLeaving(off, 22), GeneralLeaveCheck::Ok);
    EXPECT_EQ(off.FilterExts, "");
}

TEST(GeneralLeaving, ChoiceCodesAndUnknownCodes)
{
    EXPECT_EQ(rowOfCode(outputFolderRows(), 199), 0);
    EXPECT_EQ(rowOfCode(outputFolderRows(), 399), 1);
    EXPECT_EQ(rowOfCode(outputFolderRows(), 299), -1);
    EXPECT_EQ(rowOfCode(targetExistsRows(), 33), 2);
    EXPECT_EQ(rowOfCode(targetExistsRows(), 0), -1);
    EXPECT_STREQ(targetExistsRows()[0].text, "Auto rename (add number at end of file name)");
}

TEST(GeneralLeaving, CopiesOnlyTheEightSettings)
{
    ProgramSettings settings;
    settings.Folder = "/added/";
    settings.KeepOrgVideoAspect = 0;
    settings.OptStartPageIndex = 1;
    GeneralOptions options = generalOptionsFrom(settings);
    options.DestSpecifiedFolder = "/out/";
    options.CreateDirs = 1;
    options.BrowseOutputFolder = 0;
    options.OutputFiles2MyDocuments = 0;
    options.FilterExts = "wav";
    options.EnableExtFilter = 1;
    options.DestOutputFolderOpt = 399;
    options.TargetExistsOpt = 22;
    copyGeneralOptions(options, settings);
    EXPECT_EQ(generalOptionsFrom(settings), options);
    EXPECT_EQ(settings.Folder, "/added/");
    EXPECT_EQ(settings.KeepOrgVideoAspect, 0);
    EXPECT_EQ(settings.OptStartPageIndex, 1);
}

TEST(FolderChooser, StartAndPickedFolders)
{
    EXPECT_EQ(chooserStartFolder("/music/out/"), "/music/out");
    EXPECT_EQ(chooserStartFolder("/"), "/");
    EXPECT_EQ(chooserStartFolder(""), "");
    EXPECT_EQ(customFolderFromChoice("/music/out"), "/music/out/");
    EXPECT_EQ(customFolderFromChoice("/"), "/");
    EXPECT_EQ(customFolderFromChoice(""), "");
    EXPECT_EQ(customFolderFromChoice(std::string(518, 'a')), std::string(518, 'a') + "/");
    EXPECT_EQ(customFolderFromChoice(std::string(519, 'a')), "");
}

TEST(AudioFill, SelectorsFollowTheCatalogueAndTheRecord)
{
    EXPECT_EQ(formatSelectorTexts().front(), " MP3");
    EXPECT_EQ(formatSelectorTexts().at(12), " AMR (NB)");

    EncodingParams wav;
    wav.AudioCodec = "pcm_alaw";
    const SelectorFill codecs = codecSelectorFill(kWav, wav);
    EXPECT_TRUE(codecs.enabled);
    ASSERT_EQ(codecs.rows.size(), 6u);
    EXPECT_EQ(codecs.rows[0].text, "Signed 16-bit Little-Endian PCM");
    EXPECT_EQ(codecs.rows[0].data, 13);
    EXPECT_EQ(codecs.selected, 2);
    EXPECT_EQ(codecs.rows[2].data, 23);

    // WAV, AIFF and AU take no bit rate: disabled and empty.
    for (int format : {kWav, kAiff, kAu}) {
        const SelectorFill rates = bitRateSelectorFill(format, wav);
        EXPECT_FALSE(rates.enabled) << format;
        EXPECT_TRUE(rates.rows.empty()) << format;
        EXPECT_EQ(rates.editText, "") << format;
    }

    EncodingParams wma;
    wma.AudioCodec = "mp3"; // not one of WMA's codecs: the first one shows
    wma.AudioBitRate = "100";
    wma.AudioSampleRate = "";
    wma.AudioChannels = "6";
    EXPECT_EQ(codecSelectorFill(kWma, wma).selected, 0);
    const SelectorFill rates = bitRateSelectorFill(kWma, wma);
    EXPECT_EQ(rates.rows.front().text, "Auto");
    EXPECT_EQ(rates.rows.size(), 18u);
    EXPECT_EQ(rates.editText, "100"); // not in the list, shown as stored
    EXPECT_EQ(sampleRateSelectorFill(kWma, wma).editText, "Auto");
    const SelectorFill channels = channelSelectorFill(kWma, wma);
    EXPECT_EQ(texts(channels), (std::vector<std::string>{"Auto", "1", "2"}));
    EXPECT_EQ(channels.selected, 0);
    wma.AudioChannels = "2";
    EXPECT_EQ(channelSelectorFill(kWma, wma).selected, 2);
    EXPECT_EQ(texts(sampleRateSelectorFill(kAmrNb, wma)), (std::vector<std::string>{"Auto", "8000"}));
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
    values.codecData = 25; // past the codec table: no codec
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
}

TEST(AudioStore, FormatWithoutBitRateAndOutOfRangeRows)
{
    EncodingParamsSet records{};
    records[kMp3].AudioCodec = "mp3";
    int page = kMp3;
    AudioControlValues values = controls(kWav);
    values.bitRateText = "128";
    values.volume = 100;
    storeAudioControls(values, records, page);
    EXPECT_EQ(records[kWav].AudioBitRate, "");
    EXPECT_EQ(page, kWav);

    values.formatRow = 14;
    EXPECT_FALSE(storeAudioControls(values, records, page));
    values.formatRow = -1;
    EXPECT_FALSE(storeAudioControls(values, records, page));
    EXPECT_EQ(page, kWav);
    EXPECT_EQ(records[kMp3].AudioCodec, "mp3");
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
