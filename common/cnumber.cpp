#include "common/cnumber.h"

#include <charconv>
#include <climits>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips white space and a sign; answers whether the number is negative.
bool skipToDigits(std::string_view text, std::size_t &pos)
{
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    return negative;
}

} // namespace

int atoiC(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = skipToDigits(text, pos);
    long long value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // keeps clamping, never overflows
    }
    return clampToInt(negative ? -value : value);
}

int clampToInt(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double atofC(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = skipToDigits(text, pos);
    const std::size_t begin = pos;
    std::size_t intDigits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++intDigits;
    }
    std::size_t end = pos;
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fracEnd = pos + 1;
        while (fracEnd < text.size() && isDigit(text[fracEnd]))
            ++fracEnd;
        // "5." reads as 5 and ".5" as 0.5; a lone "." is no number.
        if (intDigits > 0 || fracEnd > pos + 1)
            end = fracEnd;
    }
    if (end == begin)
        return 0.0;
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(text.data() + begin, text.data() + end, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}
