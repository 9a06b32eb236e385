#include "outputfile.h"

#include "audioencoder.h"
#include "console.h"
#include "inputfile.h"
#include "toolerror.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace kescvt {

namespace {

constexpr const char *copiedTags[] = {"title", "artist", "album", "track", "date", "genre", "comment"};

} // namespace

AVDictionary *collectTags(const AVFormatContext *input, const AVStream *audio)
{
    AVDictionary *tags = nullptr;
    for (const char *key : copiedTags) {
        const AVDictionaryEntry *entry = av_dict_get(input->metadata, key, nullptr, 0);
        if (!entry && audio)
            entry = av_dict_get(audio->metadata, key, nullptr, 0);
        if (entry && *entry->value)
            av_dict_set(&tags, key, entry->value, 0);
    }
    return tags;
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

void OutputFile::open(const AudioEncoder &encoder, const AVDictionary *tags)
{
    m_stream = avformat_new_stream(m_context.get(), nullptr);
    if (!m_stream)
        throw std::bad_alloc();
    encoder.fillStreamParameters(m_stream->codecpar);
    m_stream->time_base = AVRational{1, encoder.sampleRate()};
    av_dict_copy(&m_context->metadata, tags, 0);
    // Ogg writes its comment header from the stream's tags.
    if (std::strcmp(m_context->oformat->name, "ogg") == 0)
        av_dict_copy(&m_stream->metadata, tags, 0);

    if (!(m_context->oformat->flags & AVFMT_NOFILE)) {
        const int ret = avio_open2(&m_context->pb, fileUrl(m_path).c_str(), AVIO_FLAG_WRITE, nullptr, nullptr);
        if (ret < 0)
            writeError("cannot create", ret);
    }
    m_created = true;
    const int ret = avformat_write_header(m_context.get(), nullptr);
    if (ret < 0)
        writeError("cannot write the header of", ret);
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
    m_finished = true;
}

} // namespace kescvt
