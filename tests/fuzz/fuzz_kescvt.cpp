// The converter tool's reading side on arbitrary bytes, in process: the probe report and a
// short conversion to WAV. The first byte picks the file's extension (weak format guesses
// must agree with it), the rest is the file. Any crash, sanitizer report, allocation above
// the limit set below or unit that runs for seconds is a finding.
#include "inputfile.h"
#include "probereport.h"
#include "toolerror.h"
#include "tooloptions.h"
#include "transcoder.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char *const extensions[] = {"wav", "mp3", "aac", "ac3", "flac", "ogg", "m4a", "wma",
                                  "amr", "ra",  "mp2", "dts", "au",  "aiff"};
std::string g_folder;

void writeInput(const std::string &path, const uint8_t *data, size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        std::abort();
    if (size > 0 && ::write(fd, data, size) != static_cast<ssize_t>(size))
        std::abort();
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    av_log_set_level(AV_LOG_QUIET);
    kescvt::limitAllocations();
    // Probe lines are not wanted in the fuzzer's log.
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    ::dup2(null, STDOUT_FILENO);
    ::close(null);
    std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-kescvt-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        std::abort();
    g_folder = pattern;
    // The memory limit: no single allocation above 512 MB, the whole process (with the
    // sanitizers' own overhead) below 2 GB.
    static std::vector<char *> args(*argv, *argv + *argc);
    static char mallocLimit[] = "-malloc_limit_mb=512";
    static char rssLimit[] = "-rss_limit_mb=2048";
    args.push_back(mallocLimit);
    args.push_back(rssLimit);
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size()) - 1;
    *argv = args.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const std::string input = g_folder + "/in." + extensions[data[0] % std::size(extensions)];
    const std::string output = g_folder + "/out.wav";
    writeInput(input, data + 1, size - 1);
    try {
        kescvt::InputFile file(input);
        kescvt::printProbeReport(file.context());
    } catch (const kescvt::ToolError &) {
    } catch (const std::bad_alloc &) {
    }
    try {
        kescvt::ToolOptions options;
        options.input = input;
        options.output = output;
        options.overwrite = true;
        kescvt::Transcoder transcoder(options);
        transcoder.run();
    } catch (const kescvt::ToolError &) {
    } catch (const std::bad_alloc &) {
    }
    ::unlink(output.c_str());
    ::unlink(input.c_str());
    return 0;
}
