// The input file as the demuxers read it: a regular file only, read through a custom I/O
// context that stops a demuxer searching garbage, hands out the tags thinned, and can end
// where the data ends (a long run of trailing zeros is no audio).
#pragma once

#include "avhandles.h"
#include "tagthinner.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kescvt {

class BoundedReader {
public:
    // Opens and checks the file; throws ToolError(ExitInput) with the reason when it is
    // no regular file, is empty or holds nothing but zero bytes.
    explicit BoundedReader(const std::string &path);
    BoundedReader(const BoundedReader &) = delete;
    BoundedReader &operator=(const BoundedReader &) = delete;

    AVIOContext *io() const { return m_io.get(); }
    int fd() const { return m_file.fd; }
    // Where reading stops: the file's size, or the end of its data after stopAtDataEnd().
    int64_t readEnd() const { return m_readEnd; }
    // For bare elementary streams, whose length is guessed from the size.
    void stopAtDataEnd() { m_readEnd = m_dataEnd; }
    // A packet (or a header) came out: the bound on bytes read without one starts again.
    void packetRead() { m_sincePacket = 0; }

    // A demuxer that reads this much past the header without giving a packet is searching
    // garbage (a file of zeros, a damaged stream) and may be holding all of it in memory.
    static constexpr int64_t maxBytesBetweenPackets = 16LL << 20;

private:
    void openFile();
    void findDataEnd();
    void openIo();
    int read(uint8_t *buffer, int size);
    int64_t seek(int64_t offset, int whence);
    static int readThunk(void *opaque, uint8_t *buffer, int size);
    static int64_t seekThunk(void *opaque, int64_t offset, int whence);

    // Members own what they hold, so that a constructor that throws half way frees it.
    struct Descriptor {
        int fd = -1;
        ~Descriptor();
    };
    struct IoDeleter {
        void operator()(AVIOContext *io) const;
    };

    std::string m_path;
    Descriptor m_file;
    int64_t m_size = 0;
    int64_t m_dataEnd = 0;  // the size less a long run of trailing zeros
    int64_t m_readEnd = 0;
    int64_t m_position = 0;
    int64_t m_sincePacket = 0;
    TagThinner m_tags;
    std::unique_ptr<AVIOContext, IoDeleter> m_io;
};

} // namespace kescvt
