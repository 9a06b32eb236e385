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
