#include "converter/commandtext.h"

#include "platform/commandline.h"

namespace {

bool isPlainToken(const std::string &value)
{
    if (value.empty())
        return false;
    for (char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u >= 0x7f || c == '"')
            return false;
    }
    return true;
}

} // namespace

std::string commandText(const std::vector<std::string> &argv)
{
    std::string text;
    bool inputSeen = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        bool path = i == 0 || i + 1 == argv.size();
        if (!inputSeen && i > 0 && argv[i - 1] == "-i") {
            path = true;
            inputSeen = true;
        }
        if (i > 0)
            text.push_back(' ');
        text += path || !isPlainToken(argv[i]) ? platform::quoteArgument(argv[i]) : argv[i];
    }
    return text;
}
