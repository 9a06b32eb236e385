// A stand-in for the converter tool. A source whose content starts with
// "FAKEAUDIO <seconds>" probes as a stereo 44100 Hz audio file of that length;
// anything else is unreadable. A conversion copies the source into the output
// and prints "|Time>>>" lines; a source that also holds "SLOW" writes part of
// its output, reports a little progress and then waits to be killed; one
// that holds "FAIL" stops with an error line and exit status 4.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace {

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string sourceOf(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-i") == 0) {
            std::string source = argv[i + 1];
            if (source.rfind("DS:\\\\", 0) == 0)
                source = source.substr(5);
            return source;
        }
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    bool convert = false;
    for (int i = 1; i < argc; ++i)
        convert = convert || std::strcmp(argv[i], "-@") == 0;
    const std::string source = sourceOf(argc, argv);
    const std::string content = readAll(source);
    if (content.rfind("FAKEAUDIO ", 0) != 0) {
        std::fprintf(stderr, "kescvt: error: Invalid data found when processing input\n");
        return 2;
    }
    const int seconds = std::atoi(content.c_str() + 10);

    if (!convert) {
        std::printf("Input #0, wav, from '%s':\n", source.c_str());
        std::printf("  Duration: %02d:%02d:%02d.00, bitrate: 1411 kb/s\n", seconds / 3600,
                    seconds / 60 % 60, seconds % 60);
        std::printf("    Stream #0.0: Audio: pcm_s16le, 44100 Hz, stereo, s16, 1411 kb/s\n");
        return 0;
    }

    const std::string output = argv[argc - 1];
    std::ofstream out(output, std::ios::binary);
    if (!out) {
        std::printf("%s: cannot open output\n", output.c_str());
        return 1;
    }
    if (content.find("FAIL") != std::string::npos) {
        std::printf("|Time>>> 1.0\n");
        std::fprintf(stderr, "kescvt: error: No space left on device\n");
        return 4;
    }
    if (content.find("SLOW") != std::string::npos) {
        out << "partial";
        out.flush();
        std::printf("|Time>>> 1.0\n");
        std::fflush(stdout);
        ::sleep(120);
        return 0;
    }
    out << "converted:" << content;
    out.close();
    for (int t = 1; t <= seconds; ++t)
        std::printf("|Time>>> %d.0\n", t);
    std::fflush(stdout);
    return 0;
}
