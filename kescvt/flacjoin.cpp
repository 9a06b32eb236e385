#include "flacjoin.h"

#include "toolerror.h"

#include <algorithm>
#include <climits>
#include <cstring>

extern "C" {
#include <libavutil/crc.h>
#include <libavutil/md5.h>
}

namespace kescvt {

namespace {

constexpr int streamInfoSize = 34;

// Length of a coded frame number from its first byte: 0xxxxxxx is one byte, 110xxxxx
// two, up to 1111110x six.
int codedNumberLength(uint8_t first)
{
    if (first < 0x80)
        return 1;
    int length = 0;
    while (length < 8 && (first & (0x80 >> length)))
        ++length;
    return length >= 2 && length <= 6 ? length : 0;
}

[[noreturn]] void badFrame()
{
    throw ToolError(ExitUnsupported, "the FLAC encoder wrote a frame that cannot be joined");
}

void putBits(std::vector<uint8_t> &bytes, int bitOffset, int bits, uint64_t value)
{
    for (int i = 0; i < bits; ++i) {
        const int bit = bitOffset + i;
        const auto mask = static_cast<uint8_t>(0x80 >> (bit % 8));
        if ((value >> (bits - 1 - i)) & 1)
            bytes[static_cast<size_t>(bit / 8)] |= mask;
        else
            bytes[static_cast<size_t>(bit / 8)] &= static_cast<uint8_t>(~mask);
    }
}

} // namespace

FlacJoiner::FlacJoiner(const uint8_t *streamInfo, int size, AVSampleFormat sampleFormat)
    : m_streamInfo(streamInfoSize, 0), m_format(sampleFormat), m_md5(av_md5_alloc())
{
    if (!m_md5)
        throw std::bad_alloc();
    av_md5_init(m_md5);
    // The muxer may be handed the extradata with a "fLaC" marker and block header in front.
    if (size >= streamInfoSize)
        std::memcpy(m_streamInfo.data(), streamInfo + (size - streamInfoSize), streamInfoSize);
}

FlacJoiner::~FlacJoiner()
{
    av_free(m_md5);
}

uint8_t FlacJoiner::crc8(const uint8_t *data, size_t size)
{
    return static_cast<uint8_t>(av_crc(av_crc_get_table(AV_CRC_8_ATM), 0, data, size));
}

uint16_t FlacJoiner::crc16(const uint8_t *data, size_t size)
{
    // FFmpeg's table runs bit-reversed; swapped, it is FLAC's CRC-16 (polynomial 0x8005).
    const uint32_t crc = av_crc(av_crc_get_table(AV_CRC_16_ANSI), 0, data, size);
    return static_cast<uint16_t>(((crc & 0xff) << 8) | ((crc >> 8) & 0xff));
}

std::vector<uint8_t> FlacJoiner::codedNumber(uint32_t number)
{
    if (number < 0x80)
        return {static_cast<uint8_t>(number)};
    int length = 2;
    while (length < 6 && number >= (1u << (5 * length + 1)))
        ++length;
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    for (int i = length - 1; i > 0; --i) {
        bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(0x80 | (number & 0x3f));
        number >>= 6;
    }
    bytes[0] = static_cast<uint8_t>((0xff00 >> length) | number);
    return bytes;
}

void FlacJoiner::addSamples(const AVFrame *frame)
{
    m_channels = frame->ch_layout.nb_channels;
    const size_t values = static_cast<size_t>(frame->nb_samples) * static_cast<size_t>(m_channels);
    m_samples += static_cast<uint64_t>(frame->nb_samples);
    if (m_format == AV_SAMPLE_FMT_S16) {
        av_md5_update(m_md5, frame->data[0], values * 2);
        return;
    }
    // 24-bit samples travel in the top bits of 32; the checksum is over their three bytes.
    m_md5Buffer.resize(values * 3);
    const auto *samples = reinterpret_cast<const int32_t *>(frame->data[0]);
    for (size_t i = 0; i < values; ++i) {
        const auto value = static_cast<uint32_t>(samples[i] >> 8);
        m_md5Buffer[3 * i] = static_cast<uint8_t>(value);
        m_md5Buffer[3 * i + 1] = static_cast<uint8_t>(value >> 8);
        m_md5Buffer[3 * i + 2] = static_cast<uint8_t>(value >> 16);
    }
    av_md5_update(m_md5, m_md5Buffer.data(), m_md5Buffer.size());
}

bool FlacJoiner::renumber(AVPacket *packet)
{
    if (packet->size == 0)
        return false;
    av_packet_free_side_data(packet);
    const uint8_t *data = packet->data;
    const auto size = static_cast<size_t>(packet->size);
    if (size < 8 || data[0] != 0xff || (data[1] & 0xfe) != 0xf8)
        badFrame();
    const int numberLength = codedNumberLength(data[4]);
    if (numberLength == 0)
        badFrame();
    const int blockCode = data[2] >> 4;
    const int rateCode = data[2] & 0x0f;
    const size_t extra = (blockCode == 6 ? 1 : blockCode == 7 ? 2 : 0) + (rateCode == 12 ? 1 : rateCode >= 13 && rateCode <= 14 ? 2 : 0);
    const size_t headerEnd = 4 + static_cast<size_t>(numberLength) + extra; // the CRC-8 byte
    if (headerEnd + 3 > size)
        badFrame();

    std::vector<uint8_t> frame(data, data + 4);
    const std::vector<uint8_t> number = codedNumber(m_nextFrame++);
    frame.insert(frame.end(), number.begin(), number.end());
    frame.insert(frame.end(), data + 4 + numberLength, data + headerEnd);
    frame.push_back(crc8(frame.data(), frame.size()));
    frame.insert(frame.end(), data + headerEnd + 1, data + size - 2);
    const uint16_t crc = crc16(frame.data(), frame.size());
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    frame.push_back(static_cast<uint8_t>(crc & 0xff));

    const int frameSize = static_cast<int>(frame.size());
    m_minFrame = m_minFrame == 0 ? frameSize : std::min(m_minFrame, frameSize);
    m_maxFrame = std::max(m_maxFrame, frameSize);
    if (av_packet_make_writable(packet) < 0)
        throw std::bad_alloc();
    if (frameSize > packet->size && av_grow_packet(packet, frameSize - packet->size) < 0)
        throw std::bad_alloc();
    if (frameSize < packet->size)
        av_shrink_packet(packet, frameSize);
    std::memcpy(packet->data, frame.data(), frame.size());
    return true;
}

PacketPtr FlacJoiner::closingPacket(int64_t pts)
{
    // Bit offsets of the minimum and maximum frame size and of the sample count.
    putBits(m_streamInfo, 32, 24, static_cast<uint64_t>(m_minFrame));
    putBits(m_streamInfo, 56, 24, static_cast<uint64_t>(m_maxFrame));
    putBits(m_streamInfo, 108, 36, m_samples);
    av_md5_final(m_md5, m_streamInfo.data() + 18);
    PacketPtr packet = makePacket();
    if (!packet)
        throw std::bad_alloc();
    uint8_t *side = av_packet_new_side_data(packet.get(), AV_PKT_DATA_NEW_EXTRADATA, m_streamInfo.size());
    if (!side)
        throw std::bad_alloc();
    std::memcpy(side, m_streamInfo.data(), m_streamInfo.size());
    packet->pts = packet->dts = pts;
    return packet;
}

} // namespace kescvt
