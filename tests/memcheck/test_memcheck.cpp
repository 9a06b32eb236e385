// The converter under valgrind's memcheck: a conversion into each of the 16
// formats with the command line the program builds, plus the probe and the
// error paths. Any invalid read or write, use of an uninitialised value or
// lost block fails the run through valgrind's own exit status.
#include "converter/commandtext.h"
#include "converter/conversioncommand.h"
#include "filelist/mediaprobe.h"
#include "core/encodingparams.h"
#include "core/formatcatalogue.h"
#include "platform/childprocess.h"
#include "../hardening/hostilekit.h"

#include <gtest/gtest.h>

using namespace hostile;

namespace {

const std::string kTool = REAL_KESCVT;
const std::string kValgrind = VALGRIND;

struct Checked {
    int exitCode = -1;
    std::string output;
};

// Runs the command under memcheck and collects everything it prints.
Checked underMemcheck(const std::vector<std::string> &command)
{
    std::vector<std::string> argv{kValgrind, "-q", "--error-exitcode=99", "--leak-check=full",
                                  "--show-leak-kinds=definite,indirect", "--errors-for-leak-kinds=definite,indirect",
                                  "--track-origins=yes"};
    argv.insert(argv.end(), command.begin(), command.end());
    const Watchdog watchdog(280);
    platform::ChildProcess child;
    Checked result;
    if (!child.start(argv))
        return result;
    char buffer[4096];
    while (!child.outputEnded()) {
        child.waitForOutput(std::chrono::milliseconds(1000));
        const long got = child.readAvailable(buffer, sizeof buffer);
        if (got > 0)
            result.output.append(buffer, static_cast<std::size_t>(got));
    }
    child.waitForEnd(std::chrono::hours(1));
    result.exitCode = child.outcome() == platform::ChildOutcome::Exited ? child.exitCode() : -1;
    return result;
}

// Valgrind 3.19 cannot run the FFmpeg libraries on every processor: on one that lacks
// RDTSCP, valgrind's own CPUID still offers it, and a library's load-time timer check then
// hits an instruction valgrind refuses. Nothing of the tool has run at that point, so the
// check is skipped there and left to the sanitizer suite.
std::string memcheckUnusable()
{
    static const std::string reason = [] {
        const Checked run = underMemcheck({kTool, "--version"});
        if (run.exitCode == 0)
            return std::string();
        return "valgrind cannot load the tool's libraries on this processor:\n" + run.output;
    }();
    return reason;
}

#define SKIP_WITHOUT_MEMCHECK()                                                                                       \
    do {                                                                                                              \
        if (const std::string reason = memcheckUnusable(); !reason.empty())                                          \
            GTEST_SKIP() << reason;                                                                                   \
    } while (false)

class Memcheck : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite()
    {
        scratch = new ScratchFolder;
        writeFile(*scratch / "in.wav", sineWavBytes(1.0, 44100, 2));
        writeFile(*scratch / "noise.mp3", randomBytes(16384, 9));
    }
    static void TearDownTestSuite()
    {
        delete scratch;
        scratch = nullptr;
    }
    static ScratchFolder *scratch;
};
ScratchFolder *Memcheck::scratch = nullptr;

} // namespace

TEST_P(Memcheck, ConversionIsClean)
{
    SKIP_WITHOUT_MEMCHECK();
    const int format = GetParam();
    MediaItem item;
    item.sourcePath = *scratch / "in.wav";
    item.durationSeconds = 1;
    item.sampleRate = 44100;
    item.audioChannels = 2;
    const std::string output = *scratch / ("out" + std::to_string(format) + "." + formatEntry(format).extension);
    const Checked run = underMemcheck(
        buildConversionCommand(kTool, item, output, formatEntry(format), defaultEncodingParams(format)));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("|Time>>>"), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(AllFormats, Memcheck, ::testing::Range(0, kFormatCount),
                         [](const ::testing::TestParamInfo<int> &info) {
                             std::string name = formatEntry(info.param).displayName;
                             std::string out = "f" + std::to_string(info.param) + "_";
                             for (char c : name)
                                 out.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
                             return out;
                         });

TEST(MemcheckErrorPaths, ProbeAndRefusalsAreClean)
{
    SKIP_WITHOUT_MEMCHECK();
    ScratchFolder dir;
    writeFile(dir / "in.wav", sineWavBytes(1.0, 44100, 1));
    writeFile(dir / "noise.mp3", randomBytes(16384, 9));
    writeFile(dir / "cut.wav", sineWavBytes(1.0, 44100, 1).substr(0, 30));

    const Checked probe = underMemcheck(probeCommand(kTool, dir / "in.wav", false));
    EXPECT_EQ(probe.exitCode, 0) << probe.output;
    EXPECT_NE(probe.output.find("Audio:"), std::string::npos) << probe.output;

    // Refused inputs and values end with the tool's own error status, not 99.
    for (const std::vector<std::string> &line :
         {probeCommand(kTool, dir / "noise.mp3", false), probeCommand(kTool, dir / "cut.wav", true),
          std::vector<std::string>{kTool, "-@", "-i", dir / "noise.mp3", "-y", "-vn", "-ar", "44100", dir / "a.mp3"},
          std::vector<std::string>{kTool, "-@", "-i", dir / "in.wav", "-y", "-vn", "-acodec", "nosuch", "-ar", "44100",
                                   dir / "b.mp3"},
          std::vector<std::string>{kTool, "-@", "-i", dir / "in.wav", "-y", "-vn", "-ar", "44100", "-ac", "0",
                                   dir / "c.mp3"}}) {
        const Checked run = underMemcheck(line);
        EXPECT_NE(run.exitCode, 0) << commandText(line) << "\n" << run.output;
        EXPECT_NE(run.exitCode, 99) << commandText(line) << "\n" << run.output;
        EXPECT_NE(run.exitCode, -1) << commandText(line) << "\n" << run.output;
    }
}
