#include "usage.h"

#include <cstdio>
#include <cstring>

#if !defined(SONAVERT_FULL_VERSION)
#error "the build must define SONAVERT_FULL_VERSION"
#endif

namespace kescvt {

bool answerInformationRequest(int argc, char **argv)
{
    if (argc != 2)
        return false;
    const char *arg = argv[1];
    if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
        std::fputs("Usage: kescvt -i INPUT\n"
                   "       kescvt -@ -i INPUT -y [-f CONTAINER] -vn [-acodec CODEC] -ar RATE [-ab RATEk]\n"
                   "              [-ac N] [-vol V] [-threads N] [-loudness M] [-target LUFS]\n"
                   "              [-track-loudness L,P] [-album-loudness L,P] OUTPUT\n"
                   "       kescvt --probe-stdin\n"
                   "       kescvt -measure -i INPUT\n"
                   "       kescvt -h | --help | --version\n"
                   "\n"
                   "The first form prints the duration and streams of INPUT; the second converts\n"
                   "its best audio stream into OUTPUT; the third answers as the first for each\n"
                   "NUL-ended name read on standard input; the fourth decodes INPUT and prints its\n"
                   "loudness. See kescvt(1).\n",
                   stdout);
        return true;
    }
    if (std::strcmp(arg, "--version") == 0) {
        // The version of the program it belongs to, as sonavert --version prints it.
        std::fputs("kescvt (Sonavert) " SONAVERT_FULL_VERSION "\n", stdout);
        return true;
    }
    return false;
}

} // namespace kescvt
