// The encoder side of a conversion, the same to the loop whether FFmpeg or one of the AMR
// libraries does the work: frames in, packets out, time base 1/sampleRate.
#pragma once

#include "codectable.h"
#include "ffmpegcompat.h"

#include <memory>

namespace kescvt {

// What the conversion asks of the encoder; values the encoder cannot take are replaced by
// the nearest it can, with a notice.
struct EncoderRequest {
    int sampleRate = 0;                // wanted rate (the source's when -ar is absent)
    AVChannelLayout sourceLayout{};    // the decoded layout; native or unspecified order only
    int channels = 0;                  // wanted count; 0: the source's
    AVSampleFormat sourceFormat = AV_SAMPLE_FMT_NONE;
    int64_t bitRate = 0;               // bit/s; 0: the encoder's default
    bool globalHeader = false;         // the container wants codec headers out of band
};

class AudioEncoder {
public:
    virtual ~AudioEncoder() = default;

    virtual int sampleRate() const = 0;
    virtual const AVChannelLayout &channelLayout() const = 0;
    virtual AVSampleFormat sampleFormat() const = 0;
    // Samples per frame the encoder must be given; 0: any number.
    virtual int frameSize() const = 0;
    // Whether the last frame may be shorter than frameSize (otherwise it is padded).
    virtual bool acceptsShortLastFrame() const = 0;
    virtual void fillStreamParameters(AVCodecParameters *par) const = 0;
    // A frame of samples, or null once at the end to flush.
    virtual void sendFrame(const AVFrame *frame) = 0;
    // The next packet, if one is ready; times in 1/sampleRate.
    virtual bool receivePacket(AVPacket *packet) = 0;
    // Samples the encoder holds back before its first output (packets start that far
    // before the first frame's time).
    virtual int initialPadding() const { return 0; }
    // A new encoder with exactly this one's settings and a state of its own, opened
    // without the notices the first one printed; for encoding segments in parallel.
    virtual std::unique_ptr<AudioEncoder> twin() const = 0;

    static std::unique_ptr<AudioEncoder> open(const EncoderChoice &choice, const EncoderRequest &request);
};

} // namespace kescvt
