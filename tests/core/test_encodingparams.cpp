#include "core/encodingparams.h"
#include "platform/settingsstore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const std::string kAmrNb =
    "Invalid parameters for AMR Narrow-Band codec.\nValid sample rate is 8000 Hz, channels is 1, "
    "and bit rate is one of 4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.";
const std::string kAmrWb =
    "Invalid parameters for AMR Wide-Band codec.\nValid sample rate is 16000 Hz, channels is 1, "
    "and bit rate is one of 6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.";
const std::string kAac =
    "Invalid parameters for AAC codec.\nSample rate must equal to or be greater than 16000 Hz, "
    "and bit rate must equal to or be greater than 16 kbps.";

const std::string kFlac = "Invalid parameters for FLAC codec.\nSample rate must be Auto or between 1000 and 655350 Hz.";
const std::string kOpus = "Invalid parameters for Opus codec.\nBit rate must be Auto or between 6 and 510 kbps.";

EncodingParams with(int index, const char *bitRate, const char *sampleRate, const char *channels)
{
    EncodingParams p = defaultEncodingParams(index);
    p.AudioBitRate = bitRate;
    p.AudioSampleRate = sampleRate;
    p.AudioChannels = channels;
    return p;
}

class EncodingParamsStore : public ::testing::Test {
protected:
    std::string file() const { return m_dir.path().toStdString() + "/store.ini"; }
    QTemporaryDir m_dir;
};

} // namespace

TEST(ValidateEncodingParams, AmrRatesMatchTheirTextsExactly)
{
    for (const char *rate : {"4.75", "5.15", "5.9", "6.7", "7.4", "7.95", "10.2", "12.2"})
        EXPECT_EQ(validateEncodingParams(with(12, rate, "8000", "1")), "") << rate;
    for (const char *rate : {"6.70", "12", " 6.7", "", "6.6"})
        EXPECT_EQ(validateEncodingParams(with(12, rate, "8000", "1")), kAmrNb) << rate;
    EXPECT_EQ(validateEncodingParams(with(12, "6.7", "", "1")), kAmrNb);
    EXPECT_EQ(validateEncodingParams(with(12, "6.7", "8000", "")), kAmrNb);

    for (const char *rate : {"6.6", "8.85", "12.65", "14.25", "15.85", "18.25", "19.85", "23.05", "23.85"})
        EXPECT_EQ(validateEncodingParams(with(13, rate, "16000", "1")), "") << rate;
    EXPECT_EQ(validateEncodingParams(with(13, "12.650", "16000", "1")), kAmrWb);
    EXPECT_EQ(validateEncodingParams(with(13, "15.85", "8000", "1")), kAmrWb);
    EXPECT_EQ(validateEncodingParams(with(13, "15.85", "16000", "2")), kAmrWb);
}

TEST(ValidateEncodingParams, AacMinimums)
{
    EXPECT_EQ(validateEncodingParams(with(5, "16kbps", "16000Hz", "")), "");
    EXPECT_EQ(validateEncodingParams(with(5, "15", "44100", "2")), kAac);
    EXPECT_EQ(validateEncodingParams(with(5, "128", "15999", "2")), kAac);
    EXPECT_EQ(validateEncodingParams(with(5, "", "44100", "2")), kAac);
    EXPECT_EQ(validateEncodingParams(with(5, "128", "", "2")), kAac);
    EXPECT_EQ(validateEncodingParams(with(5, "99999999999999999999", "44100", "2")), "");
    // MPEG-4 AAC is not checked, and codec names are compared by case.
    EXPECT_EQ(validateEncodingParams(with(6, "", "", "")), "");
    EncodingParams upper = with(5, "", "", "");
    upper.AudioCodec = "LIBFAAC";
    EXPECT_EQ(validateEncodingParams(upper), "");
}

TEST(ValidateEncodingParams, FlacRateAndOpusBitRateBounds)
{
    for (const char *rate : {"", "1000", "96000", "655350"})
        EXPECT_EQ(validateEncodingParams(with(14, "", rate, "")), "") << rate;
    for (const char *rate : {"999", "655351", "700000"})
        EXPECT_EQ(validateEncodingParams(with(14, "", rate, "")), kFlac) << rate;
    for (const char *kbps : {"", "6", "6.5", "128", "510"})
        EXPECT_EQ(validateEncodingParams(with(15, kbps, "48000", "")), "") << kbps;
    for (const char *kbps : {"5", "511", "1000k"})
        EXPECT_EQ(validateEncodingParams(with(15, kbps, "48000", "2")), kOpus) << kbps;
}

// Settings written when only the first 14 formats existed: each of their records loads as
// stored, and FLAC and Opus, which have no group yet, keep their defaults.
TEST_F(EncodingParamsStore, OlderSettingsLoadUnchangedAndNewFormatsTakeDefaults)
{
    EncodingParamsSet stored = defaultEncodingParamsSet();
    {
        SettingsStore store(file());
        for (int n = 0; n < 14; ++n) {
            stored[n].AudioVolume = std::to_string(110 + n);
            stored[n].AudioChannels = n % 2 ? "1" : "";
            saveEncodingParams(store, n, stored[n]);
        }
    }
    SettingsStore store(file());
    EncodingParamsSet loaded = defaultEncodingParamsSet();
    for (int n = 0; n < kFormatCount; ++n)
        loadEncodingParams(store, n, loaded[n]);
    EXPECT_EQ(loaded, stored);
    EXPECT_EQ(loaded[14].AudioCodec, "flac");
    EXPECT_EQ(loaded[15].AudioCodec, "opus");
    EXPECT_EQ(loaded[15].AudioBitRate, "128");
    EXPECT_EQ(loaded[15].AudioSampleRate, "48000");
}

TEST_F(EncodingParamsStore, SaveAndLoadRoundTrip)
{
    EncodingParams saved = with(3, "160", "48000", "1");
    saved.AudioCodec = "wma9x";
    saved.AudioVolume = "250";
    saved.VideoSize = "kept";
    {
        SettingsStore store(file());
        saveEncodingParams(store, 3, saved);
    }
    SettingsStore store(file());
    EncodingParams loaded = defaultEncodingParams(3);
    loadEncodingParams(store, 3, loaded);
    EXPECT_EQ(loaded, saved);
}

TEST_F(EncodingParamsStore, MissingGroupKeepsDefaults)
{
    {
        SettingsStore store(file());
        saveEncodingParams(store, 4, with(4, "64", "22050", "1"));
    }
    SettingsStore store(file());
    EncodingParams record = defaultEncodingParams(5);
    loadEncodingParams(store, 5, record);
    EXPECT_EQ(record, defaultEncodingParams(5));
}

TEST_F(EncodingParamsStore, ExistingGroupReplacesEveryField)
{
    {
        SettingsStore store(file());
        store.writeText("VideoParam2\\5", "AudioCodec", "libfaac");
        store.writeText("VideoParam2\\6", "AudioBitRate", "");
        ASSERT_TRUE(store.sync());
    }
    SettingsStore store(file());
    EncodingParams aac = defaultEncodingParams(5);
    loadEncodingParams(store, 5, aac);
    EXPECT_EQ(aac.AudioCodec, "libfaac");
    EXPECT_EQ(aac.AudioBitRate, "");
    EXPECT_EQ(aac.AudioSampleRate, "");
    EXPECT_EQ(aac.AudioChannels, "");
    EXPECT_EQ(aac.AudioVolume, "");
    EXPECT_EQ(aac.formatIndex, 5);
    // A group holding only an empty value still exists and empties the codec too.
    EncodingParams m4a = defaultEncodingParams(6);
    loadEncodingParams(store, 6, m4a);
    EXPECT_EQ(m4a.AudioCodec, "");
    EXPECT_EQ(m4a.AudioVolume, "");
}
