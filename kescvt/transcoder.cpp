#include "transcoder.h"

#include "console.h"
#include "interruption.h"
#include "loudnessmeter.h"
#include "shortoutput.h"
#include "toolerror.h"

#include <algorithm>
#include <cmath>

namespace kescvt {

namespace {

// A stream that yields nothing but errors for this long is not worth reading to its end.
constexpr int maxErrorsBeforeFirstFrame = 100;

// Most input samples handed to the resampler at once, scaled by the rate ratio so that
// neither its output nor the queue of samples waiting for the encoder can grow with a
// frame's size or a header's sample rate.
constexpr int64_t maxOutputSamplesPerChunk = 16384;

[[noreturn]] void interrupted()
{
    throw ToolError(ExitInterrupted, "interrupted");
}

// Float sources may go past full scale and a volume below 100 % brings that back, so the
// limit leaves room: 24 dB above full scale.
constexpr double maxFloatSample = 16.0;

template <typename Sample>
void clampSamples(Sample *samples, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Sample value = samples[i];
        if (std::isnan(value))
            samples[i] = 0;
        else if (value > maxFloatSample)
            samples[i] = maxFloatSample;
        else if (value < -maxFloatSample)
            samples[i] = -maxFloatSample;
    }
}

// Floating-point samples may hold anything a file says: NaN, infinities and huge values
// crash some encoders and make others refuse the whole stream.
void clampFloatSamples(AVFrame *frame)
{
    const auto format = static_cast<AVSampleFormat>(frame->format);
    const AVSampleFormat packed = av_get_packed_sample_fmt(format);
    if (packed != AV_SAMPLE_FMT_FLT && packed != AV_SAMPLE_FMT_DBL)
        return;
    if (av_frame_make_writable(frame) < 0)
        throw std::bad_alloc();
    const bool planar = av_sample_fmt_is_planar(format);
    const int channels = frame->ch_layout.nb_channels;
    const int planes = planar ? channels : 1;
    const size_t perPlane = static_cast<size_t>(frame->nb_samples) * (planar ? 1 : channels);
    for (int plane = 0; plane < planes; ++plane) {
        if (packed == AV_SAMPLE_FMT_FLT)
            clampSamples(reinterpret_cast<float *>(frame->extended_data[plane]), perPlane);
        else
            clampSamples(reinterpret_cast<double *>(frame->extended_data[plane]), perPlane);
    }
}

bool saneFrame(const AVFrame *frame)
{
    return frame->nb_samples > 0 && frame->sample_rate >= minSampleRate && frame->sample_rate <= maxSampleRate &&
           frame->ch_layout.nb_channels > 0 && frame->ch_layout.nb_channels <= maxChannels;
}

} // namespace

Transcoder::Transcoder(const ToolOptions &options)
    : m_options(options), m_input(options.input), m_progress(options.progress)
{
    m_container = findContainer(options.container, options.output);
    m_encoderChoice = findEncoder(options.codec, m_container);
    m_streamIndex = m_input.audioStreamIndex();
    if (m_streamIndex < 0)
        throw ToolError(ExitInput, "no usable audio stream in " + printable(options.input));
    if (!m_input.audioDecoder())
        throw ToolError(ExitInput, std::string("no decoder for the ") +
                                       avcodec_get_name(m_input.context()->streams[m_streamIndex]->codecpar->codec_id) +
                                       " audio of " + printable(options.input));
    stopProbeDeadline();
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
    m_decoder = m_input.openAudioDecoder();
}

// The figures a loudness conversion needs are known before any output exists: given on
// the command line, or measured by a decode-only pass over the source first.
void Transcoder::prepareLoudness()
{
    if (m_options.track) {
        m_trackLoudness = *m_options.track;
    } else {
        const LoudnessResult measured = measureFile(m_options.input);
        m_trackLoudness = {measured.integrated, measured.truePeak};
    }
    if (m_options.loudness == 2)
        m_loudnessGainDb = normalisingGain(m_options.album ? *m_options.album : m_trackLoudness, m_options.loudnessTarget);
}

void Transcoder::run()
{
    if (m_options.loudness > 0)
        prepareLoudness();
    PacketPtr packet = makePacket();
    if (!packet)
        throw std::bad_alloc();
    // A read error past the first packets is a truncated file: what was read is converted.
    while (m_input.readPacket(packet.get())) {
        if (packet->stream_index == m_streamIndex)
            decodePacket(packet.get());
        av_packet_unref(packet.get());
        if (interruptionRequested())
            interrupted();
    }
    if (interruptionRequested())
        interrupted();
    decodePacket(nullptr);
    if (!m_output)
        throw ToolError(ExitInput, "no audio could be decoded from " + printable(m_options.input));
    m_converter->flush();
    encodeAvailable(true);
    for (const int64_t least = shortestReadableOutput(m_container, *m_encoder); m_samplesSent < least;)
        sendToEncoder(silentFrame(*m_encoder), 0);
    if (m_segments) {
        m_segments->finish();
    } else {
        m_encoder->sendFrame(nullptr);
        drainEncoder();
    }
    // Headers alone are no conversion: the caller must not take them for one.
    if (m_packetsWritten == 0 || m_realSamples == 0)
        throw ToolError(ExitInput, "too little audio in " + printable(m_options.input) + " to make a file of");
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

void Transcoder::handleFrame(AVFrame *frame)
{
    if (!saneFrame(frame)) {
        ++m_decodeErrors;
        return;
    }
    clampFloatSamples(frame);
    if (!m_output)
        setUpOutput(frame);
    const int chunk = static_cast<int>(std::clamp<int64_t>(
        maxOutputSamplesPerChunk * frame->sample_rate / m_encoder->sampleRate(), 1, maxOutputSamplesPerChunk));
    for (int offset = 0; offset < frame->nb_samples; offset += chunk) {
        m_converter->push(frame, offset, std::min(chunk, frame->nb_samples - offset));
        encodeAvailable(false);
        if (interruptionRequested())
            interrupted();
    }
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
    target.gain = m_options.volume / 256.0 * std::pow(10.0, m_loudnessGainDb / 20.0);
    m_converter = std::make_unique<AudioConverter>(target);

    DictionaryPtr tags = collectTags(m_input.context(), m_input.context()->streams[m_streamIndex]);
    // The tags describe the audio written: normalised, and after the volume.
    if (m_options.loudness > 0 && m_options.volume > 0) {
        const double written = m_loudnessGainDb + 20.0 * std::log10(m_options.volume / 256.0);
        // Setting a tag may move the dictionary.
        AVDictionary *dict = tags.release();
        addLoudnessTags(&dict, loudnessTagPlace(m_container, m_encoderChoice.codecId), m_trackLoudness,
                        m_options.album ? &*m_options.album : nullptr, written);
        tags.reset(dict);
    }
    const std::optional<CoverArt> cover = findCoverArt(m_input.context());
    // From here on the file is ours to remove: a stop goes through the loop.
    endThroughLoopOnStop();
    auto output = std::make_unique<OutputFile>(m_container, m_options.output);
    output->open(*m_encoder, tags.get(), cover ? &*cover : nullptr);
    m_output = std::move(output);
    startSegments();
}

// Several encoding threads, where asked for and where the codec can be split exactly.
void Transcoder::startSegments()
{
    const int threads = encodingThreads(m_options.threads);
    const std::optional<SegmentRule> rule = segmentRuleFor(m_encoderChoice.codecId);
    if (threads <= 1 || !rule)
        return;
    const AVRational timeBase{1, m_encoder->sampleRate()};
    m_segments = std::make_unique<SegmentEncoder>(
        *m_encoder, *rule, threads,
        [this, timeBase](AVPacket *packet) {
            m_output->writePacket(packet, timeBase);
            ++m_packetsWritten;
        },
        [this](int64_t realSamples) { m_progress.update(static_cast<double>(realSamples) / m_encoder->sampleRate()); },
        m_options.segmentSamples);
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
    if (m_segments) {
        m_segments->add(std::move(frame), realSamples);
        return;
    }
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
        ++m_packetsWritten;
    }
}

double Transcoder::secondsWritten() const
{
    return m_encoder ? static_cast<double>(m_realSamples) / m_encoder->sampleRate() : 0.0;
}

} // namespace kescvt
