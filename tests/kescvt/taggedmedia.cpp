#include "taggedmedia.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cmath>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

void check(int ret, const char *what)
{
    if (ret < 0)
        throw std::runtime_error(std::string(what) + " failed: " + std::to_string(ret));
}

struct Input {
    AVFormatContext *ctx = nullptr;
    explicit Input(const std::string &path)
    {
        check(avformat_open_input(&ctx, path.c_str(), nullptr, nullptr), "open input");
        check(avformat_find_stream_info(ctx, nullptr), "stream info");
    }
    ~Input() { avformat_close_input(&ctx); }
};

int audioIndex(const AVFormatContext *ctx)
{
    for (unsigned i = 0; i < ctx->nb_streams; ++i)
        if (ctx->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            return static_cast<int>(i);
    throw std::runtime_error("no audio stream");
}

} // namespace

std::string makePng()
{
    const int width = pictureSize, height = pictureSize;
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_PNG);
    AVCodecContext *ctx = avcodec_alloc_context3(codec);
    ctx->width = width;
    ctx->height = height;
    ctx->pix_fmt = AV_PIX_FMT_RGB24;
    ctx->time_base = AVRational{1, 1};
    check(avcodec_open2(ctx, codec, nullptr), "open png encoder");
    AVFrame *frame = av_frame_alloc();
    frame->width = width;
    frame->height = height;
    frame->format = AV_PIX_FMT_RGB24;
    check(av_frame_get_buffer(frame, 0), "frame buffer");
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 3; ++x)
            frame->data[0][y * frame->linesize[0] + x] = static_cast<uint8_t>(x * 7 + y * 13);
    AVPacket *packet = av_packet_alloc();
    check(avcodec_send_frame(ctx, frame), "encode picture");
    check(avcodec_receive_packet(ctx, packet), "receive picture");
    std::string png(reinterpret_cast<const char *>(packet->data), packet->size);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&ctx);
    return png;
}

void writeTaggedCopy(const std::string &audioSource, const std::string &path, const Tags &tags,
                     const std::string &png, bool asCover)
{
    Input in(audioSource);
    const int inAudio = audioIndex(in.ctx);
    AVFormatContext *out = nullptr;
    check(avformat_alloc_output_context2(&out, nullptr, nullptr, path.c_str()), "output context");
    AVStream *audio = avformat_new_stream(out, nullptr);
    check(avcodec_parameters_copy(audio->codecpar, in.ctx->streams[inAudio]->codecpar), "copy parameters");
    audio->codecpar->codec_tag = 0;
    audio->time_base = in.ctx->streams[inAudio]->time_base;
    AVStream *picture = avformat_new_stream(out, nullptr);
    picture->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    picture->codecpar->codec_id = AV_CODEC_ID_PNG;
    picture->codecpar->width = pictureSize;
    picture->codecpar->height = pictureSize;
    picture->time_base = AVRational{1, 25};
    // Matroska keeps a cover as an attachment, which its reader turns into an attached picture.
    const bool attachment = asCover && std::strcmp(out->oformat->name, "matroska") == 0;
    if (attachment) {
        picture->codecpar->codec_type = AVMEDIA_TYPE_ATTACHMENT;
        picture->codecpar->extradata = static_cast<uint8_t *>(av_mallocz(png.size() + AV_INPUT_BUFFER_PADDING_SIZE));
        std::memcpy(picture->codecpar->extradata, png.data(), png.size());
        picture->codecpar->extradata_size = static_cast<int>(png.size());
        av_dict_set(&picture->metadata, "mimetype", "image/png", 0);
        av_dict_set(&picture->metadata, "filename", "cover.png", 0);
    } else if (asCover) {
        picture->disposition = AV_DISPOSITION_ATTACHED_PIC;
        av_dict_set(&picture->metadata, "comment", "Cover (front)", 0);
    }
    for (const auto &[key, value] : tags)
        av_dict_set(&out->metadata, key.c_str(), value.c_str(), 0);
    check(avio_open(&out->pb, path.c_str(), AVIO_FLAG_WRITE), "open output");
    check(avformat_write_header(out, nullptr), "write header");

    AVPacket *packet = av_packet_alloc();
    if (!attachment) {
        check(av_new_packet(packet, static_cast<int>(png.size())), "picture packet");
        std::memcpy(packet->data, png.data(), png.size());
        packet->stream_index = picture->index;
        packet->flags |= AV_PKT_FLAG_KEY;
        packet->pts = packet->dts = 0;
        packet->duration = 1;
        check(av_interleaved_write_frame(out, packet), "write picture");
    }
    while (av_read_frame(in.ctx, packet) >= 0) {
        if (packet->stream_index == inAudio) {
            av_packet_rescale_ts(packet, in.ctx->streams[inAudio]->time_base, audio->time_base);
            packet->stream_index = audio->index;
            packet->pos = -1;
            check(av_interleaved_write_frame(out, packet), "write audio");
        }
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    check(av_write_trailer(out), "write trailer");
    avio_closep(&out->pb);
    avformat_free_context(out);
}

ReadBack readBack(const std::string &path)
{
    Input in(path);
    ReadBack result;
    for (const AVDictionary *dict : {static_cast<const AVDictionary *>(in.ctx->metadata),
                                     static_cast<const AVDictionary *>(in.ctx->streams[audioIndex(in.ctx)]->metadata)}) {
        const AVDictionaryEntry *entry = nullptr;
        while ((entry = av_dict_get(dict, "", entry, AV_DICT_IGNORE_SUFFIX)))
            result.tags.emplace(entry->key, entry->value);
    }
    for (unsigned i = 0; i < in.ctx->nb_streams && result.cover.empty(); ++i) {
        const AVStream *stream = in.ctx->streams[i];
        if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
            result.cover.assign(reinterpret_cast<const char *>(stream->attached_pic.data), stream->attached_pic.size);
    }
    return result;
}

void write24BitSineWav(const std::string &path, int sampleRate, int channels, double seconds)
{
    auto put = [](std::string &out, uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    const auto frames = static_cast<uint32_t>(std::lround(sampleRate * seconds));
    const uint32_t dataBytes = frames * channels * 3;
    std::string wav = "RIFF";
    put(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    put(wav, 16, 4);
    put(wav, 1, 2);
    put(wav, static_cast<uint32_t>(channels), 2);
    put(wav, static_cast<uint32_t>(sampleRate), 4);
    put(wav, static_cast<uint32_t>(sampleRate * channels * 3), 4);
    put(wav, static_cast<uint32_t>(channels * 3), 2);
    put(wav, 24, 2);
    wav += "data";
    put(wav, dataBytes, 4);
    for (uint32_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) {
            const double value = 0.7 * std::sin(2.0 * M_PI * (440.0 + 110.0 * c) * i / sampleRate);
            put(wav, static_cast<uint32_t>(static_cast<int32_t>(std::lround(value * 8388607.0))), 3);
        }
    std::ofstream(path, std::ios::binary) << wav;
}

DecodedPcm decodeAll(const std::string &path)
{
    Input in(path);
    const int index = audioIndex(in.ctx);
    const AVCodecParameters *par = in.ctx->streams[index]->codecpar;
    DecodedPcm result;
    result.bitsPerRawSample = par->bits_per_raw_sample;
    const AVCodec *codec = avcodec_find_decoder(par->codec_id);
    AVCodecContext *decoder = avcodec_alloc_context3(codec);
    check(avcodec_parameters_to_context(decoder, par), "decoder parameters");
    check(avcodec_open2(decoder, codec, nullptr), "open decoder");
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    auto drain = [&]() {
        while (avcodec_receive_frame(decoder, frame) >= 0) {
            const int count = frame->nb_samples * frame->ch_layout.nb_channels;
            for (int i = 0; i < count; ++i) {
                if (frame->format == AV_SAMPLE_FMT_S16)
                    result.samples.push_back(int32_t(reinterpret_cast<const int16_t *>(frame->data[0])[i]) * 65536);
                else if (frame->format == AV_SAMPLE_FMT_S32)
                    result.samples.push_back(reinterpret_cast<const int32_t *>(frame->data[0])[i]);
                else
                    throw std::runtime_error("unexpected sample format");
            }
            av_frame_unref(frame);
        }
    };
    while (av_read_frame(in.ctx, packet) >= 0) {
        if (packet->stream_index == index) {
            check(avcodec_send_packet(decoder, packet), "decode");
            drain();
        }
        av_packet_unref(packet);
    }
    avcodec_send_packet(decoder, nullptr);
    drain();
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    return result;
}
