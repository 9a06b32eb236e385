#include "common/fieldsplit.h"

std::vector<std::string> fieldSplit(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    if (text.empty() || separator == '\0')
        return pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}
