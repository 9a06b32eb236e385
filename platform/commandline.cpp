#include "platform/commandline.h"

namespace platform {

std::string quoteArgument(const std::string &argument)
{
    std::string out;
    out.reserve(argument.size() + 2);
    out.push_back('"');
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            out.append(backslashes * 2 + 1, '\\');
            out.push_back('"');
        } else {
            out.append(backslashes, '\\');
            out.push_back(c);
        }
        backslashes = 0;
    }
    out.append(backslashes * 2, '\\');
    out.push_back('"');
    return out;
}

} // namespace platform
