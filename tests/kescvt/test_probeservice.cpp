// The probe service answers each name exactly as a run of "kescvt -i NAME" would, one
// file after another in one process.
#include "testmedia.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Answer {
    std::string output;
    int status = -1;
};

// Cuts the service's output at its end records.
std::vector<Answer> serviceAnswers(const std::string &output)
{
    std::vector<Answer> answers;
    const std::string mark("\0exit ", 6);
    size_t from = 0;
    for (size_t at; (at = output.find(mark, from)) != std::string::npos;) {
        const size_t end = output.find('\n', at);
        if (end == std::string::npos)
            break;
        answers.push_back({output.substr(from, at - from), std::stoi(output.substr(at + mark.size(), end - at - mark.size()))});
        from = end + 1;
    }
    if (from < output.size())
        answers.push_back({output.substr(from), -1});
    return answers;
}

TEST(ProbeService, AnswersEveryFileAsTheSingleProbeDoes)
{
    TempDir dir;
    const std::string source = dir.file("source.wav");
    writeTaggedSineWav(source, 1.0, "Title", "Artist");
    const std::vector<std::vector<std::string>> formats = {
        {"mp3", "-acodec", "mp3"},       {"mp2", "-acodec", "mp2"},
        {"wav", "-acodec", "pcm_s16le"}, {"wma", "-f", "xwmv", "-acodec", "wma7x"},
        {"ogg", "-acodec", "vorbis"},    {"aac", "-acodec", "libfaac"},
        {"m4a", "-acodec", "mpeg4aac"},  {"m4b", "-f", "mp4", "-acodec", "mpeg4aac"},
        {"ac3", "-acodec", "ac3"},       {"aiff", "-acodec", "pcm_s16be"},
        {"au", "-acodec", "pcm_s16be"},  {"ra", "-f", "rmvb", "-acodec", "rmaudio"},
        {"flac", "-acodec", "flac"},     {"opus", "-acodec", "opus", "-ar", "48000"},
        {"amr", "-f", "amr", "-acodec", "libamr_nb", "-ar", "8000", "-ab", "6.7k", "-ac", "1"},
        {"awb", "-f", "amr", "-acodec", "libamr_wb", "-ar", "16000", "-ab", "15.85k", "-ac", "1"},
    };
    std::vector<std::string> names;
    for (const auto &format : formats) {
        const std::string output = dir.file("out." + format[0]);
        std::vector<std::string> args{"-@", "-i", source, "-y", "-vn"};
        args.insert(args.end(), format.begin() + 1, format.end());
        if (args.size() < 9)
            args.insert(args.end(), {"-ar", "44100", "-ac", "2"});
        args.push_back(output);
        ASSERT_TRUE(runKescvt(args).succeeded()) << format[0];
        names.push_back(output);
    }
    writeY4m(dir.file("video.y4m"), 64, 48, 5, 25);
    writeBytes(dir.file("damaged.mp3"), readBytes(dir.file("out.mp3")).substr(0, 600) + std::string(3000, '\x55'));
    writeBytes(dir.file("empty.wav"), "");
    writeBytes(dir.file("two\nlines.wav"), readBytes(source));
    writeBytes(dir.file("latin\xe9\xff.wav"), readBytes(source));
    for (const char *name : {"video.y4m", "damaged.mp3", "empty.wav", "two\nlines.wav", "latin\xe9\xff.wav"})
        names.push_back(dir.file(name));
    names.push_back(dir.file("missing.wav"));
    names.push_back("DS:\\\\" + dir.file("out.ra"));
    names.push_back(dir.file("out.wav")); // a good file after failures is still answered

    std::string input;
    for (const std::string &name : names)
        input += name + '\0';
    const ToolResult service = runKescvt({"--probe-stdin"}, 120, {}, input);
    ASSERT_TRUE(service.succeeded()) << service.output;
    const std::vector<Answer> answers = serviceAnswers(service.output);
    ASSERT_EQ(answers.size(), names.size()) << service.output;
    for (size_t i = 0; i < names.size(); ++i) {
        const ToolResult single = runKescvt({"-i", names[i]});
        ASSERT_TRUE(single.started && !single.timedOut && !single.signalled) << names[i];
        EXPECT_EQ(answers[i].output, single.output) << names[i];
        EXPECT_EQ(answers[i].status, single.exitCode) << names[i];
    }
    EXPECT_EQ(answers.front().status, 0);
    EXPECT_NE(answers[formats.size() + 2].status, 0); // the empty file
}

TEST(ProbeService, EndsQuietlyOnAnUnfinishedName)
{
    TempDir dir;
    writeSineWav(dir.file("a.wav"), 44100, 1, 0.5);
    const ToolResult service = runKescvt({"--probe-stdin"}, 60, {}, dir.file("a.wav") + '\0' + dir.file("a.wav"));
    EXPECT_TRUE(service.succeeded());
    EXPECT_EQ(serviceAnswers(service.output).size(), 1u) << service.output;
}

} // namespace
