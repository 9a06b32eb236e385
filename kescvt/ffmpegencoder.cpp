#include "ffmpegencoder.h"

#include "console.h"
#include "namematch.h"
#include "toolerror.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace kescvt {

namespace {

// Bit rates tried, nearest first, when an encoder refuses the one asked for
// (MP2 and AC-3 take only their tables, WMA nothing below 24k, Vorbis a range per rate).
constexpr int fallbackKbps[] = {8,   16,  24,  32,  40,  48,  56,  64,  80,  96,  112, 128,
                                144, 160, 192, 224, 256, 320, 384, 448, 512, 576, 640};

// Limits that some encoders check only when they are opened.
int maxChannelsWithoutList(const AVCodec *codec)
{
    if (isNamed(codec->name, {"wmav1", "wmav2", "adpcm_ms", "adpcm_ima_wav"}))
        return 2;
    return 8;
}

// PCM and ADPCM have a bit rate that follows from rate and sample size; lossless coders
// take none.
bool hasFreeBitRate(const AVCodec *codec)
{
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(codec->id);
    return codec->id >= AV_CODEC_ID_AMR_NB && !(descriptor && (descriptor->props & AV_CODEC_PROP_LOSSLESS));
}

} // namespace

int FfmpegEncoder::fitSampleRate(const AVCodec *codec, int wanted)
{
    if (!codec->supported_samplerates) {
        if (isNamed(codec->name, {"wmav1", "wmav2"}) && wanted > 48000)
            return 48000;
        return wanted;
    }
    int best = codec->supported_samplerates[0];
    for (const int *rate = codec->supported_samplerates; *rate; ++rate) {
        const int distance = std::abs(*rate - wanted);
        const int bestDistance = std::abs(best - wanted);
        if (distance < bestDistance || (distance == bestDistance && *rate > best))
            best = *rate;
    }
    return best;
}

int FfmpegEncoder::fitChannels(const AVCodec *codec, int wanted)
{
    if (!codec->ch_layouts)
        return std::min(wanted, maxChannelsWithoutList(codec));
    int best = 0;
    for (const AVChannelLayout *layout = codec->ch_layouts; layout->nb_channels; ++layout) {
        const int count = layout->nb_channels;
        const int distance = std::abs(count - wanted);
        const int bestDistance = std::abs(best - wanted);
        if (best == 0 || distance < bestDistance || (distance == bestDistance && count < best))
            best = count;
    }
    return best;
}

AVSampleFormat FfmpegEncoder::fitSampleFormat(const AVCodec *codec, AVSampleFormat wanted)
{
    if (!codec->sample_fmts)
        return wanted;
    const AVSampleFormat counterpart =
        av_sample_fmt_is_planar(wanted) ? av_get_packed_sample_fmt(wanted) : av_get_planar_sample_fmt(wanted);
    for (const AVSampleFormat *format = codec->sample_fmts; *format != AV_SAMPLE_FMT_NONE; ++format)
        if (*format == wanted)
            return wanted;
    for (const AVSampleFormat *format = codec->sample_fmts; *format != AV_SAMPLE_FMT_NONE; ++format)
        if (*format == counterpart)
            return counterpart;
    return codec->sample_fmts[0];
}

FfmpegEncoder::FfmpegEncoder(const AVCodec *codec, const EncoderRequest &request)
    : m_codec(codec), m_request(request)
{
    m_rate = fitSampleRate(codec, request.sampleRate);
    if (m_rate != request.sampleRate)
        printNotice(std::string(codec->name) + " does not take " + std::to_string(request.sampleRate) + " Hz; using " +
                    std::to_string(m_rate) + " Hz");
    const int wantedChannels = request.channels > 0 ? request.channels : request.sourceLayout.nb_channels;
    const int channels = fitChannels(codec, wantedChannels);
    if (channels != wantedChannels)
        printNotice(std::string(codec->name) + " does not take " + std::to_string(wantedChannels) + " channels; using " +
                    std::to_string(channels));
    fitLayout(request.sourceLayout, channels);
    m_format = fitSampleFormat(codec, request.sourceFormat);

    int error = 0;
    m_context = tryOpen(request.bitRate, error);
    if (!m_context) {
        const int64_t target = request.bitRate > 0 ? request.bitRate : 128000;
        std::vector<int64_t> candidates;
        for (const int kbps : fallbackKbps)
            candidates.push_back(kbps * 1000LL);
        std::stable_sort(candidates.begin(), candidates.end(), [target](int64_t a, int64_t b) {
            return std::llabs(a - target) < std::llabs(b - target);
        });
        for (const int64_t bitRate : candidates)
            if ((m_context = tryOpen(bitRate, error)))
                break;
    }
    if (!m_context)
        throw ToolError(ExitUnsupported, std::string(codec->name) + " cannot encode " + std::to_string(m_rate) + " Hz, " +
                                             std::to_string(channels) + " channels: " + errorText(error));
    if (request.bitRate > 0 && hasFreeBitRate(codec) && std::llabs(m_context->bit_rate - request.bitRate) > 500)
        printNotice(std::string(codec->name) + " does not take " + kbpsText(request.bitRate) + " kb/s; using " +
                    kbpsText(m_context->bit_rate) + " kb/s");
}

FfmpegEncoder::FfmpegEncoder(const FfmpegEncoder &first, int64_t bitRate)
    : m_codec(first.m_codec), m_request(first.m_request), m_rate(first.m_rate), m_format(first.m_format)
{
    if (av_channel_layout_copy(&m_layout, &first.m_layout) < 0)
        throw std::bad_alloc();
    int error = 0;
    m_context = tryOpen(bitRate, error);
    if (!m_context)
        throw ToolError(ExitUnsupported, std::string(m_codec->name) + " cannot be opened again: " + errorText(error));
}

std::unique_ptr<AudioEncoder> FfmpegEncoder::twin() const
{
    // The bit rate the first one settled on, so that no fallback is tried again.
    return std::unique_ptr<AudioEncoder>(new FfmpegEncoder(*this, m_context->bit_rate));
}

void FfmpegEncoder::fitLayout(const AVChannelLayout &source, int channels)
{
    av_channel_layout_uninit(&m_layout);
    const bool sourceFits = source.nb_channels == channels && source.order == AV_CHANNEL_ORDER_NATIVE;
    if (m_codec->ch_layouts) {
        const AVChannelLayout *sameCount = nullptr;
        for (const AVChannelLayout *layout = m_codec->ch_layouts; layout->nb_channels; ++layout) {
            if (sourceFits && av_channel_layout_compare(layout, &source) == 0) {
                av_channel_layout_copy(&m_layout, layout);
                return;
            }
            if (!sameCount && layout->nb_channels == channels)
                sameCount = layout;
        }
        if (sameCount) {
            av_channel_layout_copy(&m_layout, sameCount);
            return;
        }
    }
    if (sourceFits)
        av_channel_layout_copy(&m_layout, &source);
    else
        av_channel_layout_default(&m_layout, channels);
}

CodecContextPtr FfmpegEncoder::tryOpen(int64_t bitRate, int &error) const
{
    CodecContextPtr context(avcodec_alloc_context3(m_codec));
    if (!context)
        throw std::bad_alloc();
    context->sample_rate = m_rate;
    context->sample_fmt = m_format;
    context->time_base = AVRational{1, m_rate};
    if (av_channel_layout_copy(&context->ch_layout, &m_layout) < 0)
        throw std::bad_alloc();
    if (bitRate > 0)
        context->bit_rate = bitRate;
    if (m_request.globalHeader)
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (m_codec->id == AV_CODEC_ID_FLAC) {
        // 32-bit samples carry a 24-bit source (FLAC here stores at most 24 bits); the
        // source's depth is kept, nothing is dithered away.
        context->compression_level = 5;
        if (m_format == AV_SAMPLE_FMT_S32 || m_format == AV_SAMPLE_FMT_S32P)
            context->bits_per_raw_sample = 24;
    }
    error = avcodec_open2(context.get(), m_codec, nullptr);
    if (error < 0)
        return nullptr;
    return context;
}

int FfmpegEncoder::frameSize() const
{
    if (m_codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE)
        return 0;
    return m_context->frame_size;
}

bool FfmpegEncoder::acceptsShortLastFrame() const
{
    return m_codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME;
}

void FfmpegEncoder::fillStreamParameters(AVCodecParameters *par) const
{
    if (avcodec_parameters_from_context(par, m_context.get()) < 0)
        throw std::bad_alloc();
}

void FfmpegEncoder::sendFrame(const AVFrame *frame)
{
    const int ret = avcodec_send_frame(m_context.get(), frame);
    if (ret < 0 && ret != AVERROR_EOF)
        throw ToolError(ExitUnsupported, std::string(m_codec->name) + " failed to encode: " + errorText(ret));
}

bool FfmpegEncoder::receivePacket(AVPacket *packet)
{
    const int ret = avcodec_receive_packet(m_context.get(), packet);
    if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF)
        return false;
    if (ret < 0)
        throw ToolError(ExitUnsupported, std::string(m_codec->name) + " failed to encode: " + errorText(ret));
    return true;
}

} // namespace kescvt
