#include "audioconverter.h"

#include "console.h"
#include "toolerror.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace kescvt {

namespace {

void conversionError(int ret)
{
    throw ToolError(ExitUnsupported, "audio conversion failed: " + errorText(ret));
}

} // namespace

AudioConverter::AudioConverter(const AudioTarget &target)
    : m_target(target)
{
    // The target keeps its own copy of the layout.
    m_target.layout = {};
    if (av_channel_layout_copy(&m_target.layout, &target.layout) < 0)
        throw std::bad_alloc();
    m_fifo.reset(av_audio_fifo_alloc(m_target.format, m_target.layout.nb_channels, 4096));
    if (!m_fifo)
        throw std::bad_alloc();
}

AudioConverter::~AudioConverter()
{
    if (m_buffer)
        av_freep(&m_buffer[0]);
    av_freep(&m_buffer);
    av_channel_layout_uninit(&m_target.layout);
    av_channel_layout_uninit(&m_source.layout);
}

bool AudioConverter::sameAsSource(const AVFrame *frame) const
{
    return frame->sample_rate == m_source.sampleRate && frame->format == m_source.format &&
           frame->ch_layout.nb_channels == m_source.layout.nb_channels &&
           (frame->ch_layout.order != AV_CHANNEL_ORDER_NATIVE ||
            av_channel_layout_compare(&frame->ch_layout, &m_source.layout) == 0);
}

// Called for the first frame and again whenever the decoded stream changes its parameters.
void AudioConverter::configure(const AVFrame *frame)
{
    flush();
    av_channel_layout_uninit(&m_source.layout);
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_NATIVE)
        av_channel_layout_copy(&m_source.layout, &frame->ch_layout);
    else
        av_channel_layout_default(&m_source.layout, frame->ch_layout.nb_channels);
    m_source.sampleRate = frame->sample_rate;
    m_source.format = static_cast<AVSampleFormat>(frame->format);

    m_resampler.reset();
    m_inSamples = m_outSamples = 0;
    m_passThrough = m_source.sampleRate == m_target.sampleRate && m_source.format == m_target.format &&
                    av_channel_layout_compare(&m_source.layout, &m_target.layout) == 0 && m_target.gain == 1.0;
    if (m_passThrough)
        return;

    SwrContext *swr = nullptr;
    int ret = swr_alloc_set_opts2(&swr, &m_target.layout, m_target.format, m_target.sampleRate, &m_source.layout,
                                  m_source.format, m_source.sampleRate, 0, nullptr);
    if (ret < 0)
        conversionError(ret);
    m_resampler.reset(swr);
    if (m_target.gain != 1.0)
        setGainMatrix(swr);
    if ((ret = swr_init(swr)) < 0)
        conversionError(ret);
}

// The gain is a mixing matrix: the one the resampler would build for these layouts (the
// identity when they are the same), scaled. Integer output keeps the downmix normalised
// to unity before the gain, as it would be without one; clipping happens once, at the
// conversion to the output format.
void AudioConverter::setGainMatrix(SwrContext *swr)
{
    const int inputs = m_source.layout.nb_channels;
    const int outputs = m_target.layout.nb_channels;
    std::vector<double> matrix(static_cast<size_t>(inputs) * outputs, 0.0);
    const bool integerOutput = av_get_packed_sample_fmt(m_target.format) < AV_SAMPLE_FMT_FLT;
    int ret = swr_build_matrix2(&m_source.layout, &m_target.layout, M_SQRT1_2, M_SQRT1_2, 0.0,
                                integerOutput ? 1.0 : static_cast<double>(INT_MAX), 1.0, matrix.data(), inputs,
                                AV_MATRIX_ENCODING_NONE, nullptr);
    if (ret < 0)
        conversionError(ret);
    for (double &coefficient : matrix)
        coefficient *= m_target.gain;
    av_opt_set_sample_fmt(swr, "internal_sample_fmt", AV_SAMPLE_FMT_FLTP, 0);
    if ((ret = swr_set_matrix(swr, matrix.data(), inputs)) < 0)
        conversionError(ret);
}

void AudioConverter::ensureBuffer(int samples)
{
    if (samples <= m_bufferSamples)
        return;
    if (m_buffer)
        av_freep(&m_buffer[0]);
    av_freep(&m_buffer);
    m_bufferSamples = 0;
    if (av_samples_alloc_array_and_samples(&m_buffer, nullptr, m_target.layout.nb_channels, samples, m_target.format, 0) < 0)
        throw std::bad_alloc();
    m_bufferSamples = samples;
}

void AudioConverter::convert(const uint8_t **data, int samples)
{
    // The input must go in even when nothing can come out yet (a source shorter than the
    // filter's delay): the resampler keeps it for the flush.
    const int room = std::max(swr_get_out_samples(m_resampler.get(), samples), 256);
    ensureBuffer(room);
    const int produced = swr_convert(m_resampler.get(), m_buffer, room, data, samples);
    if (produced < 0)
        conversionError(produced);
    if (produced > 0 && av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void **>(m_buffer), produced) < produced)
        throw std::bad_alloc();
    m_outSamples += produced;
}

void AudioConverter::push(const AVFrame *decoded, int offset, int count)
{
    if (count <= 0 || offset < 0 || offset + count > decoded->nb_samples)
        return;
    if (!sameAsSource(decoded))
        configure(decoded);
    const auto format = static_cast<AVSampleFormat>(decoded->format);
    const bool planar = av_sample_fmt_is_planar(format);
    const int channels = decoded->ch_layout.nb_channels;
    const size_t skip = static_cast<size_t>(offset) * av_get_bytes_per_sample(format) * (planar ? 1 : channels);
    std::vector<const uint8_t *> planes(static_cast<size_t>(planar ? channels : 1));
    for (size_t plane = 0; plane < planes.size(); ++plane)
        planes[plane] = decoded->extended_data[plane] + skip;
    if (m_passThrough) {
        if (av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void **>(const_cast<uint8_t **>(planes.data())), count) <
            count)
            throw std::bad_alloc();
        return;
    }
    m_inSamples += count;
    convert(planes.data(), count);
}

void AudioConverter::drainResampler()
{
    // With no input, swr_convert gives out what its filter still holds.
    constexpr int piece = 4096;
    ensureBuffer(piece);
    for (;;) {
        const int produced = swr_convert(m_resampler.get(), m_buffer, piece, nullptr, 0);
        if (produced < 0)
            conversionError(produced);
        if (produced == 0)
            break;
        if (av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void **>(m_buffer), produced) < produced)
            throw std::bad_alloc();
        m_outSamples += produced;
    }
}

void AudioConverter::flush()
{
    if (!m_resampler)
        return;
    drainResampler();
    // A source shorter than the filter comes out as nothing at all: it is followed by
    // silence until it has come out whole, and the silence is cut off again.
    const int64_t expected = av_rescale_rnd(m_inSamples, m_target.sampleRate, m_source.sampleRate, AV_ROUND_NEAR_INF);
    const int64_t missing = expected - m_outSamples;
    if (missing <= 0 || missing > 65536)
        return;
    const int padding = static_cast<int>(av_rescale_rnd(missing, m_source.sampleRate, m_target.sampleRate, AV_ROUND_UP)) +
                        static_cast<int>(swr_get_delay(m_resampler.get(), m_source.sampleRate)) + 64;
    uint8_t **silence = nullptr;
    if (av_samples_alloc_array_and_samples(&silence, nullptr, m_source.layout.nb_channels, padding, m_source.format, 0) < 0)
        throw std::bad_alloc();
    av_samples_set_silence(silence, 0, padding, m_source.layout.nb_channels, m_source.format);
    try {
        convert(const_cast<const uint8_t **>(silence), padding);
    } catch (...) {
        av_freep(&silence[0]);
        av_freep(&silence);
        throw;
    }
    av_freep(&silence[0]);
    av_freep(&silence);
    drainResampler();
    dropNewest(std::min<int64_t>(m_outSamples - expected, available()));
}

// The FIFO reads only from its front: the samples kept are read out and written back.
void AudioConverter::dropNewest(int64_t samples)
{
    if (samples <= 0)
        return;
    const int keep = available() - static_cast<int>(samples);
    FramePtr kept = pop(keep, std::max(keep, 1));
    av_audio_fifo_reset(m_fifo.get());
    if (keep > 0 && av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void **>(kept->extended_data), keep) < keep)
        throw std::bad_alloc();
    m_outSamples -= samples;
}

FramePtr AudioConverter::pop(int samples, int frameSamples)
{
    FramePtr frame = makeFrame();
    if (!frame)
        throw std::bad_alloc();
    frame->nb_samples = frameSamples;
    frame->format = m_target.format;
    frame->sample_rate = m_target.sampleRate;
    if (av_channel_layout_copy(&frame->ch_layout, &m_target.layout) < 0 || av_frame_get_buffer(frame.get(), 0) < 0)
        throw std::bad_alloc();
    const int read = av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void **>(frame->extended_data), samples);
    if (read < 0)
        throw std::bad_alloc();
    if (read < frameSamples)
        av_samples_set_silence(frame->extended_data, read, frameSamples - read, m_target.layout.nb_channels,
                               m_target.format);
    return frame;
}

} // namespace kescvt
