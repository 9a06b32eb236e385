// AMR speech encoding through libopencore-amrnb (narrow band, 8000 Hz) and libvo-amrwbenc
// (wide band, 16000 Hz), mono 16-bit. Packets are storage-format frames (a mode byte and
// the speech bits), exactly what an AMR file holds after its "#!AMR\n" or "#!AMR-WB\n".
#pragma once

#include "audioencoder.h"

#include <deque>
#include <vector>

namespace kescvt {

class AmrEncoder : public AudioEncoder {
public:
    AmrEncoder(bool wide, const EncoderRequest &request);
    ~AmrEncoder() override;
    AmrEncoder(const AmrEncoder &) = delete;
    AmrEncoder &operator=(const AmrEncoder &) = delete;

    int sampleRate() const override { return m_wide ? 16000 : 8000; }
    const AVChannelLayout &channelLayout() const override { return m_layout; }
    AVSampleFormat sampleFormat() const override { return AV_SAMPLE_FMT_S16; }
    int frameSize() const override { return m_wide ? 320 : 160; }
    bool acceptsShortLastFrame() const override { return false; }
    void fillStreamParameters(AVCodecParameters *par) const override;
    void sendFrame(const AVFrame *frame) override;
    bool receivePacket(AVPacket *packet) override;
    std::unique_ptr<AudioEncoder> twin() const override;

    // The mode whose bit rate is nearest to the one asked for, and its rate in bit/s.
    static int modeForBitRate(bool wide, int64_t bitRate);
    static int bitRateOfMode(bool wide, int mode);

private:
    struct Encoded {
        std::vector<uint8_t> bytes;
        int64_t pts;
    };

    bool m_wide;
    int m_mode;
    void *m_state = nullptr;
    AVChannelLayout m_layout = AV_CHANNEL_LAYOUT_MONO;
    int64_t m_nextPts = 0;
    std::deque<Encoded> m_ready;
};

} // namespace kescvt
