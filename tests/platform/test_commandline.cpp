#include "platform/bytetext.h"
#include "platform/commandline.h"

#include <gtest/gtest.h>

using platform::quoteArgument;
using platform::splitCommandLine;
using Args = std::vector<std::string>;

TEST(SplitCommandLine, WindowsRules)
{
    EXPECT_EQ(splitCommandLine(R"("C:\tool.exe" -i "a b.mp3" -y)"),
              (Args{R"(C:\tool.exe)", "-i", "a b.mp3", "-y"}));
    EXPECT_EQ(splitCommandLine("  a\t\tb  "), (Args{"a", "b"}));
    EXPECT_EQ(splitCommandLine(R"(a\\\"b)"), (Args{R"(a\"b)"}));
    EXPECT_EQ(splitCommandLine(R"("a\\" b)"), (Args{R"(a\)", "b"}));
    EXPECT_EQ(splitCommandLine(R"(a\\b\c)"), (Args{R"(a\\b\c)"}));
    EXPECT_EQ(splitCommandLine(R"("" x)"), (Args{"", "x"}));
    EXPECT_EQ(splitCommandLine(R"("say ""hi""")"), (Args{R"(say "hi")"}));
    EXPECT_EQ(splitCommandLine(R"("DS:\\/m/t.rm")"), (Args{R"(DS:\\/m/t.rm)"}));
    EXPECT_TRUE(splitCommandLine("   ").empty());
}

TEST(QuoteArgument, RoundTripsHostileBytes)
{
    const Args samples = {
        "", "plain", "two words", "\"", "\\", "\\\\\"", "end\\", "-rf /",
        "line\nbreak", "tab\there", "\xff\xfe\x80 bytes", "a\"b\\\"c\\\\",
        "DS:\\\\/music/talk.rmvb", "\"quoted\\\"",
    };
    for (const auto &s : samples) {
        EXPECT_EQ(splitCommandLine(quoteArgument(s)), Args{s}) << s;
        // Two quoted arguments never merge or split.
        EXPECT_EQ(splitCommandLine(quoteArgument(s) + " " + quoteArgument(s)), (Args{s, s})) << s;
    }
}

TEST(ByteText, EveryByteStringSurvivesTheRoundTrip)
{
    const std::string samples[] = {
        "/music/pop/1.mp3", "/m\xc3\xa9lodie/\xe9\x9f\xb3/\xf0\x9f\x8e\xb5", "/m\xe9lodie/\xff\xfe",
        "a\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xe9\x9f", std::string("x\0y", 3)};
    for (const std::string &bytes : samples)
        EXPECT_EQ(bytesFromText(textFromBytes(bytes)), bytes);
    // Valid UTF-8 is shown as its characters; a stray byte never as U+FFFD.
    EXPECT_EQ(textFromBytes("/m\xc3\xa9lodie"), QStringLiteral("/m\u00e9lodie"));
    EXPECT_FALSE(textFromBytes("\xe9").contains(QChar(0xFFFD)));
    EXPECT_EQ(bytesFromText(QStringLiteral("\u00e9\U0001F3B5")), "\xc3\xa9\xf0\x9f\x8e\xb5");
}
