#include "converter/linesplitter.h"
#include "converter/progressreader.h"
#include "fakedisplay.h"

#include <gtest/gtest.h>

namespace {

// Feeds each text as one read.
int run(FakeDisplay &display, int duration, const std::vector<std::string> &reads,
        const std::string &source = "/music/in/Song One.flac")
{
    LineSplitter lines;
    ProgressReader reader(display, duration, source);
    reader.begin();
    for (const std::string &data : reads)
        reader.takeRead(data, lines);
    return reader.finish();
}

} // namespace

TEST(ProgressReader, PercentAndBarFromTheTime)
{
    FakeDisplay display;
    LineSplitter lines;
    ProgressReader reader(display, 100, "/music/in/Song One.flac");
    reader.begin();
    EXPECT_EQ(display.permilles, std::vector<int>{0});

    // D = 100 s: 25.5 s is 25 % and 255 thousandths.
    reader.takeRead("|Time>>> 25.5\n", lines);
    EXPECT_EQ(display.texts, std::vector<std::string>{"Converting Song One.flac...25%"});
    EXPECT_EQ(display.permilles.back(), 255);
}

TEST(ProgressReader, NeverMovesBack)
{
    FakeDisplay display;
    EXPECT_EQ(run(display, 100, {"|Time>>> 50.0\n|Time>>> 30.0\n", "|Time>>> 50.2\n"}), 1);
    // 30 s goes back: nothing; 50.2 s is still 50 % but a new thousandth.
    EXPECT_EQ(display.texts, (std::vector<std::string>{"Converting Song One.flac...50%",
                                                       "Converting Song One.flac...100%"}));
    EXPECT_EQ(display.permilles, (std::vector<int>{0, 500, 502, 1000}));
}

TEST(ProgressReader, OnlyMarkersAtTheFirstCharacterCount)
{
    FakeDisplay display;
    // No separator: the number is read from the tenth character, "2.0".
    EXPECT_EQ(run(display, 100, {" |Time>>> 90\nframe=10 |Time>>> 80\n|Time>>>12.0\n"}), 1);
    ASSERT_FALSE(display.texts.empty());
    EXPECT_EQ(display.texts.front(), "Converting Song One.flac...2%");
}

TEST(ProgressReader, TimesPastTheEndStayInRange)
{
    FakeDisplay display;
    EXPECT_EQ(run(display, 100, {"|Time>>> 250.0\n"}), 1);
    EXPECT_EQ(display.texts, std::vector<std::string>{"Converting Song One.flac...100%"});
    EXPECT_EQ(display.permilles, (std::vector<int>{0, 1000}));
}

TEST(ProgressReader, KnownDurationNeedsATimeAboveZero)
{
    FakeDisplay none;
    EXPECT_EQ(run(none, 100, {"Output #0, mp3, to 'out.mp3':\n", "size=  10kB\n"}), 0);
    EXPECT_TRUE(none.texts.empty());
    EXPECT_EQ(none.permilles, std::vector<int>{0});

    FakeDisplay zero;
    EXPECT_EQ(run(zero, 100, {"|Time>>> 40.0\n|Time>>> 0.0\n"}), 0);
    EXPECT_EQ(zero.texts, std::vector<std::string>{"Converting Song One.flac...40%"});

    FakeDisplay negative;
    EXPECT_EQ(run(negative, 100, {"|Time>>> -5.0\n"}), 0);
}

TEST(ProgressReader, UnknownDurationStepsPerRead)
{
    FakeDisplay display;
    EXPECT_EQ(run(display, 0, {"|Time>>> 1.0\n", "|Time>>> 2.0\n", "", "x"}), 1);
    EXPECT_EQ(display.steps, 3);
    EXPECT_TRUE(display.texts.empty());
    EXPECT_EQ(display.permilles, std::vector<int>{0});
    // With nothing read at all the run still stands; the output file decides.
    FakeDisplay silent;
    EXPECT_EQ(run(silent, 0, {}), 1);
}

TEST(ProgressReader, LongDuration)
{
    // 2000 x D no longer fits in 32 bits.
    FakeDisplay wide;
    EXPECT_EQ(run(wide, 2000000, {"|Time>>> 1000000.0\n"}), 1);
    EXPECT_EQ(wide.texts.front(), "Converting Song One.flac...50%");
    EXPECT_EQ(wide.permilles[1], 500);
}

TEST(ProgressReader, NameIsTheFileNamePart)
{
    FakeDisplay display;
    run(display, 10, {"|Time>>> 10\n"}, "plain \\name.wav");
    EXPECT_EQ(display.texts.front(), "Converting plain \\name.wav...100%");
}
