// Parts of kescvt that decide things before any media is touched: the command line,
// container and encoder choice, nearest supported values, AMR modes, line texts.
#include "amrencoder.h"
#include "codectable.h"
#include "ffmpegencoder.h"
#include "flacjoin.h"
#include "probereport.h"
#include "progressreporter.h"
#include "toolerror.h"
#include "tooloptions.h"

#include <gtest/gtest.h>

using namespace kescvt;

namespace {

ToolOptions parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "kescvt");
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    return parseToolOptions(static_cast<int>(argv.size()), argv.data());
}

ExitStatus parseFailure(std::vector<std::string> args)
{
    try {
        parse(std::move(args));
    } catch (const ToolError &error) {
        return error.status();
    }
    return ExitOk;
}

TEST(ToolOptions, ReadsTheProgramsCommandLinesInAnyOrder)
{
    const ToolOptions amr = parse({"-@", "-i", "DS:\\\\/m/talk.rm", "-y", "-f", "amr", "-vn", "-acodec", "libamr_wb",
                                   "-ar", "16000", "-ab", "15.85k", "-ac", "1", "-vol", "384", "/m/.t.snvtmp-1.amr"});
    EXPECT_TRUE(amr.progress);
    EXPECT_TRUE(amr.overwrite);
    EXPECT_EQ(amr.input, "/m/talk.rm");
    EXPECT_EQ(amr.container, "amr");
    EXPECT_EQ(amr.codec, "libamr_wb");
    EXPECT_EQ(amr.sampleRate, 16000);
    EXPECT_EQ(amr.bitRate, 15850);
    EXPECT_EQ(amr.channels, 1);
    EXPECT_EQ(amr.volume, 384);
    EXPECT_EQ(amr.output, "/m/.t.snvtmp-1.amr");

    EXPECT_EQ(amr.threads, 1);

    const ToolOptions reordered = parse({"/o.mp3", "-ab", "6.7k", "-threads", "4", "-y", "-i", "/a b.wav", "-@"});
    EXPECT_EQ(reordered.output, "/o.mp3");
    EXPECT_EQ(reordered.bitRate, 6700);
    EXPECT_EQ(reordered.input, "/a b.wav");
    EXPECT_EQ(reordered.volume, 256);
    EXPECT_EQ(reordered.threads, 4);

    const ToolOptions probe = parse({"-i", "song.mp3"});
    EXPECT_TRUE(probe.output.empty());
    // Only the exact prefix with two backslashes is removed.
    EXPECT_EQ(stripInputPrefix("DS:\\x"), "DS:\\x");
    EXPECT_EQ(stripInputPrefix("DS:\\\\"), "DS:\\\\");
}

TEST(ToolOptions, RefusesWhatItCannotRead)
{
    EXPECT_EQ(parseFailure({"-i", "a.wav", "-q", "o.mp3"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i", "a.wav", "o.mp3", "-vol"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i", "a.wav", "-ar", "-44100", "o.mp3"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i", "a.wav", "-ar", "44100x", "o.mp3"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i", "a.wav", "-ab", "1.2.3k", "o.mp3"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i", "a.wav", "-ab", "0k", "o.mp3"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i", "a.wav", "-threads", "65", "o.mp3"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-i", "a.wav", "o.mp3", "p.mp3"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-@", "-i", "a.wav"}), ExitUsage);
    EXPECT_EQ(parseFailure({"-y", "o.mp3"}), ExitUsage);
}

TEST(FlacJoiner, FrameNumbersAreCodedAtEveryLength)
{
    using Bytes = std::vector<uint8_t>;
    EXPECT_EQ(FlacJoiner::codedNumber(0x7f), (Bytes{0x7f}));
    EXPECT_EQ(FlacJoiner::codedNumber(0x80), (Bytes{0xc2, 0x80}));
    EXPECT_EQ(FlacJoiner::codedNumber(0x7ff), (Bytes{0xdf, 0xbf}));
    EXPECT_EQ(FlacJoiner::codedNumber(0x800), (Bytes{0xe0, 0xa0, 0x80}));
    EXPECT_EQ(FlacJoiner::codedNumber(0x10000), (Bytes{0xf0, 0x90, 0x80, 0x80}));
    EXPECT_EQ(FlacJoiner::codedNumber(0x200000), (Bytes{0xf8, 0x88, 0x80, 0x80, 0x80}));
    EXPECT_EQ(FlacJoiner::codedNumber(0x7fffffff), (Bytes{0xfd, 0xbf, 0xbf, 0xbf, 0xbf, 0xbf}));
}

TEST(CodecTable, ContainersFollowTheForcedNameOrTheLastExtension)
{
    EXPECT_STREQ(findContainer("xwmv", "x.wma")->name, "asf");
    EXPECT_STREQ(findContainer("rmvb", "x.ra")->name, "rm");
    EXPECT_STREQ(findContainer("mp4", "x.m4b")->name, "mp4");
    EXPECT_STREQ(findContainer("amr", "x.amr")->name, "amr");
    EXPECT_STREQ(findContainer("", "/m/.song.snvtmp-ab12.m4a")->name, "ipod");
    EXPECT_STREQ(findContainer("", "/m/dir.wav/x.AAC")->name, "adts");
    EXPECT_STREQ(findContainer("", "x.aiff")->name, "aiff");
    EXPECT_STREQ(findContainer("", "x.au")->name, "au");
    EXPECT_THROW(findContainer("", "/m/dir.mp3/noext"), ToolError);
    EXPECT_THROW(findContainer("nosuch", "x.mp3"), ToolError);
}

TEST(CodecTable, CatalogueCodecsMapOntoEncoders)
{
    const AVOutputFormat *asf = findContainer("xwmv", "x.wma");
    EXPECT_EQ(findEncoder("wma7x", asf).name, "wmav1");
    EXPECT_EQ(findEncoder("wma8x", asf).name, "wmav2");
    EXPECT_EQ(findEncoder("wma9x", asf).name, "wmav2");
    EXPECT_EQ(findEncoder("wmalsl", asf).name, "wmav2");
    EXPECT_EQ(findEncoder("rmaudio", findContainer("rmvb", "x.ra")).codecId, AV_CODEC_ID_AC3);
    EXPECT_EQ(findEncoder("libamr_nb", findContainer("amr", "x.amr")).kind, EncoderChoice::AmrNarrow);
    EXPECT_EQ(findEncoder("", findContainer("", "x.mp3")).name, "libmp3lame");
    EXPECT_EQ(findEncoder("vorbis", findContainer("", "x.ogg")).name, "libvorbis");
    EXPECT_THROW(findEncoder("mp3", findContainer("", "x.m4a")), ToolError);
    EXPECT_THROW(findEncoder("nosuch", findContainer("", "x.wav")), ToolError);
}

TEST(EncoderFit, TakesTheNearestSupportedValue)
{
    const AVCodec *lame = avcodec_find_encoder_by_name("libmp3lame");
    const AVCodec *ac3 = avcodec_find_encoder_by_name("ac3");
    const AVCodec *wma = avcodec_find_encoder_by_name("wmav2");
    const AVCodec *pcm = avcodec_find_encoder_by_name("pcm_s24be");
    ASSERT_TRUE(lame && ac3 && wma && pcm);
    EXPECT_EQ(FfmpegEncoder::fitSampleRate(lame, 96000), 48000);
    EXPECT_EQ(FfmpegEncoder::fitSampleRate(lame, 22050), 22050);
    EXPECT_EQ(FfmpegEncoder::fitSampleRate(ac3, 8000), 32000);
    EXPECT_EQ(FfmpegEncoder::fitSampleRate(wma, 96000), 48000);
    EXPECT_EQ(FfmpegEncoder::fitChannels(lame, 6), 2);
    EXPECT_EQ(FfmpegEncoder::fitChannels(ac3, 6), 6);
    EXPECT_EQ(FfmpegEncoder::fitChannels(wma, 6), 2);
    EXPECT_EQ(FfmpegEncoder::fitSampleFormat(lame, AV_SAMPLE_FMT_S16), AV_SAMPLE_FMT_S16P);
    EXPECT_EQ(FfmpegEncoder::fitSampleFormat(pcm, AV_SAMPLE_FMT_S16), AV_SAMPLE_FMT_S32);
}

TEST(AmrModes, FollowTheCatalogueBitRates)
{
    EXPECT_EQ(AmrEncoder::modeForBitRate(false, 6700), 3);   // MR67
    EXPECT_EQ(AmrEncoder::modeForBitRate(false, 4750), 0);   // MR475
    EXPECT_EQ(AmrEncoder::modeForBitRate(false, 128000), 7); // MR122
    EXPECT_EQ(AmrEncoder::modeForBitRate(true, 15850), 4);
    EXPECT_EQ(AmrEncoder::modeForBitRate(true, 6600), 0);
    EXPECT_EQ(AmrEncoder::modeForBitRate(true, 23850), 8);
    EXPECT_EQ(AmrEncoder::bitRateOfMode(true, 2), 12650);
}

TEST(LineTexts, DurationChannelsAndProgress)
{
    EXPECT_EQ(durationText(AV_NOPTS_VALUE), "N/A");
    EXPECT_EQ(durationText(3723'500'000), "01:02:03.50");
    EXPECT_EQ(durationText(59'999'999), "00:01:00.00");
    EXPECT_EQ(channelsText(1), "mono");
    EXPECT_EQ(channelsText(2), "stereo");
    EXPECT_EQ(channelsText(6), "5:1");
    EXPECT_EQ(channelsText(4), "4 channels");
    EXPECT_EQ(ProgressReporter::lineFor(25.5), "|Time>>> 25.50");
}

} // namespace
