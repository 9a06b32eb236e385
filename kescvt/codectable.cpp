#include "codectable.h"

#include "console.h"
#include "toolerror.h"

#include <cctype>
#include <cstring>

namespace kescvt {

namespace {

struct NamePair {
    const char *from;
    const char *to;
};

// Container names of the program's catalogue and file extensions, onto FFmpeg muxers.
constexpr NamePair forcedContainers[] = {
    {"xwmv", "asf"}, {"rmvb", "rm"}, {"amr", "amr"}, {"mp4", "mp4"}, {"wma", "asf"}, {"ra", "rm"},
};
constexpr NamePair extensionContainers[] = {
    {"mp3", "mp3"}, {"mp2", "mp2"},  {"wav", "wav"},   {"ogg", "ogg"},  {"oga", "ogg"},  {"aac", "adts"},
    {"m4a", "ipod"}, {"m4b", "ipod"}, {"mp4", "mp4"},  {"ac3", "ac3"},  {"aiff", "aiff"}, {"aif", "aiff"},
    {"aifc", "aiff"}, {"au", "au"},   {"wma", "asf"},  {"asf", "asf"},  {"ra", "rm"},     {"rm", "rm"},
    {"rmvb", "rm"},  {"amr", "amr"},  {"flac", "flac"}, {"mka", "matroska"},
    {"opus", "opus"},
};

// Codec ids of the program's catalogue onto FFmpeg encoder names. Windows Media Audio 9 and
// its lossless variant have no free encoder: they are written as WMA version 2. FFmpeg's
// own Opus encoder is experimental; libopus is the one to use.
constexpr NamePair codecEncoders[] = {
    {"mp3", "libmp3lame"}, {"mp2", "mp2"},     {"vorbis", "libvorbis"}, {"libfaac", "aac"},
    {"mpeg4aac", "aac"},   {"ac3", "ac3"},     {"wma7x", "wmav1"},      {"wma8x", "wmav2"},
    {"wma9x", "wmav2"},    {"wmalsl", "wmav2"}, {"rmaudio", "ac3"},     {"opus", "libopus"},
};

const char *lookUp(const NamePair *begin, const NamePair *end, const std::string &name)
{
    for (const NamePair *pair = begin; pair != end; ++pair)
        if (name == pair->from)
            return pair->to;
    return nullptr;
}

// Only the single-file muxers of the tables: others write many files (playlists,
// segments), none, or to devices.
bool isTableMuxer(const char *name)
{
    for (const NamePair &pair : extensionContainers)
        if (std::strcmp(name, pair.to) == 0)
            return true;
    return false;
}

[[noreturn]] void unsupported(const std::string &text)
{
    throw ToolError(ExitUnsupported, text);
}

EncoderChoice ffmpegEncoder(const AVCodec *codec)
{
    EncoderChoice choice;
    choice.kind = EncoderChoice::Ffmpeg;
    choice.codec = codec;
    choice.codecId = codec->id;
    choice.name = codec->name;
    return choice;
}

EncoderChoice amrEncoder(bool wide)
{
    EncoderChoice choice;
    choice.kind = wide ? EncoderChoice::AmrWide : EncoderChoice::AmrNarrow;
    choice.codecId = wide ? AV_CODEC_ID_AMR_WB : AV_CODEC_ID_AMR_NB;
    choice.name = wide ? "libvo-amrwbenc" : "libopencore-amrnb";
    return choice;
}

EncoderChoice encoderForId(AVCodecID id)
{
    if (id == AV_CODEC_ID_AMR_NB || id == AV_CODEC_ID_AMR_WB)
        return amrEncoder(id == AV_CODEC_ID_AMR_WB);
    // The MP3 muxer's own codec: prefer LAME over other MP3 encoders.
    if (id == AV_CODEC_ID_MP3)
        if (const AVCodec *lame = avcodec_find_encoder_by_name("libmp3lame"))
            return ffmpegEncoder(lame);
    if (id == AV_CODEC_ID_VORBIS)
        if (const AVCodec *vorbis = avcodec_find_encoder_by_name("libvorbis"))
            return ffmpegEncoder(vorbis);
    if (id == AV_CODEC_ID_OPUS)
        if (const AVCodec *opus = avcodec_find_encoder_by_name("libopus"))
            return ffmpegEncoder(opus);
    const AVCodec *codec = avcodec_find_encoder(id);
    if (!codec)
        unsupported(std::string("no encoder for ") + avcodec_get_name(id));
    return ffmpegEncoder(codec);
}

} // namespace

std::string pathExtension(const std::string &path)
{
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return {};
    std::string ext = path.substr(dot + 1);
    for (char &c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

const AVOutputFormat *findContainer(const std::string &forced, const std::string &outputPath)
{
    if (!forced.empty()) {
        const char *name = lookUp(std::begin(forcedContainers), std::end(forcedContainers), forced);
        const AVOutputFormat *format =
            name || isTableMuxer(forced.c_str()) ? av_guess_format(name ? name : forced.c_str(), nullptr, nullptr) : nullptr;
        if (!format || !format->name || (!name && std::strcmp(format->name, forced.c_str()) != 0))
            unsupported("unknown container '" + printable(forced) + "' (-f)");
        if (format->audio_codec == AV_CODEC_ID_NONE)
            unsupported("container '" + printable(forced) + "' holds no audio");
        return format;
    }
    const std::string ext = pathExtension(outputPath);
    if (ext.empty())
        unsupported("the output file has no extension to tell its container; use -f");
    const char *name = lookUp(std::begin(extensionContainers), std::end(extensionContainers), ext);
    const AVOutputFormat *format =
        name ? av_guess_format(name, nullptr, nullptr) : av_guess_format(nullptr, ("x." + ext).c_str(), nullptr);
    if (!format || format->audio_codec == AV_CODEC_ID_NONE || !isTableMuxer(format->name))
        unsupported("no audio container is known for the extension '." + printable(ext) + "'; use -f");
    return format;
}

EncoderChoice findEncoder(const std::string &codecId, const AVOutputFormat *container)
{
    EncoderChoice choice;
    if (codecId.empty()) {
        choice = encoderForId(container->audio_codec);
    } else if (codecId == "libamr_nb" || codecId == "libamr_wb") {
        choice = amrEncoder(codecId == "libamr_wb");
    } else {
        const char *mapped = lookUp(std::begin(codecEncoders), std::end(codecEncoders), codecId);
        const AVCodec *codec = avcodec_find_encoder_by_name(mapped ? mapped : codecId.c_str());
        if (!codec || codec->type != AVMEDIA_TYPE_AUDIO)
            unsupported("unknown audio codec '" + printable(codecId) + "' (-acodec)");
        choice = ffmpegEncoder(codec);
    }
    // 1: the container stores it; 0: it cannot; negative: the muxer does not say.
    if (avformat_query_codec(container, choice.codecId, FF_COMPLIANCE_NORMAL) == 0)
        unsupported(std::string("the ") + container->name + " container cannot hold " + avcodec_get_name(choice.codecId) +
                    " audio");
    return choice;
}

} // namespace kescvt
