// An FFmpeg encoder, opened with the nearest rate, layout, sample format and bit rate it takes.
#pragma once

#include "audioencoder.h"
#include "avhandles.h"

namespace kescvt {

class FfmpegEncoder : public AudioEncoder {
public:
    FfmpegEncoder(const AVCodec *codec, const EncoderRequest &request);
    ~FfmpegEncoder() override { av_channel_layout_uninit(&m_layout); }
    FfmpegEncoder(const FfmpegEncoder &) = delete;
    FfmpegEncoder &operator=(const FfmpegEncoder &) = delete;

    int sampleRate() const override { return m_context->sample_rate; }
    const AVChannelLayout &channelLayout() const override { return m_context->ch_layout; }
    AVSampleFormat sampleFormat() const override { return m_context->sample_fmt; }
    int frameSize() const override;
    bool acceptsShortLastFrame() const override;
    void fillStreamParameters(AVCodecParameters *par) const override;
    void sendFrame(const AVFrame *frame) override;
    bool receivePacket(AVPacket *packet) override;
    int initialPadding() const override { return m_context->initial_padding; }
    std::unique_ptr<AudioEncoder> twin() const override;

    // Choices exposed for tests: the nearest supported value to the one wanted.
    static int fitSampleRate(const AVCodec *codec, int wanted);
    static int fitChannels(const AVCodec *codec, int wanted);
    static AVSampleFormat fitSampleFormat(const AVCodec *codec, AVSampleFormat wanted);

private:
    FfmpegEncoder(const FfmpegEncoder &first, int64_t bitRate);
    CodecContextPtr tryOpen(int64_t bitRate, int &error) const;
    void fitLayout(const AVChannelLayout &source, int channels);

    const AVCodec *m_codec;
    EncoderRequest m_request;
    int m_rate = 0;
    AVChannelLayout m_layout{};
    AVSampleFormat m_format = AV_SAMPLE_FMT_NONE;
    CodecContextPtr m_context;
};

} // namespace kescvt
