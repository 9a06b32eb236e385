#include "mp4freeform.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace kescvt {

namespace {

uint32_t readBig32(const std::string &bytes, size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

void writeBig32(std::string &bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

std::string box(const char *type, const std::string &body)
{
    std::string out(4, '\0');
    writeBig32(out, 0, static_cast<uint32_t>(8 + body.size()));
    return out + type + body;
}

// Offset of the child box of type inside [begin, end) of bytes; npos when absent.
size_t findChild(const std::string &bytes, size_t begin, size_t end, const char *type)
{
    size_t at = begin;
    while (at + 8 <= end) {
        const uint32_t size = readBig32(bytes, at);
        if (size < 8 || at + size > end)
            return std::string::npos;
        if (bytes.compare(at + 4, 4, type) == 0)
            return at;
        at += size;
    }
    return std::string::npos;
}

} // namespace

bool addMp4FreeformItems(const std::string &path, const FreeformItems &items)
{
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file)
        return false;
    // The top-level boxes, up to the last one, which must be the movie box.
    int64_t at = 0;
    int64_t moovAt = -1;
    uint32_t moovSize = 0;
    char header[8];
    while (file.seekg(at) && file.read(header, 8)) {
        const std::string head(header, 8);
        const uint32_t size = readBig32(head, 0);
        if (size < 8)
            return false; // a 64-bit or open-ended box: not what the muxer writes here
        if (head.compare(4, 4, "moov") == 0) {
            moovAt = at;
            moovSize = size;
        } else if (moovAt >= 0) {
            return false;
        }
        at += size;
    }
    if (moovAt < 0 || moovSize > (64u << 20))
        return false;
    file.clear();
    std::string moov(moovSize, '\0');
    if (!file.seekg(moovAt) || !file.read(moov.data(), moovSize))
        return false;

    const size_t udta = findChild(moov, 8, moov.size(), "udta");
    if (udta == std::string::npos)
        return false;
    const size_t meta = findChild(moov, udta + 8, udta + readBig32(moov, udta), "meta");
    if (meta == std::string::npos)
        return false;
    const size_t ilst = findChild(moov, meta + 12, meta + readBig32(moov, meta), "ilst"); // meta has version and flags
    if (ilst == std::string::npos)
        return false;

    std::string added;
    const std::string noFlags(4, '\0');
    for (const auto &[name, value] : items) {
        const std::string typeUtf8("\0\0\0\x01\0\0\0\0", 8); // UTF-8 text, no locale
        added += box("----", box("mean", noFlags + "com.apple.iTunes") + box("name", noFlags + name) +
                                     box("data", typeUtf8 + value));
    }
    const size_t ilstEnd = ilst + readBig32(moov, ilst);
    moov.insert(ilstEnd, added);
    for (const size_t parent : {size_t{0}, udta, meta, ilst})
        writeBig32(moov, parent, static_cast<uint32_t>(readBig32(moov, parent) + added.size()));
    file.clear();
    return static_cast<bool>(file.seekp(moovAt) && file.write(moov.data(), static_cast<std::streamsize>(moov.size())) &&
                             file.flush());
}

} // namespace kescvt
