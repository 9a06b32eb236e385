#include "inputfile.h"

#include "amrframes.h"
#include "codectable.h"
#include "console.h"
#include "interruption.h"
#include "namematch.h"
#include "tagbounds.h"
#include "toolerror.h"

#include <new>
#include <vector>

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

// Formats that name other files or network sources instead of holding media.
bool refersToOtherFiles(const AVInputFormat *format)
{
    return (format->flags & AVFMT_NOFILE) ||
           isNamed(format->name, {"concat", "hls", "applehttp", "dash", "sdp", "rtp", "rtsp", "imf",
                                  "webm_dash_manifest", "avisynth", "vapoursynth", "ffmetadata", "image2", "lavfi"});
}

// Bare elementary streams: their duration is guessed from the file size, and a file cut
// short in a preallocated or unfinished download ends in zeros that are no audio.
bool isRawStream(const AVInputFormat *format)
{
    return isNamed(format->name, {"mp3", "ac3", "eac3", "dts", "dtshd", "aac", "amr", "amrnb", "amrwb", "truehd",
                                  "mlp", "loas"});
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
    , m_reader(path)
{
    openDemuxer(detectFormat());
    readStreamInfo();
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
    const int score = av_probe_input_buffer2(m_reader.io(), &format, m_path.c_str(), nullptr, 0, probeSizeBytes);
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
        m_reader.stopAtDataEnd();
    return format;
}

void InputFile::openDemuxer(const AVInputFormat *format)
{
    AVFormatContext *ctx = avformat_alloc_context();
    if (!ctx)
        throw std::bad_alloc();
    ctx->pb = m_reader.io();
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
    m_reader.packetRead();
}

void InputFile::readStreamInfo()
{
    const int ret = avformat_find_stream_info(m_context.get(), nullptr);
    if (ret < 0)
        failOpen("cannot read the streams of " + printable(m_path), ret);
    if (interruptionRequested())
        throw ToolError(ExitInterrupted, "interrupted");
    m_reader.packetRead();
    boundTags(m_context.get());
    setAmrDuration(m_context.get(), m_reader.fd(), m_reader.readEnd());
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
        m_reader.packetRead();
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
    m_reader.packetRead();
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
