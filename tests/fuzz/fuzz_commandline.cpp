// Any byte string quoted for the command line splits back into itself, alone or
// beside another argument; splitting arbitrary text never crashes.
#include "platform/commandline.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);
    (void)platform::splitCommandLine(text);

    std::string argument;
    for (char c : text)
        if (c != '\0')
            argument.push_back(c);
    const auto once = platform::splitCommandLine(platform::quoteArgument(argument));
    if (once.size() != 1 || once[0] != argument)
        std::abort();
    const auto twice = platform::splitCommandLine(platform::quoteArgument(argument) + " " +
                                                  platform::quoteArgument("-y"));
    if (twice.size() != 2 || twice[0] != argument || twice[1] != "-y")
        std::abort();
    return 0;
}
