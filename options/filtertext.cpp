#include "options/filtertext.h"

std::string normaliseFilterText(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        out.push_back(c == ';' ? ',' : c);
    }
    return out;
}
