#include "filelist/celltexts.h"

#include "common/cnumber.h"

long long durationTextSeconds(const std::string &text)
{
    const auto first = text.find(':');
    if (first == std::string::npos)
        return atoiC(text);
    const auto second = text.find(':', first + 1);
    const long long a = atoiC(text);
    const long long b = atoiC(std::string_view(text).substr(first + 1));
    if (second == std::string::npos)
        return a * 60 + b;
    const long long c = atoiC(std::string_view(text).substr(second + 1));
    return a * 3600 + b * 60 + c;
}
