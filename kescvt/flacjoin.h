// Joins FLAC frames encoded apart, segment by segment, into one stream that is byte for
// byte what a single encoder would have written: each segment's encoder numbers its
// frames from zero, so the numbers (and with them both checksums) are written anew, and
// the STREAMINFO that each encoder sends at its end is replaced by one for the whole
// stream: the smallest and largest frame, the sample count and the MD5 of all samples.
#pragma once

#include "avhandles.h"

#include <cstdint>
#include <vector>

struct AVMD5;

namespace kescvt {

class FlacJoiner {
public:
    // streamInfo: the 34-byte STREAMINFO the encoder was opened with (block size, rate,
    // channels, bits); sampleFormat: S16 or S32 (the latter holding 24-bit samples).
    FlacJoiner(const uint8_t *streamInfo, int size, AVSampleFormat sampleFormat);
    ~FlacJoiner();
    FlacJoiner(const FlacJoiner &) = delete;
    FlacJoiner &operator=(const FlacJoiner &) = delete;

    // Every input frame, in order, before it is encoded.
    void addSamples(const AVFrame *frame);
    // Renumbers a frame packet in place; false for a packet to drop (an encoder's
    // closing STREAMINFO packet, which carries no audio).
    bool renumber(AVPacket *packet);
    // The closing packet for the whole stream, to be written last.
    PacketPtr closingPacket(int64_t pts);

    // Exposed for tests: FLAC's checksums and its coding of frame numbers.
    static uint8_t crc8(const uint8_t *data, size_t size);
    static uint16_t crc16(const uint8_t *data, size_t size);
    static std::vector<uint8_t> codedNumber(uint32_t number);

private:
    std::vector<uint8_t> m_streamInfo;
    AVSampleFormat m_format;
    int m_channels = 0;
    AVMD5 *m_md5 = nullptr;
    std::vector<uint8_t> m_md5Buffer;
    uint32_t m_nextFrame = 0;
    uint64_t m_samples = 0;
    int m_minFrame = 0;
    int m_maxFrame = 0;
};

} // namespace kescvt
