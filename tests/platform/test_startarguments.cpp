#include <gtest/gtest.h>

#include "platform/startarguments.h"

using Action = StartArguments::Action;

TEST(StartArguments, NamesBecomeAbsoluteWithTheirBytes)
{
    const std::string latin1 = "caf\xE9 song.wav"; // not UTF-8
    const StartArguments args =
        parseStartArguments({"a.wav", "/music/b.mp3", latin1, "", "sub/dir", "--", "-c.ogg", "--"}, "/home/u");
    EXPECT_EQ(args.action, Action::Run);
    EXPECT_EQ(args.files, (std::vector<std::string>{"/home/u/a.wav", "/music/b.mp3", "/home/u/" + latin1,
                                                    "/home/u/sub/dir", "/home/u/-c.ogg", "/home/u/--"}));
    // A working folder ending in "/" (the root) gives no doubled separator.
    EXPECT_EQ(parseStartArguments({"x.wav"}, "/").files, std::vector<std::string>{"/x.wav"});
    // Without a working folder a relative name stays as given.
    EXPECT_EQ(parseStartArguments({"x.wav"}, "").files, std::vector<std::string>{"x.wav"});
}

TEST(StartArguments, Options)
{
    EXPECT_EQ(parseStartArguments({"a.wav", "--help"}, "/").action, Action::Help);
    EXPECT_EQ(parseStartArguments({"-h"}, "/").action, Action::Help);
    EXPECT_EQ(parseStartArguments({"--version"}, "/").action, Action::Version);
    const StartArguments bad = parseStartArguments({"--frobnicate", "a.wav"}, "/");
    EXPECT_EQ(bad.action, Action::Error);
    EXPECT_NE(bad.error.find("--frobnicate"), std::string::npos);
    // A lone "-" is a name, not an option.
    EXPECT_EQ(parseStartArguments({"-"}, "/w").files, std::vector<std::string>{"/w/-"});
}
