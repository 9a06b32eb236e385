#include "console.h"

#include "ffmpegcompat.h"

#include <cstdio>

namespace kescvt {

void printLine(const std::string &line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printNotice(const std::string &text)
{
    std::fflush(stdout);
    std::fprintf(stderr, "kescvt: %s\n", text.c_str());
    std::fflush(stderr);
}

void printError(const std::string &text)
{
    std::fflush(stdout);
    std::fprintf(stderr, "kescvt: error: %s\n", text.c_str());
    std::fflush(stderr);
}

std::string printable(const std::string &text)
{
    std::string out = text;
    for (char &c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f)
            c = ' ';
    }
    return out;
}

std::string kbpsText(int64_t bitsPerSecond)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", bitsPerSecond / 1000.0);
    return buffer;
}

std::string errorText(int averror)
{
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(averror, buffer, sizeof buffer);
    return buffer;
}

} // namespace kescvt
