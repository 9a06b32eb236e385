#pragma once

#include <cstdint>
#include <fstream>
#include <string>

// Builds a Windows shortcut (.lnk) in the published Shell Link layout, with a
// relative path and/or a local base path, for tests of shortcut following.
namespace shortcutfile {

inline void put16(std::string &out, uint32_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

inline void put32(std::string &out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

inline std::string build(const std::string &relativePath, const std::string &localBasePath,
                         bool unicode = false)
{
    uint32_t flags = 0;
    if (!localBasePath.empty())
        flags |= 0x2;
    if (!relativePath.empty())
        flags |= 0x8;
    if (unicode)
        flags |= 0x80;
    flags |= 0x4; // a name string comes first and must be skipped

    std::string out;
    put32(out, 0x4C);
    const unsigned char clsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                     0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    out.append(reinterpret_cast<const char *>(clsid), 16);
    put32(out, flags);
    out.append(0x4C - out.size(), '\0');

    if (!localBasePath.empty()) {
        const std::string volume = std::string("\x11\0\0\0\x03\0\0\0\0\0\0\0\x10\0\0\0\0", 17);
        const uint32_t header = 0x1C;
        const uint32_t volumeOffset = header;
        const uint32_t baseOffset = volumeOffset + static_cast<uint32_t>(volume.size());
        const uint32_t suffixOffset = baseOffset + static_cast<uint32_t>(localBasePath.size()) + 1;
        const uint32_t size = suffixOffset + 1;
        put32(out, size);
        put32(out, header);
        put32(out, 1);
        put32(out, volumeOffset);
        put32(out, baseOffset);
        put32(out, 0);
        put32(out, suffixOffset);
        out += volume;
        out += localBasePath;
        out.push_back('\0');
        out.push_back('\0');
    }
    auto putString = [&](const std::string &text) {
        put16(out, static_cast<uint32_t>(text.size()));
        for (char c : text) {
            out.push_back(c);
            if (unicode)
                out.push_back('\0');
        }
    };
    putString("a shortcut");
    if (!relativePath.empty())
        putString(relativePath);
    return out;
}

inline void write(const std::string &path, const std::string &relativePath,
                  const std::string &localBasePath, bool unicode = false)
{
    std::ofstream(path, std::ios::binary) << build(relativePath, localBasePath, unicode);
}

} // namespace shortcutfile
