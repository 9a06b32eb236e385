#include "transcoder.h"

#include "console.h"
#include "interruption.h"
#include "toolerror.h"

namespace kescvt {

namespace {

// A stream that yields nothing but errors for this long is not worth reading to its end.
constexpr int maxErrorsBeforeFirstFrame = 100;

struct DictionaryHolder {
    AVDictionary *dict = nullptr;
    ~DictionaryHolder() { av_dict_free(&dict); }
};

} // namespace

Transcoder::Transcoder(const ToolOptions &options)
    : m_options(options), m_input(options.input), m_progress(options.progress)
{
    m_container = findContainer(options.container, options.output);
    m_encoderChoice = findEncoder(options.codec, m_container);
    m_streamIndex = m_input.audioStreamIndex();
    if (m_streamIndex < 0)
        throw ToolError(ExitInput, "no audio stream in " + printable(options.input));
    if (!m_input.audioDecoder())
        throw ToolError(ExitInput, std::string("no decoder for the ") +
                                       avcodec_get_name(m_input.context()->streams[m_streamIndex]->codecpar->codec_id) +
                                       " audio of " + printable(options.input));
    OutputFile::checkTarget(options.output, options.input, options.overwrite);
    m_input.discardAllBut(m_streamIndex);
    m_decoded = makeFrame();
    m_encoded = makePacket();
    if (!m_decoded || !m_encoded)
        throw std::bad_alloc();
    openDecoder();
}

void Transcoder::openDecoder()
{
    const AVStream *stream = m_input.context()->streams[m_streamIndex];
    m_decoder.reset(avcodec_alloc_context3(m_input.audioDecoder()));
    if (!m_decoder)
        throw std::bad_alloc();
    int ret = avcodec_parameters_to_context(m_decoder.get(), stream->codecpar);
    if (ret >= 0) {
        m_decoder->pkt_timebase = stream->time_base;
        ret = avcodec_open2(m_decoder.get(), m_input.audioDecoder(), nullptr);
    }
    if (ret < 0)
        throw ToolError(ExitInput, "cannot decode the audio of " + printable(m_options.input) + ": " + errorText(ret));
}

void Transcoder::run()
{
    PacketPtr packet = makePacket();
    if (!packet)
        throw std::bad_alloc();
    AVFormatContext *ctx = m_input.context();
    // A read error past the first packets is a truncated file: what was read is converted.
    while (av_read_frame(ctx, packet.get()) >= 0) {
        if (packet->stream_index == m_streamIndex)
            decodePacket(packet.get());
        av_packet_unref(packet.get());
        if (interruptionRequested())
            throw ToolError(ExitInterrupted, "interrupted");
    }
    decodePacket(nullptr);
    if (!m_output)
        throw ToolError(ExitInput, "no audio could be decoded from " + printable(m_options.input));
    m_converter->flush();
    encodeAvailable(true);
    m_encoder->sendFrame(nullptr);
    drainEncoder();
    m_output->finish();
    m_progress.finish(secondsWritten());
}

void Transcoder::decodePacket(const AVPacket *packet)
{
    int ret = avcodec_send_packet(m_decoder.get(), packet);
    if (ret < 0 && ret != AVERROR_EOF)
        ++m_decodeErrors;
    while ((ret = avcodec_receive_frame(m_decoder.get(), m_decoded.get())) >= 0) {
        handleFrame(m_decoded.get());
        av_frame_unref(m_decoded.get());
    }
    if (ret != AVERROR(EAGAIN) && ret != AVERROR_EOF)
        ++m_decodeErrors;
    if (!m_output && m_decodeErrors >= maxErrorsBeforeFirstFrame)
        throw ToolError(ExitInput, "the audio of " + printable(m_options.input) + " cannot be decoded");
}

void Transcoder::handleFrame(const AVFrame *frame)
{
    if (frame->nb_samples <= 0 || frame->sample_rate <= 0 || frame->ch_layout.nb_channels <= 0)
        return;
    if (!m_output)
        setUpOutput(frame);
    m_converter->push(frame);
    encodeAvailable(false);
}

// Waits for the first decoded frame: only then are the source's real rate, layout and
// sample format known. A source that never yields one leaves no output file at all.
void Transcoder::setUpOutput(const AVFrame *first)
{
    EncoderRequest request;
    request.sampleRate = m_options.sampleRate > 0 ? m_options.sampleRate : first->sample_rate;
    if (first->ch_layout.order == AV_CHANNEL_ORDER_NATIVE)
        request.sourceLayout = first->ch_layout;
    else
        av_channel_layout_default(&request.sourceLayout, first->ch_layout.nb_channels);
    request.channels = m_options.channels;
    request.sourceFormat = static_cast<AVSampleFormat>(first->format);
    request.bitRate = m_options.bitRate;
    request.globalHeader = m_container->flags & AVFMT_GLOBALHEADER;
    m_encoder = AudioEncoder::open(m_encoderChoice, request);
    m_frameSize = m_encoder->frameSize();

    AudioTarget target;
    target.sampleRate = m_encoder->sampleRate();
    target.layout = m_encoder->channelLayout(); // copied by the converter
    target.format = m_encoder->sampleFormat();
    target.gain = m_options.volume / 256.0;
    m_converter = std::make_unique<AudioConverter>(target);

    DictionaryHolder tags;
    tags.dict = collectTags(m_input.context(), m_input.context()->streams[m_streamIndex]);
    const std::optional<CoverArt> cover = findCoverArt(m_input.context());
    auto output = std::make_unique<OutputFile>(m_container, m_options.output);
    output->open(*m_encoder, tags.dict, cover ? &*cover : nullptr);
    m_output = std::move(output);
}

void Transcoder::encodeAvailable(bool last)
{
    if (m_frameSize > 0) {
        while (m_converter->available() >= m_frameSize)
            sendToEncoder(m_converter->pop(m_frameSize, m_frameSize), m_frameSize);
        const int rest = m_converter->available();
        if (last && rest > 0)
            sendToEncoder(m_converter->pop(rest, m_encoder->acceptsShortLastFrame() ? rest : m_frameSize), rest);
        return;
    }
    if (const int samples = m_converter->available(); samples > 0)
        sendToEncoder(m_converter->pop(samples, samples), samples);
}

void Transcoder::sendToEncoder(FramePtr frame, int realSamples)
{
    frame->pts = m_samplesSent;
    m_samplesSent += frame->nb_samples;
    m_realSamples += realSamples;
    m_encoder->sendFrame(frame.get());
    drainEncoder();
    m_progress.update(secondsWritten());
}

void Transcoder::drainEncoder()
{
    const AVRational timeBase{1, m_encoder->sampleRate()};
    while (m_encoder->receivePacket(m_encoded.get())) {
        m_output->writePacket(m_encoded.get(), timeBase);
        av_packet_unref(m_encoded.get());
    }
}

double Transcoder::secondsWritten() const
{
    return m_encoder ? static_cast<double>(m_realSamples) / m_encoder->sampleRate() : 0.0;
}

} // namespace kescvt
