#include "tagthinner.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace kescvt {

namespace {

// Consecutive ID3v2 tags the demuxers read one after another; more are not looked at.
constexpr int maxLeadingTags = 64;
// The most of one leading tag read to count its frames.
constexpr int64_t maxId3ReadBytes = 16LL << 20;
constexpr int maxFlacBlocks = 1024;
// Pages are looked at this far ahead of what the demuxer reads, so that a comment count
// in the page after the one being read is lowered before the demuxer gets to it.
constexpr int64_t oggLookahead = 128 * 1024;
constexpr int64_t maxOggPage = 27 + 255 + 255 * 255;
// A vendor string longer than this is not read past; such a header is left as it is.
constexpr uint32_t maxOggVendorBytes = 1 << 20;

uint32_t bigEndian(const uint8_t *p, int bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | p[i];
    return value;
}

uint32_t synchsafe(const uint8_t *p)
{
    return (p[0] & 0x7fu) << 21 | (p[1] & 0x7fu) << 14 | (p[2] & 0x7fu) << 7 | (p[3] & 0x7fu);
}

uint32_t littleEndian32(const uint8_t *p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::string littleEndianBytes(uint32_t value)
{
    return {static_cast<char>(value & 0xff), static_cast<char>(value >> 8 & 0xff), static_cast<char>(value >> 16 & 0xff),
            static_cast<char>(value >> 24 & 0xff)};
}

bool readAt(int fd, void *buffer, int64_t count, int64_t offset)
{
    return count >= 0 && ::pread(fd, buffer, static_cast<size_t>(count), offset) == static_cast<ssize_t>(count);
}

// The Ogg page checksum: CRC-32, polynomial 0x04c11db7, most significant bit first, no
// inversion.
constexpr std::array<uint32_t, 256> oggCrcTable = [] {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t r = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : r << 1;
        table[i] = r;
    }
    return table;
}();

uint32_t oggCrc(const uint8_t *bytes, size_t count)
{
    uint32_t crc = 0;
    for (size_t i = 0; i < count; ++i)
        crc = crc << 8 ^ oggCrcTable[(crc >> 24 ^ bytes[i]) & 0xff];
    return crc;
}

// Bytes of an Ogg stream's comment packet before its vendor length, by the stream's first
// packet; -1 for codecs whose headers carry no comments the demuxer reads.
int oggCommentPrefix(const uint8_t *first, int64_t size)
{
    const auto starts = [&](const char *magic, size_t length) {
        return size >= static_cast<int64_t>(length) && std::memcmp(first, magic, length) == 0;
    };
    if (starts("\x01vorbis", 7) || starts("\x80theora", 7))
        return 7;
    if (starts("OpusHead", 8))
        return 8;
    if (starts("\x7f" "FLAC", 5))
        return 4; // a metadata block header
    if (starts("Speex   ", 8))
        return 0;
    return -1;
}

bool oggCommentMagic(const std::string &head, int prefix)
{
    switch (prefix) {
    case 7:
        return head.compare(0, 7, "\x03vorbis") == 0 || head.compare(0, 7, "\x81theora") == 0;
    case 8:
        return head.compare(0, 8, "OpusTags") == 0;
    case 4:
        return (static_cast<uint8_t>(head[0]) & 0x7f) == 4;
    default:
        return true;
    }
}

} // namespace

void TagThinner::scan(int fd, int64_t size)
{
    m_fd = fd;
    m_size = size;
    int64_t at = 0;
    uint32_t budget = maxEntries;
    for (int tags = 0; tags < maxLeadingTags; ++tags) {
        const int64_t end = thinId3(at, budget);
        if (end <= at)
            break;
        at = end;
    }
    m_leadingEnd = at;
    uint8_t magic[4];
    if (readAt(fd, magic, 4, at)) {
        if (std::memcmp(magic, "fLaC", 4) == 0)
            m_leadingEnd = thinFlac(at + 4);
        m_ogg = std::memcmp(magic, "OggS", 4) == 0;
    }
    // At the very end, or in front of an ID3v1 tag.
    thinApe(size - 32);
    thinApe(size - 128 - 32);
}

void TagThinner::patch(int64_t at, int64_t length, std::string bytes)
{
    m_patches[at] = Patch{length, std::move(bytes)};
}

// Returns where the tag at `at` ends, or `at` when there is none.
int64_t TagThinner::thinId3(int64_t at, uint32_t &budget)
{
    uint8_t header[10];
    if (!readAt(m_fd, header, sizeof header, at) || std::memcmp(header, "ID3", 3) != 0 || header[3] < 2 ||
        header[3] > 4)
        return at;
    const int version = header[3];
    const int64_t frameEnd = at + 10 + static_cast<int64_t>(synchsafe(header + 6));
    const int64_t tagEnd = frameEnd + (version == 4 && (header[5] & 0x10) ? 10 : 0);
    // Read whole (tags of this size are hostile anyway past a few megabytes).
    std::vector<uint8_t> tag(static_cast<size_t>(std::min(frameEnd - at, maxId3ReadBytes)));
    if (!readAt(m_fd, tag.data(), static_cast<int64_t>(tag.size()), at))
        return tagEnd;
    // Version 2.3 with unsynchronisation measures frames after removing the zero byte
    // stuffed behind every 0xFF; the cursor undoes it while walking.
    const bool unsynchronised = version < 4 && (header[5] & 0x80);
    size_t raw = 10;
    auto take = [&](uint8_t *out, uint64_t count) {
        for (uint64_t i = 0; i < count; ++i) {
            if (raw >= tag.size())
                return false;
            const uint8_t byte = tag[raw++];
            if (unsynchronised && byte == 0xff && raw < tag.size() && tag[raw] == 0)
                ++raw;
            if (out)
                out[i] = byte;
        }
        return true;
    };
    if (header[5] & 0x40) {
        uint8_t ext[4];
        if (version == 2 || !take(ext, 4) || !take(nullptr, version == 4 ? synchsafe(ext) - 4 : bigEndian(ext, 4)))
            return tagEnd;
    }
    const int headerBytes = version == 2 ? 6 : 10;
    uint32_t frames = 0;
    for (;; ++frames) {
        const size_t frameStart = raw;
        uint8_t frame[10];
        if (!take(frame, static_cast<uint64_t>(headerBytes)) || frame[0] == 0)
            break;
        if (frames == budget) {
            const int64_t from = at + static_cast<int64_t>(frameStart);
            patch(from, frameEnd - from, {});
            break;
        }
        const uint64_t size = version == 2 ? bigEndian(frame + 3, 3)
                              : version == 3 ? bigEndian(frame + 4, 4)
                                             : synchsafe(frame + 4);
        if (!take(nullptr, size))
            break;
    }
    budget -= std::min(budget, frames);
    return tagEnd;
}

// Every comment block of the metadata keeps at most the entries left of the bound; returns
// where the metadata ends.
int64_t TagThinner::thinFlac(int64_t at)
{
    uint32_t budget = maxEntries;
    for (int blocks = 0; blocks < maxFlacBlocks; ++blocks) {
        uint8_t block[4];
        if (!readAt(m_fd, block, 4, at))
            return at;
        const int64_t length = bigEndian(block + 1, 3);
        if ((block[0] & 0x7f) == 4) { // VORBIS_COMMENT
            uint8_t field[4];
            const int64_t countAt = readAt(m_fd, field, 4, at + 4) ? at + 8 + littleEndian32(field) : -1;
            if (countAt >= 0 && countAt + 4 <= at + 4 + length && readAt(m_fd, field, 4, countAt)) {
                const uint32_t count = littleEndian32(field);
                const uint32_t kept = std::min(count, budget);
                if (kept != count)
                    patch(countAt, 4, littleEndianBytes(kept));
                budget -= kept;
            }
        }
        at += 4 + length;
        if (block[0] & 0x80)
            return at;
    }
    return at;
}

void TagThinner::thinApe(int64_t footer)
{
    uint8_t bytes[24];
    if (footer < 0 || !readAt(m_fd, bytes, sizeof bytes, footer) || std::memcmp(bytes, "APETAGEX", 8) != 0)
        return;
    if (littleEndian32(bytes + 16) > maxEntries)
        patch(footer + 16, 4, littleEndianBytes(maxEntries));
}

void TagThinner::beforeRead(int64_t position, int64_t length)
{
    if (!m_ogg)
        return;
    const int64_t until = std::min(m_size, position + length + oggLookahead);
    // A read outside the stretch looked at (a seek) starts a new one: what lies between is
    // looked at only if it is read.
    if (position < m_oggFrom || position > m_oggNext || m_oggNext < 0) {
        m_oggStreams.clear();
        m_oggFrom = position;
        m_oggNext = oggSync(position, until);
    }
    while (m_oggNext < until)
        oggPage(m_oggNext);
}

// The first page start at or after `from`; `until` when there is none before it.
int64_t TagThinner::oggSync(int64_t from, int64_t until) const
{
    std::vector<uint8_t> buffer(64 * 1024 + 3);
    for (int64_t at = from; at < until; at += 64 * 1024) {
        const int64_t count = std::min<int64_t>(static_cast<int64_t>(buffer.size()), m_size - at);
        if (count < 4 || !readAt(m_fd, buffer.data(), count, at))
            return until;
        for (int64_t i = 0; i + 4 <= count; ++i)
            if (std::memcmp(buffer.data() + i, "OggS", 4) == 0)
                return at + i;
    }
    return until;
}

void TagThinner::oggPage(int64_t offset)
{
    uint8_t header[27 + 255];
    if (!readAt(m_fd, header, 27, offset) || std::memcmp(header, "OggS", 4) != 0 || header[4] != 0 ||
        !readAt(m_fd, header + 27, header[26], offset + 27)) {
        m_oggStreams.clear();
        m_oggNext = oggSync(offset + 1, std::min(m_size, offset + 1 + maxOggPage));
        return;
    }
    const int segments = header[26];
    int64_t bodyLength = 0;
    for (int i = 0; i < segments; ++i)
        bodyLength += header[27 + i];
    const int64_t body = offset + 27 + segments;
    m_oggNext = body + bodyLength;
    const uint32_t serial = littleEndian32(header + 14);
    if (header[5] & 0x02) { // first page of a stream: which codec
        uint8_t first[8];
        const int64_t got = std::min<int64_t>(8, bodyLength);
        const int prefix = readAt(m_fd, first, got, body) ? oggCommentPrefix(first, got) : -1;
        if (prefix < 0)
            m_oggStreams.erase(serial);
        else
            m_oggStreams[serial] = OggStream{prefix, false, {}, {}, false};
        return;
    }
    const auto found = m_oggStreams.find(serial);
    if (found == m_oggStreams.end() || found->second.done)
        return;
    OggStream &stream = found->second;
    // The comment packet begins on the page after the first; a page that does not go on
    // with it ends the search.
    if (stream.seenFirst != ((header[5] & 0x01) != 0)) {
        stream.done = true;
        return;
    }
    stream.seenFirst = true;
    const auto have = static_cast<int64_t>(stream.head.size());
    stream.pieces[have] = {offset, body};
    const int64_t take = std::min<int64_t>(bodyLength, 4096);
    stream.head.resize(static_cast<size_t>(have + take));
    if (!readAt(m_fd, stream.head.data() + have, take, body)) {
        stream.done = true;
        return;
    }
    const size_t prefix = static_cast<size_t>(stream.prefix);
    if (stream.head.size() < prefix + 4)
        return;
    if (!oggCommentMagic(stream.head, stream.prefix)) {
        stream.done = true;
        return;
    }
    const uint32_t vendor = littleEndian32(reinterpret_cast<const uint8_t *>(stream.head.data()) + prefix);
    if (vendor > maxOggVendorBytes) {
        stream.done = true;
        return;
    }
    const size_t countAt = prefix + 4 + vendor;
    // A long vendor string: the rest of this page's part up to the count (or all of it, so
    // that the next page's part follows on).
    const int64_t more = std::min(bodyLength, static_cast<int64_t>(countAt) + 4 - have) - take;
    if (more > 0) {
        stream.head.resize(static_cast<size_t>(have + take + more));
        if (!readAt(m_fd, stream.head.data() + have + take, more, body + take)) {
            stream.done = true;
            return;
        }
    }
    if (stream.head.size() < countAt + 4)
        return;
    stream.done = true;
    const uint32_t count = littleEndian32(reinterpret_cast<const uint8_t *>(stream.head.data()) + countAt);
    if (count > maxEntries)
        oggThinComments(stream, static_cast<uint32_t>(countAt));
}

// Writes the lowered count over the packet's count field, which may straddle two pages,
// and gives each page it touches its new checksum.
void TagThinner::oggThinComments(OggStream &stream, uint32_t countAt)
{
    const std::string count = littleEndianBytes(maxEntries);
    std::map<int64_t, std::vector<std::pair<int64_t, char>>> byPage; // page start -> changed bytes
    for (uint32_t i = 0; i < 4; ++i) {
        const int64_t packetOffset = countAt + i;
        auto piece = std::prev(stream.pieces.upper_bound(packetOffset));
        const auto [pageStart, body] = piece->second;
        byPage[pageStart].push_back({body + (packetOffset - piece->first), count[i]});
    }
    for (const auto &[pageStart, changes] : byPage) {
        uint8_t header[27 + 255];
        if (!readAt(m_fd, header, 27, pageStart) || !readAt(m_fd, header + 27, header[26], pageStart + 27))
            return;
        int64_t pageLength = 27 + header[26];
        for (int i = 0; i < header[26]; ++i)
            pageLength += header[27 + i];
        std::vector<uint8_t> page(static_cast<size_t>(pageLength));
        if (!readAt(m_fd, page.data(), pageLength, pageStart))
            return;
        for (const auto &[at, byte] : changes)
            page[static_cast<size_t>(at - pageStart)] = static_cast<uint8_t>(byte);
        std::memset(page.data() + 22, 0, 4);
        const uint32_t crc = oggCrc(page.data(), page.size());
        for (const auto &[at, byte] : changes)
            patch(at, 1, std::string(1, byte));
        patch(pageStart + 22, 4, littleEndianBytes(crc));
    }
}

void TagThinner::apply(int64_t position, uint8_t *buffer, int64_t length) const
{
    auto it = m_patches.upper_bound(position);
    if (it != m_patches.begin())
        --it;
    for (; it != m_patches.end() && it->first < position + length; ++it) {
        const int64_t from = std::max(it->first, position);
        const int64_t to = std::min(it->first + it->second.length, position + length);
        if (from >= to)
            continue;
        uint8_t *target = buffer + (from - position);
        if (it->second.bytes.empty())
            std::memset(target, 0, static_cast<size_t>(to - from));
        else
            std::memcpy(target, it->second.bytes.data() + (from - it->first), static_cast<size_t>(to - from));
    }
}

} // namespace kescvt
