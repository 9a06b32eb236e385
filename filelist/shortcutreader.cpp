#include "filelist/shortcutreader.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include <QFile>
#include <QString>

namespace {

constexpr uint32_t kHeaderSize = 0x4C;
constexpr unsigned char kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                          0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr uint32_t kHasLinkTargetIdList = 0x1;
constexpr uint32_t kHasLinkInfo = 0x2;
constexpr uint32_t kHasName = 0x4;
constexpr uint32_t kHasRelativePath = 0x8;
constexpr uint32_t kIsUnicode = 0x80;
constexpr uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr size_t kMaxFileBytes = 1 << 20;

class Bytes {
public:
    explicit Bytes(const std::string &data) : m_data(data) {}
    bool has(size_t offset, size_t count) const
    {
        return offset <= m_data.size() && count <= m_data.size() - offset;
    }
    uint32_t u16(size_t offset) const
    {
        return static_cast<unsigned char>(m_data[offset])
               | static_cast<uint32_t>(static_cast<unsigned char>(m_data[offset + 1])) << 8;
    }
    uint32_t u32(size_t offset) const { return u16(offset) | u16(offset + 2) << 16; }
    // A NUL-terminated byte text starting at offset; nullopt without a NUL.
    std::optional<std::string> cText(size_t offset) const
    {
        if (offset >= m_data.size())
            return std::nullopt;
        const auto end = m_data.find('\0', offset);
        if (end == std::string::npos)
            return std::nullopt;
        return m_data.substr(offset, end - offset);
    }
    // A NUL-terminated UTF-16LE text starting at offset, as local 8-bit bytes.
    std::optional<std::string> wideText(size_t offset) const
    {
        std::u16string text;
        for (size_t at = offset; has(at, 2); at += 2) {
            const char16_t c = static_cast<char16_t>(u16(at));
            if (c == 0)
                return QFile::encodeName(QString::fromStdU16String(text)).toStdString();
            text.push_back(c);
        }
        return std::nullopt;
    }
    const std::string &data() const { return m_data; }

private:
    const std::string &m_data;
};

std::string withSlashes(std::string path)
{
    for (char &c : path)
        if (c == '\\')
            c = '/';
    return path;
}

bool isRegularFile(const std::string &path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The base path and suffix of a LinkInfo structure at offset; empty when it has none.
std::optional<std::string> readLinkInfo(const Bytes &b, size_t at)
{
    if (!b.has(at, 28))
        return std::nullopt;
    const uint32_t size = b.u32(at);
    const uint32_t headerSize = b.u32(at + 4);
    const uint32_t flags = b.u32(at + 8);
    if (size < 28 || !b.has(at, size))
        return std::nullopt;
    if (!(flags & kVolumeIdAndLocalBasePath))
        return std::string();
    uint32_t baseOffset = b.u32(at + 16);
    const uint32_t suffixOffset = b.u32(at + 24);
    const bool unicodeOffsets = headerSize >= 0x24 && b.has(at, 0x24);
    std::optional<std::string> base;
    std::optional<std::string> suffix;
    if (unicodeOffsets && b.u32(at + 28) != 0) {
        if (b.u32(at + 28) >= size)
            return std::nullopt;
        base = b.wideText(at + b.u32(at + 28));
        if (b.u32(at + 32) != 0 && b.u32(at + 32) < size)
            suffix = b.wideText(at + b.u32(at + 32));
    } else {
        if (baseOffset >= size)
            return std::nullopt;
        base = b.cText(at + baseOffset);
        if (suffixOffset != 0 && suffixOffset < size)
            suffix = b.cText(at + suffixOffset);
    }
    if (!base)
        return std::nullopt;
    return *base + suffix.value_or(std::string());
}

} // namespace

std::optional<ShortcutReader::Targets> ShortcutReader::parse(const std::string &data)
{
    const Bytes b(data);
    if (!b.has(0, kHeaderSize) || b.u32(0) != kHeaderSize
        || std::memcmp(data.data() + 4, kLinkClsid, sizeof kLinkClsid) != 0)
        return std::nullopt;
    const uint32_t flags = b.u32(20);
    size_t at = kHeaderSize;

    if (flags & kHasLinkTargetIdList) {
        if (!b.has(at, 2))
            return std::nullopt;
        at += 2 + b.u16(at);
    }
    Targets targets;
    if (flags & kHasLinkInfo) {
        if (!b.has(at, 4))
            return std::nullopt;
        const auto base = readLinkInfo(b, at);
        if (!base)
            return std::nullopt;
        targets.localBasePath = withSlashes(*base);
        at += b.u32(at);
    }
    // String data: the name comes first, then the relative path.
    const bool unicode = flags & kIsUnicode;
    auto readString = [&](std::string &out) {
        if (!b.has(at, 2))
            return false;
        const size_t chars = b.u16(at);
        const size_t bytes = unicode ? chars * 2 : chars;
        if (!b.has(at + 2, bytes))
            return false;
        if (unicode) {
            std::u16string text;
            for (size_t i = 0; i < chars; ++i)
                text.push_back(static_cast<char16_t>(b.u16(at + 2 + 2 * i)));
            out = QFile::encodeName(QString::fromStdU16String(text)).toStdString();
        } else {
            out = data.substr(at + 2, bytes);
        }
        at += 2 + bytes;
        return true;
    };
    std::string ignored;
    if ((flags & kHasName) && !readString(ignored))
        return std::nullopt;
    if (flags & kHasRelativePath) {
        std::string relative;
        if (!readString(relative))
            return std::nullopt;
        targets.relativePath = withSlashes(relative);
    }
    return targets;
}

std::optional<std::string> ShortcutReader::resolve(const std::string &shortcutPath)
{
    // Opening anything but a regular file could block (a FIFO) or never end.
    if (!isRegularFile(shortcutPath))
        return std::nullopt;
    std::ifstream in(shortcutPath, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string data;
    data.resize(kMaxFileBytes);
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<size_t>(in.gcount()));
    const auto targets = parse(data);
    if (!targets)
        return std::nullopt;

    if (!targets->relativePath.empty()) {
        std::string candidate = targets->relativePath;
        if (candidate.front() != '/') {
            const auto slash = shortcutPath.rfind('/');
            const std::string folder =
                slash == std::string::npos ? std::string() : shortcutPath.substr(0, slash + 1);
            candidate = folder + candidate;
        }
        // One plain name per file, so the list's duplicate check knows it.
        candidate = std::filesystem::path(candidate).lexically_normal().string();
        if (isRegularFile(candidate))
            return candidate;
    }
    // A base path that is not absolute ("C:/Music/a.mp3" from a Windows
    // machine) names nothing here; read against the current folder, it would
    // depend on where the program was started.
    const std::string &base = targets->localBasePath;
    if (!base.empty() && base.front() == '/') {
        const std::string candidate = std::filesystem::path(base).lexically_normal().string();
        if (isRegularFile(candidate))
            return candidate;
    }
    return std::nullopt;
}
