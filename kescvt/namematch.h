#pragma once

#include <cstring>
#include <initializer_list>

namespace kescvt {

// True when the name of a format or codec is one of `names`.
inline bool isNamed(const char *name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names)
        if (std::strcmp(name, candidate) == 0)
            return true;
    return false;
}

} // namespace kescvt
