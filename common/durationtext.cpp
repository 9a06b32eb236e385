#include "common/durationtext.h"

#include <cstdio>

std::string durationText(int seconds)
{
    // A negative count can only come from a malformed "Duration:" line; it is
    // as unknown as 0.
    if (seconds <= 0)
        return {};
    char text[32];
    if (seconds < 3600)
        std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}
