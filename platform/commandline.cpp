#include "platform/commandline.h"

namespace platform {

std::vector<std::string> splitCommandLine(const std::string &commandLine)
{
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    bool inQuotes = false;
    const size_t n = commandLine.size();
    size_t i = 0;
    while (i < n) {
        const char c = commandLine[i];
        if (!inQuotes && (c == ' ' || c == '\t')) {
            if (inArgument) {
                args.push_back(current);
                current.clear();
                inArgument = false;
            }
            ++i;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            size_t run = 0;
            while (i < n && commandLine[i] == '\\') {
                ++run;
                ++i;
            }
            if (i < n && commandLine[i] == '"') {
                current.append(run / 2, '\\');
                if (run % 2 == 1) {
                    current.push_back('"');
                    ++i;
                }
                // an even run leaves the quote to be read as a delimiter below
            } else {
                current.append(run, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (inQuotes && i + 1 < n && commandLine[i + 1] == '"') {
                current.push_back('"');
                i += 2;
                continue;
            }
            inQuotes = !inQuotes;
            ++i;
            continue;
        }
        current.push_back(c);
        ++i;
    }
    if (inArgument)
        args.push_back(current);
    return args;
}

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
