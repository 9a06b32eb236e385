// Arbitrary bytes as a Windows shortcut: the reader never reads outside them
// and answers nothing or two texts. A shortcut built in the published layout
// from arbitrary path texts reads back those texts, "\" turned into "/".
#include "filelist/shortcutreader.h"
#include "../support/shortcutfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Texts a shortcut can carry as 8-bit strings: no NUL, and below 0x80 so that
// the UTF-16 form says the same thing.
std::string pathText(std::string_view bytes, bool asciiOnly)
{
    std::string out;
    for (char c : bytes) {
        if (c == '\0' || (asciiOnly && static_cast<unsigned char>(c) >= 0x80))
            continue;
        out.push_back(c);
    }
    return out.substr(0, 0xFFFF);
}

std::string slashes(std::string text)
{
    for (char &c : text)
        if (c == '\\')
            c = '/';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    (void)ShortcutReader::parse(bytes);

    if (size < 1)
        return 0;
    const bool unicode = data[0] & 1;
    const std::string_view rest(bytes.data() + 1, size - 1);
    const std::size_t cut = rest.find('\x01');
    const std::string relative = pathText(rest.substr(0, cut), unicode);
    const std::string base = cut == std::string_view::npos ? std::string() : pathText(rest.substr(cut + 1), false);
    const std::string link = shortcutfile::build(relative, base, unicode);
    const auto targets = ShortcutReader::parse(link);
    check(targets.has_value());
    check(targets->relativePath == slashes(relative));
    check(targets->localBasePath == slashes(base));

    // Every cut-off copy is refused or read without going past its end.
    const std::size_t shorter = data[0] % (link.size() + 1);
    (void)ShortcutReader::parse(link.substr(0, shorter));
    return 0;
}
