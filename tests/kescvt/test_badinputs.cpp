// Every bad input and bad command line ends with a non-zero exit, an error line and no
// output file. The kill-after guard of runKescvt turns a hang into a failure.
#include "testmedia.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::vector<std::string> mp3Options{"-vn", "-acodec", "mp3", "-ar", "44100", "-ab", "128k", "-ac", "2"};

std::vector<std::string> convertArgs(const std::string &input, const std::string &output)
{
    std::vector<std::string> args{"-@", "-i", input, "-y"};
    args.insert(args.end(), mp3Options.begin(), mp3Options.end());
    args.push_back(output);
    return args;
}

std::string randomBytes(size_t count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char &c : bytes)
        c = static_cast<char>(generator() & 0xff);
    return bytes;
}

void expectCleanFailure(const ToolResult &run, const std::string &what)
{
    EXPECT_TRUE(run.failedCleanly()) << what << ": exit " << run.exitCode << (run.timedOut ? " (hung)" : "")
                                     << (run.signalled ? " (crashed)" : "") << "\n" << run.output;
    EXPECT_NE(run.output.find("error"), std::string::npos) << what << ": no error line\n" << run.output;
}

TEST(BadInputs, EndWithAnErrorAndNoOutput)
{
    TempDir dir;
    writeSineWav(dir.file("good.wav"), 44100, 2, 1.0);
    const std::string wav = readBytes(dir.file("good.wav"));
    writeBytes(dir.file("empty.wav"), "");
    writeBytes(dir.file("truncated.wav"), wav.substr(0, 30));
    writeBytes(dir.file("noise.bin"), randomBytes(65536, 7));
    writeBytes(dir.file("noise.mp3"), randomBytes(65536, 11));
    writeBytes(dir.file("noise.wav"), randomBytes(65536, 13));
    writeY4m(dir.file("silent.y4m"), 64, 48, 5, 25);
    mkdir(dir.file("folder.wav").c_str(), 0755);
    ASSERT_EQ(mkfifo(dir.file("pipe.wav").c_str(), 0644), 0);

    for (const char *name : {"empty.wav", "truncated.wav", "noise.bin", "noise.mp3", "noise.wav", "silent.y4m",
                             "folder.wav", "pipe.wav", "missing.wav"}) {
        const std::string output = dir.file(std::string(name) + ".mp3");
        expectCleanFailure(runKescvt(convertArgs(dir.file(name), output)), name);
        EXPECT_FALSE(fileExists(output)) << name;
    }
    for (const char *name : {"empty.wav", "truncated.wav", "noise.bin", "folder.wav", "pipe.wav", "missing.wav"})
        expectCleanFailure(runKescvt({"-i", dir.file(name)}), std::string("probe of ") + name);
}

TEST(BadInputs, BadCommandLinesWriteNothing)
{
    TempDir dir;
    writeSineWav(dir.file("good.wav"), 44100, 2, 1.0);
    const std::string out = dir.file("out.mp3");
    const std::string in = dir.file("good.wav");
    const std::vector<std::vector<std::string>> commandLines{
        {"-@", "-i", in, "-y", "-bogus", out},
        {"-@", "-i", in, "-y", "-ar", "44100", out, "-ab"},
        {"-@", "-i", in, "-y", "-ar", out},
        {"-@", "-i", in, "-y", "-ar", "fast", out},
        {"-@", "-i", in, "-y", "-ab", "lots", out},
        {"-@", "-i", in, "-y", "-ac", "0", out},
        {"-@", "-i", in, "-y", "-acodec", "nosuchcodec", out},
        {"-@", "-i", in, "-y", "-f", "nosuchcontainer", out},
        // Muxers that write many files, none, or elsewhere than the output.
        {"-@", "-i", in, "-y", "-f", "hls", out},
        {"-@", "-i", in, "-y", "-f", "dash", out},
        {"-@", "-i", in, "-y", "-f", "null", out},
        {"-@", "-i", in, "-y", "-f", "segment", out},
        {"-@", "-i", in, "-y", dir.file("out.m3u8")},
        {"-@", "-i", in, "-y", "-acodec", "mp3", dir.file("out.m4a")},
        {"-@", "-i", in, "-y", dir.file("out.noextension")},
        {"-@", "-i", in, "-y"},
        {"-@", "-y", out},
    };
    for (const auto &args : commandLines) {
        std::string text;
        for (const std::string &arg : args)
            text += arg + " ";
        expectCleanFailure(runKescvt(args), text);
        EXPECT_FALSE(fileExists(out)) << text;
        EXPECT_FALSE(fileExists(dir.file("out.m4a"))) << text;
        EXPECT_FALSE(fileExists(dir.file("out.noextension"))) << text;
        EXPECT_FALSE(fileExists(dir.file("out.m3u8"))) << text;
    }
    // A codec the container cannot hold is the command line's fault, not the output folder's.
    for (const auto &[container, name] : {std::pair{"opus", "out.opus"}, std::pair{"ipod", "out.m4a"}}) {
        const ToolResult run = runKescvt({"-@", "-i", in, "-y", "-f", container, "-acodec", "mp3", dir.file(name)});
        EXPECT_EQ(run.exitCode, 3) << name << "\n" << run.output;
        EXPECT_FALSE(fileExists(dir.file(name))) << name;
    }
}

// Writing over the source would destroy it: refused, and the source is untouched.
TEST(BadInputs, OutputThatIsTheInputIsRefused)
{
    TempDir dir;
    writeSineWav(dir.file("song.wav"), 44100, 2, 1.0);
    const std::string before = readBytes(dir.file("song.wav"));
    expectCleanFailure(runKescvt({"-@", "-i", dir.file("song.wav"), "-y", "-ar", "44100", dir.file("song.wav")}),
                       "output is input");
    EXPECT_EQ(readBytes(dir.file("song.wav")), before);
}

// Writing through a link would leave a file at its target that no cleanup removes.
TEST(BadInputs, OutputThatIsALinkIsRefused)
{
    TempDir dir;
    writeSineWav(dir.file("song.wav"), 44100, 2, 1.0);
    writeBytes(dir.file("elsewhere.mp3"), "keep me");
    ASSERT_EQ(symlink(dir.file("elsewhere.mp3").c_str(), dir.file("link.mp3").c_str()), 0);
    ASSERT_EQ(symlink(dir.file("nothing.mp3").c_str(), dir.file("dangling.mp3").c_str()), 0);
    for (const char *link : {"link.mp3", "dangling.mp3"}) {
        const ToolResult run = runKescvt({"-@", "-i", dir.file("song.wav"), "-y", "-ar", "44100", dir.file(link)});
        expectCleanFailure(run, link);
        EXPECT_EQ(run.exitCode, 4) << link;
    }
    EXPECT_EQ(readBytes(dir.file("elsewhere.mp3")), "keep me");
    EXPECT_FALSE(fileExists(dir.file("nothing.mp3")));
    char target[512] = {};
    EXPECT_GT(readlink(dir.file("link.mp3").c_str(), target, sizeof target - 1), 0);
}

TEST(BadInputs, ExistingOutputNeedsOverwrite)
{
    TempDir dir;
    writeSineWav(dir.file("song.wav"), 44100, 2, 1.0);
    writeBytes(dir.file("old.mp3"), "keep me");
    expectCleanFailure(runKescvt({"-@", "-i", dir.file("song.wav"), "-ar", "44100", dir.file("old.mp3")}), "no -y");
    EXPECT_EQ(readBytes(dir.file("old.mp3")), "keep me");
    EXPECT_TRUE(runKescvt({"-@", "-i", dir.file("song.wav"), "-y", "-ar", "44100", dir.file("old.mp3")}).succeeded());
    EXPECT_GT(fileSize(dir.file("old.mp3")), 1000);
}

} // namespace
