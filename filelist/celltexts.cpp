#include "filelist/celltexts.h"

#include <cstdlib>

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
