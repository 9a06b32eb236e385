#include "platform/bytetext.h"
#include "platform/commandline.h"

#include <gtest/gtest.h>

using platform::quoteArgument;

// The shown text of an argument: quotes inside are escaped, and so are the
// backslashes before them or before the closing quote; other bytes stay as they are.
TEST(QuoteArgument, HostileBytesShowAsOneArgument)
{
    EXPECT_EQ(quoteArgument(""), R"("")");
    EXPECT_EQ(quoteArgument("two words"), R"("two words")");
    EXPECT_EQ(quoteArgument("\""), R"("\"")");
    EXPECT_EQ(quoteArgument("end\\"), R"("end\\")");
    EXPECT_EQ(quoteArgument("a\"b\\\"c\\\\"), R"("a\"b\\\"c\\\\")");
    EXPECT_EQ(quoteArgument("DS:\\\\/music/talk.rmvb"), R"("DS:\\/music/talk.rmvb")");
    EXPECT_EQ(quoteArgument("line\nbreak\t\xff"), "\"line\nbreak\t\xff\"");
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
