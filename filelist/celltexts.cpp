#include "filelist/celltexts.h"

#include <cstdio>
#include <cstdlib>

std::string fileNamePart(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string durationCellText(int seconds)
{
    if (seconds <= 0)
        return {};
    char text[32];
    if (seconds < 3600)
        std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, (seconds % 3600) / 60,
                      seconds % 60);
    return text;
}

long long durationTextSeconds(const std::string &text)
{
    const auto first = text.find(':');
    if (first == std::string::npos)
        return std::atoi(text.c_str());
    const auto second = text.find(':', first + 1);
    const long long a = std::atoi(text.c_str());
    const long long b = std::atoi(text.c_str() + first + 1);
    if (second == std::string::npos)
        return a * 60 + b;
    const long long c = std::atoi(text.c_str() + second + 1);
    return a * 3600 + b * 60 + c;
}
