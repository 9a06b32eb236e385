#include "outputfile.h"

#include "audioencoder.h"
#include "console.h"
#include "id3tag.h"
#include "inputfile.h"
#include "interruption.h"
#include "namematch.h"
#include "toolerror.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace kescvt {

namespace {

constexpr const char *copiedTags[] = {"title", "artist", "album", "track", "date", "genre", "comment"};

// The Ogg muxers write their comment header from the stream's tags.
bool isOgg(const AVFormatContext *context)
{
    return isNamed(context->oformat->name, {"ogg", "oga", "opus", "spx"});
}

// MPEG audio files and ADTS get an ID3v2 tag written by the tool in front of the audio:
// the MP2 and ADTS muxers write none of their own, and FFmpeg's ID3 writer puts the
// comment in a user-defined frame (TXXX) that players do not show instead of COMM.
bool takesOwnId3Tag(const AVFormatContext *context)
{
    return isNamed(context->oformat->name, {"mp3", "mp2", "adts"});
}

// Muxers that take a picture as a stream with the attached-picture mark: MP4 covr, FLAC
// PICTURE, the ID3 chunk of AIFF. MP4 knows only JPEG, PNG and BMP covers.
bool takesPictureStream(const AVFormatContext *context, AVCodecID codecId)
{
    if (isNamed(context->oformat->name, {"mp4", "ipod", "mov"}))
        return codecId == AV_CODEC_ID_MJPEG || codecId == AV_CODEC_ID_PNG || codecId == AV_CODEC_ID_BMP;
    return isNamed(context->oformat->name, {"flac", "aiff"});
}

} // namespace

DictionaryPtr collectTags(const AVFormatContext *input, const AVStream *audio)
{
    AVDictionary *tags = nullptr;
    for (const char *key : copiedTags) {
        const AVDictionaryEntry *entry = av_dict_get(input->metadata, key, nullptr, 0);
        if (!entry && audio)
            entry = av_dict_get(audio->metadata, key, nullptr, 0);
        // RealMedia keeps the artist as its author.
        if (!entry && std::strcmp(key, "artist") == 0)
            entry = av_dict_get(input->metadata, "author", nullptr, 0);
        if (entry && *entry->value)
            av_dict_set(&tags, key, entry->value, 0);
    }
    return DictionaryPtr(tags);
}

OutputFile::OutputFile(const AVOutputFormat *format, const std::string &path)
    : m_path(path)
{
    AVFormatContext *ctx = nullptr;
    const int ret = avformat_alloc_output_context2(&ctx, format, nullptr, path.c_str());
    if (ret < 0 || !ctx)
        throw std::bad_alloc();
    m_context.reset(ctx);
}

OutputFile::~OutputFile()
{
    if (!m_created || m_finished)
        return;
    m_context.reset(); // close before removing
    ::unlink(m_path.c_str());
    ownOutput(false);
}

void OutputFile::checkTarget(const std::string &path, const std::string &inputPath, bool overwrite)
{
    // lstat: writing through a link would leave a partial file at its target that a failed
    // run could not remove, and removing the link would lose it.
    struct stat target {};
    if (lstat(path.c_str(), &target) != 0) {
        if (errno == ENOENT)
            return;
        throw ToolError(ExitOutput, "cannot write " + printable(path) + ": " + std::strerror(errno));
    }
    if (S_ISLNK(target.st_mode))
        throw ToolError(ExitOutput, printable(path) + " is a symbolic link; the tool writes only regular files");
    struct stat source {};
    if (stat(inputPath.c_str(), &source) == 0 && source.st_dev == target.st_dev && source.st_ino == target.st_ino)
        throw ToolError(ExitOutput, "the output file is the input file: " + printable(path));
    if (!S_ISREG(target.st_mode))
        throw ToolError(ExitOutput, printable(path) + " is not a regular file");
    if (!overwrite && target.st_size > 0)
        throw ToolError(ExitOutput, printable(path) + " exists (-y overwrites it)");
}

void OutputFile::writeError(const std::string &what, int ret) const
{
    throw ToolError(ExitOutput, what + " " + printable(m_path) + ": " + errorText(ret));
}

void OutputFile::open(const AudioEncoder &encoder, const AVDictionary *tags, const CoverArt *cover)
{
    m_stream = avformat_new_stream(m_context.get(), nullptr);
    if (!m_stream)
        throw std::bad_alloc();
    encoder.fillStreamParameters(m_stream->codecpar);
    m_stream->time_base = AVRational{1, encoder.sampleRate()};
    addTags(tags, cover);
    if (cover && takesPictureStream(m_context.get(), cover->codecId))
        addPictureStream(*cover);

    if (!(m_context->oformat->flags & AVFMT_NOFILE)) {
        const int ret = avio_open2(&m_context->pb, fileUrl(m_path).c_str(), AVIO_FLAG_WRITE, nullptr, nullptr);
        if (ret < 0)
            writeError("cannot create", ret);
    }
    m_created = true;
    ownOutput(true);
    AVDictionary *options = nullptr;
    if (takesOwnId3Tag(m_context.get()) && m_context->pb) {
        const std::string tag = id3v2Tag(tags, cover);
        avio_write(m_context->pb, reinterpret_cast<const unsigned char *>(tag.data()), static_cast<int>(tag.size()));
        if (isNamed(m_context->oformat->name, {"mp3"}))
            av_dict_set(&options, "id3v2_version", "0", 0);
    }
    // AIFF keeps the full set of tags, and the picture, only in its ID3 chunk.
    if (isNamed(m_context->oformat->name, {"aiff"}))
        av_dict_set(&options, "write_id3v2", "1", 0);
    const int ret = avformat_write_header(m_context.get(), &options);
    av_dict_free(&options);
    // Muxers that keep no list of the codecs they take refuse a foreign one only here.
    if (ret == AVERROR(EINVAL) && (!m_context->pb || !m_context->pb->error) &&
        avformat_query_codec(m_context->oformat, m_stream->codecpar->codec_id, FF_COMPLIANCE_NORMAL) != 1)
        throw ToolError(ExitUnsupported, std::string("the ") + m_context->oformat->name + " container cannot hold " +
                                             avcodec_get_name(m_stream->codecpar->codec_id) + " audio");
    if (ret < 0)
        writeError("cannot write the header of", ret);
    if (m_pictureStream)
        writePicture(*cover);
}

void OutputFile::addTags(const AVDictionary *tags, const CoverArt *cover)
{
    av_dict_copy(&m_context->metadata, tags, 0);
    if (isNamed(m_context->oformat->name, {"mp4", "ipod"})) {
        const AVDictionaryEntry *entry = nullptr;
        while ((entry = av_dict_get(tags, "replaygain_", entry, AV_DICT_IGNORE_SUFFIX)))
            m_freeformItems.emplace_back(entry->key, entry->value);
    }
    if (isNamed(m_context->oformat->name, {"rm"}))
        if (const AVDictionaryEntry *artist = av_dict_get(tags, "artist", nullptr, 0))
            av_dict_set(&m_context->metadata, "author", artist->value, 0);
    if (isOgg(m_context.get())) {
        av_dict_copy(&m_stream->metadata, tags, 0);
        // The Ogg muxer takes no picture stream; players read the picture from this comment.
        if (cover)
            av_dict_set(&m_stream->metadata, "METADATA_BLOCK_PICTURE", base64(flacPictureBlock(*cover)).c_str(), 0);
    }
}

void OutputFile::addPictureStream(const CoverArt &cover)
{
    m_pictureStream = avformat_new_stream(m_context.get(), nullptr);
    if (!m_pictureStream)
        throw std::bad_alloc();
    AVCodecParameters *par = m_pictureStream->codecpar;
    par->codec_type = AVMEDIA_TYPE_VIDEO;
    par->codec_id = cover.codecId;
    par->width = cover.width;
    par->height = cover.height;
    m_pictureStream->disposition = AV_DISPOSITION_ATTACHED_PIC;
    m_pictureStream->time_base = AVRational{1, 90000};
    av_dict_set(&m_pictureStream->metadata, "comment", pictureTypeName(cover.pictureType), 0);
    if (!cover.description.empty())
        av_dict_set(&m_pictureStream->metadata, "title", cover.description.c_str(), 0);
}

// Written before any audio: the FLAC muxer holds audio back until the picture came.
void OutputFile::writePicture(const CoverArt &cover)
{
    PacketPtr packet = makePacket();
    if (!packet || av_new_packet(packet.get(), static_cast<int>(cover.bytes.size())) < 0)
        throw std::bad_alloc();
    std::memcpy(packet->data, cover.bytes.data(), cover.bytes.size());
    packet->stream_index = m_pictureStream->index;
    packet->flags |= AV_PKT_FLAG_KEY;
    packet->pts = packet->dts = 0;
    const int ret = av_write_frame(m_context.get(), packet.get());
    if (ret < 0)
        writeError("cannot write the picture into", ret);
}

void OutputFile::writePacket(AVPacket *packet, AVRational encoderTimeBase)
{
    packet->stream_index = m_stream->index;
    av_packet_rescale_ts(packet, encoderTimeBase, m_stream->time_base);
    const int ret = av_write_frame(m_context.get(), packet);
    if (ret < 0)
        writeError("cannot write", ret);
}

void OutputFile::finish()
{
    int ret = av_write_trailer(m_context.get());
    if (ret < 0)
        writeError("cannot finish", ret);
    if (m_context->pb) {
        avio_flush(m_context->pb);
        if (m_context->pb->error < 0)
            writeError("cannot write", m_context->pb->error);
        if ((ret = avio_closep(&m_context->pb)) < 0)
            writeError("cannot close", ret);
    }
    if (!m_freeformItems.empty() && !addMp4FreeformItems(m_path, m_freeformItems))
        throw ToolError(ExitOutput, "cannot add the loudness tags to " + printable(m_path));
    m_finished = true;
    ownOutput(false);
}

} // namespace kescvt
