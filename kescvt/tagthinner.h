// Keeps tag parsing linear. The demuxers store tags in a dictionary whose every insertion
// searches all earlier entries, so a block of 100,000 entries holds a probe (or a header
// parse in the middle of a stream) for minutes. The reader shows the file through this
// class, which lowers the entry count of every tag block it finds to the first few hundred:
// every leading ID3v2 tag (frames past the bound read as padding), every FLAC comment block,
// a trailing APEv2 tag, and the comment header of every Ogg stream, chained ones included
// (those are found as the reader passes them, their page checksums made to match).
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace kescvt {

class TagThinner {
public:
    // Entries kept per tag kind (ID3v2 frames, FLAC comments, APEv2 items) or Ogg stream.
    static constexpr uint32_t maxEntries = 256;

    // Looks at the tags at the ends of the file `fd` of `size` bytes.
    void scan(int fd, int64_t size);
    // Where the leading tags (ID3v2, FLAC metadata) end: bytes before it are header, not
    // stream data searched for frames.
    int64_t leadingTagEnd() const { return m_leadingEnd; }
    // To be called before the bytes [position, position + length) are handed out.
    void beforeRead(int64_t position, int64_t length);
    // Changes the bytes read from `position` as they must appear.
    void apply(int64_t position, uint8_t *buffer, int64_t length) const;

private:
    struct OggStream {
        int prefix = 0;       // bytes of the comment packet before its vendor length
        bool seenFirst = false;
        std::string head;     // the comment packet's first bytes
        // Packet offset of each page's part -> that page's start and body in the file.
        std::map<int64_t, std::pair<int64_t, int64_t>> pieces;
        bool done = false;
    };

    int64_t thinId3(int64_t at, uint32_t &budget);
    int64_t thinFlac(int64_t at);
    void thinApe(int64_t footer);
    void patch(int64_t at, int64_t length, std::string bytes);
    void oggPage(int64_t offset);
    int64_t oggSync(int64_t from, int64_t until) const;
    void oggThinComments(OggStream &stream, uint32_t countAt);

    int m_fd = -1;
    int64_t m_size = 0;
    int64_t m_leadingEnd = 0;
    bool m_ogg = false;
    int64_t m_oggFrom = -1; // the stretch of pages already looked at
    int64_t m_oggNext = -1;
    std::map<uint32_t, OggStream> m_oggStreams;
    struct Patch {
        int64_t length = 0;
        std::string bytes; // empty: the range reads as zeros
    };
    std::map<int64_t, Patch> m_patches; // by offset; the ranges never overlap
};

} // namespace kescvt
