// Turns decoded frames into the encoder's rate, layout and sample format, applies the
// volume, and hands the samples back in frames of the size the encoder wants.
// libswresample does the work: resampling, channel mixing and the gain (as a scaled
// mixing matrix). The caller pushes bounded pieces of a frame and drains the queue
// between them, so memory stays bounded whatever the frame size or rate ratio.
#pragma once

#include "avhandles.h"

namespace kescvt {

struct AudioTarget {
    int sampleRate = 0;
    AVChannelLayout layout{}; // native order
    AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    double gain = 1.0;
};

class AudioConverter {
public:
    explicit AudioConverter(const AudioTarget &target);
    ~AudioConverter();
    AudioConverter(const AudioConverter &) = delete;
    AudioConverter &operator=(const AudioConverter &) = delete;

    // Samples [offset, offset + count) of a decoded frame.
    void push(const AVFrame *decoded, int offset, int count);
    // Drains what the resampler still holds; call once after the last frame.
    void flush();
    int available() const { return av_audio_fifo_size(m_fifo.get()); }
    // Fills a frame with `samples` samples (at most available(); with pad, the rest silence).
    FramePtr pop(int samples, int frameSamples);

private:
    struct Source {
        int sampleRate = 0;
        AVChannelLayout layout{};
        AVSampleFormat format = AV_SAMPLE_FMT_NONE;
    };

    bool sameAsSource(const AVFrame *frame) const;
    void configure(const AVFrame *frame);
    void setGainMatrix(SwrContext *swr);
    void convert(const uint8_t **data, int samples);
    void ensureBuffer(int samples);
    void drainResampler();
    void dropNewest(int64_t samples);

    AudioTarget m_target;
    Source m_source;
    bool m_passThrough = false;
    ResamplerPtr m_resampler;
    AudioFifoPtr m_fifo;
    uint8_t **m_buffer = nullptr;
    int m_bufferSamples = 0;
    int64_t m_inSamples = 0;  // through the resampler since it was set up
    int64_t m_outSamples = 0;
};

} // namespace kescvt
