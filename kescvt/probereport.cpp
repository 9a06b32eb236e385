#include "probereport.h"

#include "console.h"
#include "inputfile.h"

#include <cinttypes>
#include <cmath>
#include <cstdarg>
#include <cstdio>

extern "C" {
#include <libavutil/pixdesc.h>
}

namespace kescvt {

namespace {

std::string formatText(const char *format, ...) __attribute__((format(printf, 1, 2)));

std::string formatText(const char *format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

// Bit rate of a stream, worked out from the sample size for PCM, which stores none.
int64_t streamBitRate(const AVCodecParameters *par)
{
    if (par->bit_rate > 0)
        return par->bit_rate;
    const int bits = av_get_bits_per_sample(par->codec_id);
    if (bits > 0 && par->sample_rate > 0)
        return static_cast<int64_t>(bits) * par->sample_rate * par->ch_layout.nb_channels;
    return 0;
}

std::string frameRateText(AVRational rate)
{
    const double fps = av_q2d(rate);
    if (std::fabs(fps - std::round(fps)) < 0.005)
        return formatText("%.0f", fps);
    return formatText("%.2f", fps);
}

std::string audioFields(const AVCodecParameters *par)
{
    std::string text = avcodec_get_name(par->codec_id);
    text += formatText(", %d Hz, ", par->sample_rate);
    text += channelsText(par->ch_layout.nb_channels);
    if (const char *format = av_get_sample_fmt_name(static_cast<AVSampleFormat>(par->format)))
        text += std::string(", ") + format;
    if (const int64_t rate = streamBitRate(par); rate > 0)
        text += formatText(", %" PRId64 " kb/s", rate / 1000);
    return text;
}

std::string videoFields(const AVStream *stream)
{
    const AVCodecParameters *par = stream->codecpar;
    std::string text = avcodec_get_name(par->codec_id);
    if (const char *format = av_get_pix_fmt_name(static_cast<AVPixelFormat>(par->format)))
        text += std::string(", ") + format;
    if (par->width > 0 && par->height > 0)
        text += formatText(", %dx%d", par->width, par->height);
    if (stream->r_frame_rate.num > 0 && stream->r_frame_rate.den > 0)
        text += ", " + frameRateText(stream->r_frame_rate) + " fps(r)";
    return text;
}

// A key never contains '#' or ':', so a tag line can never read as a stream line.
std::string tagKey(const char *key)
{
    std::string text = printable(key);
    for (char &c : text)
        if (c == '#' || c == ':')
            c = '_';
    return text;
}

void printTags(const AVDictionary *tags, const char *indent)
{
    if (!tags || av_dict_count(tags) == 0)
        return;
    printLine(std::string(indent) + "Metadata:");
    const AVDictionaryEntry *entry = nullptr;
    while ((entry = av_dict_get(tags, "", entry, AV_DICT_IGNORE_SUFFIX)))
        printLine(formatText("%s  %-16s: ", indent, tagKey(entry->key).c_str()) + printable(entry->value));
}

// Picture files (one image, or a sequence read as a pipe) and covers are no video the file
// plays.
bool isStillPicture(const AVFormatContext *ctx, const AVStream *stream)
{
    if (stream->disposition & AV_DISPOSITION_ATTACHED_PIC)
        return true;
    const std::string name = ctx->iformat->name;
    return name == "image2" || (name.size() > 5 && name.compare(name.size() - 5, 5, "_pipe") == 0);
}

} // namespace

std::string channelsText(int channels)
{
    switch (channels) {
    case 1:
        return "mono";
    case 2:
        return "stereo";
    case 6:
        return "5:1";
    default:
        return formatText("%d channels", channels);
    }
}

std::string durationText(int64_t microseconds)
{
    if (microseconds == AV_NOPTS_VALUE || microseconds < 0)
        return "N/A";
    const int64_t centis = (microseconds + 5000) / 10000;
    return formatText("%02" PRId64 ":%02d:%02d.%02d", centis / 360000, static_cast<int>(centis / 6000 % 60),
                      static_cast<int>(centis / 100 % 60), static_cast<int>(centis % 100));
}

std::string durationLine(const AVFormatContext *ctx)
{
    std::string line = "  Duration: " + durationText(ctx->duration);
    if (ctx->start_time != AV_NOPTS_VALUE)
        line += formatText(", start: %.6f", ctx->start_time / 1e6);
    if (ctx->bit_rate > 0)
        line += formatText(", bitrate: %" PRId64 " kb/s", ctx->bit_rate / 1000);
    else
        line += ", bitrate: N/A";
    return line;
}

std::string streamLine(const AVStream *stream, bool stillPicture)
{
    const std::string head = formatText("    Stream #0.%d: ", stream->index);
    switch (stream->codecpar->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
        // Only audio the tool can convert is announced as such.
        if (!isUsableAudio(stream->codecpar))
            return head + "Unusable: " + avcodec_get_name(stream->codecpar->codec_id) + " audio";
        return head + "Audio: " + audioFields(stream->codecpar);
    case AVMEDIA_TYPE_VIDEO:
        if (stillPicture || (stream->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return head + "Attachment: " + avcodec_get_name(stream->codecpar->codec_id) + ", picture";
        return head + "Video: " + videoFields(stream);
    case AVMEDIA_TYPE_SUBTITLE:
        return head + "Subtitle: " + avcodec_get_name(stream->codecpar->codec_id);
    default:
        return head + "Data: " + avcodec_get_name(stream->codecpar->codec_id);
    }
}

int printProbeReport(const AVFormatContext *ctx)
{
    printLine(std::string("Input #0, ") + ctx->iformat->name + ":");
    printTags(ctx->metadata, "  ");
    printLine(durationLine(ctx));
    int playable = 0;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVStream *stream = ctx->streams[i];
        const bool picture = isStillPicture(ctx, stream);
        printLine(streamLine(stream, picture));
        const auto type = stream->codecpar->codec_type;
        if ((type == AVMEDIA_TYPE_AUDIO && isUsableAudio(stream->codecpar)) || (type == AVMEDIA_TYPE_VIDEO && !picture))
            ++playable;
        printTags(stream->metadata, "    ");
    }
    return playable;
}

} // namespace kescvt
