#include "audiocompare.h"

#include <algorithm>
#include <cmath>
#include <limits>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

DecodedAudio decodeAudio(const std::string &path, int rate)
{
    DecodedAudio audio;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return audio;
    const AVCodec *codec = nullptr;
    const int stream = avformat_find_stream_info(format, nullptr) >= 0
                           ? av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0)
                           : -1;
    AVCodecContext *decoder = stream >= 0 ? avcodec_alloc_context3(codec) : nullptr;
    SwrContext *swr = nullptr;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    if (decoder && avcodec_parameters_to_context(decoder, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(decoder, codec, nullptr) >= 0) {
        audio.sampleRate = rate > 0 ? rate : decoder->sample_rate;
        audio.channels = decoder->ch_layout.nb_channels;
        AVChannelLayout layout{};
        av_channel_layout_default(&layout, audio.channels);
        swr_alloc_set_opts2(&swr, &layout, AV_SAMPLE_FMT_FLT, audio.sampleRate, &decoder->ch_layout,
                            decoder->sample_fmt, decoder->sample_rate, 0, nullptr);
        if (swr && swr_init(swr) >= 0) {
            auto take = [&] {
                while (avcodec_receive_frame(decoder, frame) >= 0) {
                    const int room = swr_get_out_samples(swr, frame->nb_samples);
                    const size_t at = audio.samples.size();
                    audio.samples.resize(at + static_cast<size_t>(room) * static_cast<size_t>(audio.channels));
                    auto *out = reinterpret_cast<uint8_t *>(audio.samples.data() + at);
                    const int got = swr_convert(swr, &out, room, const_cast<const uint8_t **>(frame->extended_data),
                                                frame->nb_samples);
                    audio.samples.resize(at + static_cast<size_t>(std::max(got, 0)) * static_cast<size_t>(audio.channels));
                    av_frame_unref(frame);
                }
            };
            while (av_read_frame(format, packet) >= 0) {
                if (packet->stream_index == stream && avcodec_send_packet(decoder, packet) >= 0)
                    take();
                av_packet_unref(packet);
            }
            avcodec_send_packet(decoder, nullptr);
            take();
            const int room = swr_get_out_samples(swr, 0);
            if (room > 0) {
                const size_t at = audio.samples.size();
                audio.samples.resize(at + static_cast<size_t>(room) * static_cast<size_t>(audio.channels));
                auto *out = reinterpret_cast<uint8_t *>(audio.samples.data() + at);
                const int got = swr_convert(swr, &out, room, nullptr, 0);
                audio.samples.resize(at + static_cast<size_t>(std::max(got, 0)) * static_cast<size_t>(audio.channels));
            }
        }
    }
    swr_free(&swr);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    return audio;
}

namespace {

// The first channel of a frame, or the mix down to one channel when the other has more.
double monoAt(const DecodedAudio &audio, int64_t frame, int channels)
{
    if (frame < 0 || frame >= audio.frames())
        return 0.0;
    double sum = 0.0;
    for (int c = 0; c < channels; ++c)
        sum += audio.samples[static_cast<size_t>(frame * audio.channels + std::min(c, audio.channels - 1))];
    return sum / channels;
}

} // namespace

Closeness compareAudio(const DecodedAudio &source, const DecodedAudio &decoded)
{
    Closeness result;
    // A mono encoding of a stereo source is judged against the source's mix.
    const int channels = std::max(source.channels, decoded.channels);
    const int64_t length = std::min(source.frames(), decoded.frames());
    if (length == 0 || source.sampleRate != decoded.sampleRate)
        return result;

    // The lag with the smallest difference over half a second from one second in.
    const int64_t probeStart = std::min<int64_t>(source.sampleRate, length / 4);
    const int64_t probeLength = std::min<int64_t>(source.sampleRate / 2, length / 2);
    double bestError = std::numeric_limits<double>::max();
    for (int lag = -1024; lag <= 2048; ++lag) {
        double error = 0.0;
        for (int64_t i = probeStart; i < probeStart + probeLength; ++i) {
            const double d = monoAt(source, i, channels) - monoAt(decoded, i + lag, channels);
            error += d * d;
        }
        if (error < bestError) {
            bestError = error;
            result.lag = lag;
        }
    }

    const int64_t window = source.sampleRate / 20;
    double signal = 0.0;
    double noise = 0.0;
    result.worstWindow = std::numeric_limits<double>::max();
    for (int64_t start = 0; start + window <= length - std::abs(result.lag); start += window) {
        double windowSignal = 0.0;
        double windowNoise = 0.0;
        for (int64_t i = start; i < start + window; ++i) {
            if (source.channels != decoded.channels) {
                const double s = monoAt(source, i, channels);
                const double d = s - monoAt(decoded, i + result.lag, channels);
                windowSignal += s * s;
                windowNoise += d * d;
                continue;
            }
            for (int c = 0; c < channels; ++c) {
                const double s = source.samples[static_cast<size_t>(i * channels + c)];
                const int64_t at = i + result.lag;
                const double d =
                    s - (at >= 0 && at < decoded.frames() ? decoded.samples[static_cast<size_t>(at * channels + c)] : 0.0);
                windowSignal += s * s;
                windowNoise += d * d;
            }
        }
        signal += windowSignal;
        noise += windowNoise;
        // Windows near silence say nothing about a seam.
        if (windowSignal > 1e-4 * static_cast<double>(window))
            result.worstWindow = std::min(result.worstWindow, 10.0 * std::log10(windowSignal / std::max(windowNoise, 1e-20)));
    }
    result.snr = 10.0 * std::log10(signal / std::max(noise, 1e-20));
    return result;
}
