#include "inputfile.h"

#include "codectable.h"
#include "console.h"
#include "toolerror.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace kescvt {

namespace {

[[noreturn]] void inputError(const std::string &text)
{
    throw ToolError(ExitInput, text);
}

int refuseNestedOpen(AVFormatContext *, AVIOContext **, const char *, int, AVDictionary **)
{
    return AVERROR(EPERM);
}

} // namespace

std::string fileUrl(const std::string &path)
{
    return "file:" + path;
}

InputFile::InputFile(const std::string &path)
    : m_path(path)
{
    checkFileType();
    openIo();
    openDemuxer(detectFormat());
    readStreamInfo();
}

// stat before open: opening a FIFO would block and a device may never end.
void InputFile::checkFileType() const
{
    struct stat info {};
    if (stat(m_path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            inputError("file not found: " + printable(m_path));
        inputError("cannot read " + printable(m_path) + ": " + std::strerror(errno));
    }
    if (S_ISDIR(info.st_mode))
        inputError(printable(m_path) + " is a directory, not a media file");
    if (!S_ISREG(info.st_mode))
        inputError(printable(m_path) + " is not a regular file (FIFO, socket or device)");
    if (info.st_size == 0)
        inputError(printable(m_path) + " is empty");
}

void InputFile::openIo()
{
    AVIOContext *io = nullptr;
    const int ret = avio_open2(&io, fileUrl(m_path).c_str(), AVIO_FLAG_READ, nullptr, nullptr);
    if (ret < 0)
        inputError("cannot open " + printable(m_path) + ": " + errorText(ret));
    m_io.reset(io);
}

// Probing by hand gives the score: a weak guess on a file whose extension says otherwise
// is random data, not media.
const AVInputFormat *InputFile::detectFormat()
{
    const AVInputFormat *format = nullptr;
    const int score = av_probe_input_buffer2(m_io.get(), &format, m_path.c_str(), nullptr, 0, probeSizeBytes);
    if (score < 0 || !format)
        inputError(printable(m_path) + " is not a media file the tool can read");
    if (score <= AVPROBE_SCORE_RETRY) {
        const std::string ext = pathExtension(m_path);
        const bool extensionAgrees = !ext.empty() && format->extensions && av_match_ext(("x." + ext).c_str(), format->extensions);
        if (!extensionAgrees)
            inputError(printable(m_path) + " is not a media file the tool can read");
    }
    return format;
}

void InputFile::openDemuxer(const AVInputFormat *format)
{
    AVFormatContext *ctx = avformat_alloc_context();
    if (!ctx)
        throw std::bad_alloc();
    ctx->pb = m_io.get();
    ctx->flags |= AVFMT_FLAG_CUSTOM_IO;
    ctx->probesize = probeSizeBytes;
    ctx->max_analyze_duration = analyzeMicroseconds;
    ctx->io_open = refuseNestedOpen;
    const int ret = avformat_open_input(&ctx, m_path.c_str(), format, nullptr);
    if (ret < 0) // avformat_open_input freed the context
        inputError("cannot read " + printable(m_path) + ": " + errorText(ret));
    m_context.reset(ctx);
}

void InputFile::readStreamInfo()
{
    const int ret = avformat_find_stream_info(m_context.get(), nullptr);
    if (ret < 0)
        inputError("cannot read the streams of " + printable(m_path) + ": " + errorText(ret));
    const int index = av_find_best_stream(m_context.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index >= 0) {
        m_audioIndex = index;
        m_audioDecoder = avcodec_find_decoder(m_context->streams[index]->codecpar->codec_id);
    }
}

void InputFile::discardAllBut(int streamIndex)
{
    for (unsigned i = 0; i < m_context->nb_streams; ++i)
        m_context->streams[i]->discard = static_cast<int>(i) == streamIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
}

} // namespace kescvt
