#include "inputfile.h"

#include "codectable.h"
#include "console.h"
#include "interruption.h"
#include "toolerror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kescvt {

namespace {

constexpr int ioBufferBytes = 64 * 1024;

[[noreturn]] void inputError(const std::string &text)
{
    throw ToolError(ExitInput, text);
}

int refuseNestedOpen(AVFormatContext *, AVIOContext **, const char *, int, AVDictionary **)
{
    return AVERROR(EPERM);
}

bool isNamed(const AVInputFormat *format, std::initializer_list<const char *> names)
{
    for (const char *name : names)
        if (std::strcmp(format->name, name) == 0)
            return true;
    return false;
}

// Formats that name other files or network sources instead of holding media.
bool refersToOtherFiles(const AVInputFormat *format)
{
    return (format->flags & AVFMT_NOFILE) ||
           isNamed(format, {"concat", "hls", "applehttp", "dash", "sdp", "rtp", "rtsp", "imf", "webm_dash_manifest",
                            "avisynth", "vapoursynth", "ffmetadata", "image2", "lavfi"});
}

// Bare elementary streams: their duration is guessed from the file size, and a file cut
// short in a preallocated or unfinished download ends in zeros that are no audio.
bool isRawStream(const AVInputFormat *format)
{
    return isNamed(format, {"mp3", "ac3", "eac3", "dts", "dtshd", "aac", "amr", "amrnb", "amrwb", "truehd", "mlp",
                            "loas"});
}

bool allZero(const uint8_t *bytes, size_t count)
{
    return count == 0 || (bytes[0] == 0 && std::memcmp(bytes, bytes + 1, count - 1) == 0);
}

// Cuts at a UTF-8 character boundary so that a truncated tag stays valid text.
void truncateUtf8(std::string &text, size_t bytes)
{
    if (text.size() <= bytes)
        return;
    size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
        --end;
    text.resize(end);
}

void boundDictionary(AVDictionary **dict)
{
    if (!*dict)
        return;
    AVDictionary *bounded = nullptr;
    const AVDictionaryEntry *entry = nullptr;
    int kept = 0;
    while (kept < InputFile::maxTags && (entry = av_dict_get(*dict, "", entry, AV_DICT_IGNORE_SUFFIX))) {
        std::string key = entry->key;
        std::string value = entry->value;
        truncateUtf8(key, InputFile::maxTagKeyBytes);
        truncateUtf8(value, InputFile::maxTagValueBytes);
        if (key.empty())
            continue;
        // MULTIKEY keeps repeated keys and skips the search for an existing one.
        if (av_dict_set(&bounded, key.c_str(), value.c_str(), AV_DICT_MULTIKEY) < 0)
            throw std::bad_alloc();
        ++kept;
    }
    av_dict_free(dict);
    *dict = bounded;
}

} // namespace

bool isUsableAudio(const AVCodecParameters *par)
{
    return par->codec_type == AVMEDIA_TYPE_AUDIO && avcodec_find_decoder(par->codec_id) &&
           par->sample_rate >= minSampleRate && par->sample_rate <= maxSampleRate &&
           par->ch_layout.nb_channels > 0 && par->ch_layout.nb_channels <= maxChannels;
}

void limitAllocations()
{
    av_max_alloc(maxAllocationBytes);
}

std::string fileUrl(const std::string &path)
{
    return "file:" + path;
}

InputFile::InputFile(const std::string &path)
    : m_path(path)
{
    openFile();
    findDataEnd();
    boundTagParsing();
    openIo();
    openDemuxer(detectFormat());
    readStreamInfo();
}

InputFile::Descriptor::~Descriptor()
{
    if (fd >= 0)
        ::close(fd);
}

// The reader's buffer may have been replaced by FFmpeg meanwhile; the context knows the
// current one.
void InputFile::IoDeleter::operator()(AVIOContext *io) const
{
    av_freep(&io->buffer);
    avio_context_free(&io);
}

// Checked on the opened file: opening a FIFO would block (hence O_NONBLOCK, dropped once it
// is known to be a regular file), and a device may never end.
void InputFile::openFile()
{
    m_file.fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_file.fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            inputError("file not found: " + printable(m_path));
        inputError("cannot read " + printable(m_path) + ": " + std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(m_file.fd, &info) != 0)
        inputError("cannot read " + printable(m_path) + ": " + std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        inputError(printable(m_path) + " is a directory, not a media file");
    if (!S_ISREG(info.st_mode))
        inputError(printable(m_path) + " is not a regular file (FIFO, socket or device)");
    if (info.st_size == 0)
        inputError(printable(m_path) + " is empty");
    ::fcntl(m_file.fd, F_SETFL, ::fcntl(m_file.fd, F_GETFL) & ~O_NONBLOCK);
    m_size = info.st_size;
    m_dataEnd = m_readEnd = m_size;
}

// Finds where the file's data really ends: holes of a sparse file are skipped without
// reading, and a bounded stretch before the last data is read backwards for zeros.
void InputFile::findDataEnd()
{
    int64_t lastData = 0;
    bool mapped = false;
    for (int regions = 0; regions < 4096; ++regions) {
        const off_t data = ::lseek(m_file.fd, lastData, SEEK_DATA);
        if (data < 0) {
            mapped = errno == ENXIO;
            break;
        }
        const off_t hole = ::lseek(m_file.fd, data, SEEK_HOLE);
        if (hole <= data)
            break;
        lastData = hole;
    }
    constexpr int64_t block = 1 << 20;
    constexpr int64_t maxScan = 64LL << 20;
    std::vector<uint8_t> buffer(block);
    const int64_t scanFrom = mapped ? std::min(lastData, m_size) : m_size;
    int64_t end = scanFrom;
    while (end > 0 && scanFrom - end < maxScan) {
        const int64_t start = std::max<int64_t>(0, end - block);
        const ssize_t got = ::pread(m_file.fd, buffer.data(), static_cast<size_t>(end - start), start);
        if (got != end - start)
            return;
        if (!allZero(buffer.data(), static_cast<size_t>(got))) {
            int64_t last = got - 1;
            while (buffer[static_cast<size_t>(last)] == 0)
                --last;
            end = start + last + 1;
            break;
        }
        end = start;
    }
    if (end == 0)
        inputError(printable(m_path) + " holds nothing but zero bytes (an unfinished or preallocated file)");
    // A few kilobytes of zeros can end a real frame; only a long run is cut, with a margin.
    constexpr int64_t longRun = 64 * 1024;
    if (m_size - end >= longRun)
        m_dataEnd = std::min(m_size, end + 4096);
}

// Tag parsing in the demuxers costs the square of the number of tags; the reader shows
// every tag block thinned to the first few hundred entries.
void InputFile::boundTagParsing()
{
    m_tags.scan(m_file.fd, m_size);
}

void InputFile::openIo()
{
    auto *buffer = static_cast<uint8_t *>(av_malloc(ioBufferBytes));
    if (!buffer)
        throw std::bad_alloc();
    m_io.reset(avio_alloc_context(buffer, ioBufferBytes, 0, this, readThunk, nullptr, seekThunk));
    if (!m_io) {
        av_free(buffer);
        throw std::bad_alloc();
    }
}

int InputFile::readThunk(void *opaque, uint8_t *buffer, int size)
{
    return static_cast<InputFile *>(opaque)->read(buffer, size);
}

int64_t InputFile::seekThunk(void *opaque, int64_t offset, int whence)
{
    return static_cast<InputFile *>(opaque)->seek(offset, whence);
}

int InputFile::read(uint8_t *buffer, int size)
{
    if (interruptionRequested())
        return AVERROR_EXIT;
    if (m_sincePacket > maxBytesBetweenPackets)
        return AVERROR_INVALIDDATA;
    const int64_t wanted = std::min<int64_t>(size, m_readEnd - m_position);
    if (wanted <= 0)
        return AVERROR_EOF;
    m_tags.beforeRead(m_position, wanted);
    ssize_t got;
    do
        got = ::pread(m_file.fd, buffer, static_cast<size_t>(wanted), m_position);
    while (got < 0 && errno == EINTR && !interruptionRequested());
    if (got < 0)
        return AVERROR(errno);
    if (got == 0)
        return AVERROR_EOF;
    m_tags.apply(m_position, buffer, got);
    // A leading tag of any size is header, not a search for frames.
    m_sincePacket += got - std::clamp<int64_t>(m_tags.leadingTagEnd() - m_position, 0, got);
    m_position += got;
    return static_cast<int>(got);
}

int64_t InputFile::seek(int64_t offset, int whence)
{
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return m_readEnd;
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += m_position;
        break;
    case SEEK_END:
        offset += m_readEnd;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (offset < 0)
        return AVERROR(EINVAL);
    m_position = offset;
    return offset;
}

void InputFile::failOpen(const std::string &text, int ret) const
{
    if (interruptionRequested())
        throw ToolError(ExitInterrupted, "interrupted");
    // A demuxer's own words for bad bytes ("Invalid argument", "Invalid data found when
    // processing input") tell a user nothing; say what they mean.
    if (ret == AVERROR_INVALIDDATA || ret == AVERROR(EINVAL))
        inputError(text + ": the data is damaged or is not media");
    inputError(text + (ret < 0 ? ": " + errorText(ret) : std::string()));
}

// Probing by hand gives the score: a weak guess on a file whose extension says otherwise
// is random data, not media.
const AVInputFormat *InputFile::detectFormat()
{
    const AVInputFormat *format = nullptr;
    const int score = av_probe_input_buffer2(m_io.get(), &format, m_path.c_str(), nullptr, 0, probeSizeBytes);
    if (score < 0 || !format)
        failOpen(printable(m_path) + " is not a media file the tool can read", 0);
    if (score <= AVPROBE_SCORE_RETRY) {
        const std::string ext = pathExtension(m_path);
        const bool extensionAgrees = !ext.empty() && format->extensions && av_match_ext(("x." + ext).c_str(), format->extensions);
        if (!extensionAgrees)
            inputError(printable(m_path) + " is not a media file the tool can read");
    }
    if (refersToOtherFiles(format))
        inputError(printable(m_path) + " refers to other files (" + format->name + "); only media files are read");
    if (isRawStream(format))
        m_readEnd = m_dataEnd;
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
    ctx->interrupt_callback = AVIOInterruptCB{interruptCallback, nullptr};
    // Copied into any context a demuxer opens by itself: no protocol is allowed there.
    if (av_opt_set(ctx, "protocol_whitelist", "none", 0) < 0) {
        avformat_free_context(ctx);
        throw std::bad_alloc();
    }
    const int ret = avformat_open_input(&ctx, m_path.c_str(), format, nullptr);
    if (ret < 0) // avformat_open_input freed the context
        failOpen("cannot read " + printable(m_path), ret);
    m_context.reset(ctx);
    // Headers (covers, attachments) may be large; the bound is for searching frames.
    m_sincePacket = 0;
}

void InputFile::readStreamInfo()
{
    const int ret = avformat_find_stream_info(m_context.get(), nullptr);
    if (ret < 0)
        failOpen("cannot read the streams of " + printable(m_path), ret);
    if (interruptionRequested())
        throw ToolError(ExitInterrupted, "interrupted");
    m_sincePacket = 0;
    boundTags();
    countAmrFrames();
    checkDecodable();
    if (interruptionRequested())
        throw ToolError(ExitInterrupted, "interrupted");
    int best = av_find_best_stream(m_context.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (best >= 0 && !isUsableAudio(m_context->streams[best]->codecpar))
        best = -1;
    for (unsigned i = 0; best < 0 && i < m_context->nb_streams; ++i)
        if (isUsableAudio(m_context->streams[i]->codecpar))
            best = static_cast<int>(i);
    if (best >= 0) {
        m_audioIndex = best;
        m_audioDecoder = avcodec_find_decoder(m_context->streams[best]->codecpar->codec_id);
    }
}

void InputFile::boundTags()
{
    boundDictionary(&m_context->metadata);
    for (unsigned i = 0; i < m_context->nb_streams; ++i)
        boundDictionary(&m_context->streams[i]->metadata);
}

// The AMR demuxer guesses the length from the bit rate, which is wrong whenever the mode
// changes or frames carry no speech. Frames are counted instead: each is 20 ms, and its
// size follows from its first byte.
void InputFile::countAmrFrames()
{
    static constexpr uint8_t narrowSizes[16] = {13, 14, 16, 18, 20, 21, 27, 32, 6, 1, 1, 1, 1, 1, 1, 1};
    static constexpr uint8_t wideSizes[16] = {18, 24, 33, 37, 41, 47, 51, 59, 61, 6, 1, 1, 1, 1, 1, 1};
    AVFormatContext *ctx = m_context.get();
    if (ctx->nb_streams != 1 || !isNamed(ctx->iformat, {"amr", "amrnb", "amrwb"}))
        return;
    AVStream *stream = ctx->streams[0];
    uint8_t head[9];
    if (::pread(m_file.fd, head, sizeof head, 0) != static_cast<ssize_t>(sizeof head))
        return;
    int64_t position;
    const uint8_t *sizes;
    if (std::memcmp(head, "#!AMR-WB\n", 9) == 0) {
        position = 9;
        sizes = wideSizes;
    } else if (std::memcmp(head, "#!AMR\n", 6) == 0) {
        position = 6;
        sizes = narrowSizes;
    } else {
        return;
    }
    constexpr int64_t maxScan = 256LL << 20;
    if (m_readEnd > maxScan)
        return;
    std::vector<uint8_t> buffer(1 << 16);
    int64_t frames = 0;
    int64_t bufferStart = 0;
    int64_t bufferEnd = 0;
    while (position < m_readEnd) {
        if (position >= bufferEnd) {
            const ssize_t got = ::pread(m_file.fd, buffer.data(), buffer.size(), position);
            if (got <= 0)
                break;
            bufferStart = position;
            bufferEnd = position + got;
        }
        const int64_t next = position + sizes[(buffer[static_cast<size_t>(position - bufferStart)] >> 3) & 0x0f];
        if (next > m_readEnd)
            break;
        ++frames;
        position = next;
    }
    if (frames == 0 || stream->codecpar->sample_rate <= 0)
        return;
    const int64_t samples = frames * (stream->codecpar->sample_rate / 50);
    stream->duration = av_rescale_q(samples, AVRational{1, stream->codecpar->sample_rate}, stream->time_base);
    ctx->duration = av_rescale(frames, AV_TIME_BASE, 50);
}

// A header can describe audio that nothing decodes: random bytes behind an AMR header, a
// block align of zero, a container cut short after its header. Each stream that looks
// usable must give a frame from its first packets, or it is marked unusable (its rate
// cleared). The packets read meanwhile are handed out again by readPacket().
void InputFile::checkDecodable()
{
    struct Trial {
        CodecContextPtr decoder;
        bool tried = false;
        int failures = 0;
        bool decoded = false;
    };
    AVFormatContext *ctx = m_context.get();
    std::vector<Trial> trials(ctx->nb_streams);
    int undecided = 0;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        AVCodecParameters *par = ctx->streams[i]->codecpar;
        if (!isUsableAudio(par))
            continue;
        const AVCodec *codec = avcodec_find_decoder(par->codec_id);
        CodecContextPtr decoder(avcodec_alloc_context3(codec));
        if (!decoder)
            throw std::bad_alloc();
        decoder->pkt_timebase = ctx->streams[i]->time_base;
        if (avcodec_parameters_to_context(decoder.get(), par) < 0 || avcodec_open2(decoder.get(), codec, nullptr) < 0) {
            par->sample_rate = 0;
            continue;
        }
        trials[i].decoder = std::move(decoder);
        trials[i].tried = true;
        ++undecided;
    }
    FramePtr frame = makeFrame();
    if (!frame)
        throw std::bad_alloc();
    const auto decode = [&](Trial &trial, const AVPacket *packet) {
        if (avcodec_send_packet(trial.decoder.get(), packet) < 0 && packet)
            ++trial.failures;
        int ret;
        while ((ret = avcodec_receive_frame(trial.decoder.get(), frame.get())) >= 0) {
            trial.decoded = trial.decoded || frame->nb_samples > 0;
            av_frame_unref(frame.get());
        }
        if (ret != AVERROR(EAGAIN) && ret != AVERROR_EOF)
            ++trial.failures;
        if (trial.decoded || trial.failures >= maxDecodeFailures) {
            trial.decoder.reset();
            --undecided;
        }
    };
    int64_t queuedBytes = 0;
    bool ended = false;
    while (undecided > 0 && queuedBytes < maxQueuedBytes && m_queue.size() < maxQueuedPackets) {
        PacketPtr packet = makePacket();
        if (!packet)
            throw std::bad_alloc();
        if (av_read_frame(ctx, packet.get()) < 0) {
            ended = true;
            break;
        }
        m_sincePacket = 0;
        const auto index = static_cast<size_t>(packet->stream_index);
        if (index < trials.size() && trials[index].decoder)
            decode(trials[index], packet.get());
        queuedBytes += packet->size;
        m_queue.push_back(std::move(packet));
    }
    for (size_t i = 0; i < trials.size(); ++i) {
        if (ended && trials[i].decoder)
            decode(trials[i], nullptr); // frames a decoder still holds
        // Undecided when the bound was reached first: the stream keeps the benefit of the doubt.
        if (trials[i].tried && !trials[i].decoded && (ended || trials[i].failures >= maxDecodeFailures))
            ctx->streams[i]->codecpar->sample_rate = 0;
    }
}

bool InputFile::readPacket(AVPacket *packet)
{
    if (!m_queue.empty()) {
        av_packet_move_ref(packet, m_queue.front().get());
        m_queue.pop_front();
        return true;
    }
    if (av_read_frame(m_context.get(), packet) < 0)
        return false;
    m_sincePacket = 0;
    return true;
}

void InputFile::discardAllBut(int streamIndex)
{
    for (unsigned i = 0; i < m_context->nb_streams; ++i)
        m_context->streams[i]->discard = static_cast<int>(i) == streamIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
}

CodecContextPtr InputFile::openAudioDecoder() const
{
    const AVStream *stream = m_context->streams[m_audioIndex];
    CodecContextPtr decoder(avcodec_alloc_context3(m_audioDecoder));
    if (!decoder)
        throw std::bad_alloc();
    int ret = avcodec_parameters_to_context(decoder.get(), stream->codecpar);
    if (ret >= 0) {
        decoder->pkt_timebase = stream->time_base;
        ret = avcodec_open2(decoder.get(), m_audioDecoder, nullptr);
    }
    if (ret < 0)
        throw ToolError(ExitInput, "cannot decode the audio of " + printable(m_path) + ": " + errorText(ret));
    return decoder;
}

} // namespace kescvt
