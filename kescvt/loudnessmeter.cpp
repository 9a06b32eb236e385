#include "loudnessmeter.h"

#include "console.h"
#include "inputfile.h"
#include "interruption.h"
#include "toolerror.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kescvt {

namespace {

constexpr int maxErrorsBeforeFirstFrame = 100;

} // namespace

bool LoudnessResult::defined() const
{
    return std::isfinite(integrated);
}

void LoudnessMeter::StateDeleter::operator()(ebur128_state *state) const
{
    ebur128_destroy(&state);
}

LoudnessMeter::LoudnessMeter() = default;
LoudnessMeter::~LoudnessMeter() = default;

void LoudnessMeter::add(const AVFrame *frame)
{
    if (!m_converter) {
        AudioTarget target;
        target.sampleRate = frame->sample_rate;
        if (frame->ch_layout.order == AV_CHANNEL_ORDER_NATIVE)
            av_channel_layout_copy(&target.layout, &frame->ch_layout);
        else
            av_channel_layout_default(&target.layout, frame->ch_layout.nb_channels);
        target.format = AV_SAMPLE_FMT_FLT;
        m_converter = std::make_unique<AudioConverter>(target);
        av_channel_layout_uninit(&target.layout);
        m_channels = frame->ch_layout.nb_channels;
        m_state.reset(ebur128_init(static_cast<unsigned>(m_channels), static_cast<unsigned long>(frame->sample_rate),
                                   EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
        if (!m_state)
            throw std::bad_alloc();
        m_blockStep = std::max(1, frame->sample_rate / 10);
    }
    constexpr int piece = 8192;
    for (int offset = 0; offset < frame->nb_samples; offset += piece) {
        m_converter->push(frame, offset, std::min(piece, frame->nb_samples - offset));
        while (const int samples = m_converter->available()) {
            const FramePtr converted = m_converter->pop(samples, samples);
            feed(reinterpret_cast<const float *>(converted->data[0]), samples);
        }
    }
}

// Fed up to each 100 ms boundary: there libebur128 completes a gating block, and the
// momentary loudness is that block's loudness.
void LoudnessMeter::feed(const float *samples, int count)
{
    while (count > 0) {
        const long step = std::min<long>(count, m_blockStep - m_fed);
        if (ebur128_add_frames_float(m_state.get(), samples, static_cast<size_t>(step)) != EBUR128_SUCCESS)
            throw std::bad_alloc();
        samples += step * m_channels;
        count -= static_cast<int>(step);
        m_fed += step;
        m_total += step;
        if (m_fed < m_blockStep)
            continue;
        m_fed = 0;
        double block = 0.0;
        if (m_total >= 4 * m_blockStep && ebur128_loudness_momentary(m_state.get(), &block) == EBUR128_SUCCESS &&
            block >= blockBinFloor)
            ++m_blocks[static_cast<int>(std::floor((block - blockBinFloor) / blockBinWidth))];
    }
}

LoudnessResult LoudnessMeter::result()
{
    LoudnessResult result;
    result.integrated = -HUGE_VAL;
    if (m_converter) {
        m_converter->flush();
        if (const int samples = m_converter->available()) {
            const FramePtr converted = m_converter->pop(samples, samples);
            feed(reinterpret_cast<const float *>(converted->data[0]), samples);
        }
    }
    if (!m_state)
        return result;
    double loudness = -HUGE_VAL;
    if (ebur128_loudness_global(m_state.get(), &loudness) == EBUR128_SUCCESS)
        result.integrated = loudness;
    for (int channel = 0; channel < m_channels; ++channel) {
        double peak = 0.0;
        if (ebur128_true_peak(m_state.get(), static_cast<unsigned>(channel), &peak) == EBUR128_SUCCESS)
            result.truePeak = std::max(result.truePeak, peak);
    }
    result.blocks = m_blocks;
    return result;
}

LoudnessResult measureFile(const std::string &path)
{
    InputFile input(path);
    stopProbeDeadline();
    const int streamIndex = input.audioStreamIndex();
    if (streamIndex < 0 || !input.audioDecoder())
        throw ToolError(ExitInput, "no usable audio stream in " + printable(path));
    input.discardAllBut(streamIndex);
    const AVStream *stream = input.context()->streams[streamIndex];
    CodecContextPtr decoder = input.openAudioDecoder();
    FramePtr frame = makeFrame();
    PacketPtr packet = makePacket();
    if (!frame || !packet)
        throw std::bad_alloc();

    LoudnessMeter meter;
    int errors = 0;
    bool anyFrame = false;
    auto decode = [&](const AVPacket *pkt) {
        if (avcodec_send_packet(decoder.get(), pkt) < 0 && pkt)
            ++errors;
        int got;
        while ((got = avcodec_receive_frame(decoder.get(), frame.get())) >= 0) {
            const bool sane = frame->nb_samples > 0 && frame->sample_rate >= minSampleRate &&
                              frame->sample_rate <= maxSampleRate && frame->ch_layout.nb_channels > 0 &&
                              frame->ch_layout.nb_channels <= maxChannels;
            if (sane) {
                meter.add(frame.get());
                anyFrame = true;
            } else {
                ++errors;
            }
            av_frame_unref(frame.get());
        }
        if (got != AVERROR(EAGAIN) && got != AVERROR_EOF)
            ++errors;
        if (!anyFrame && errors >= maxErrorsBeforeFirstFrame)
            throw ToolError(ExitInput, "the audio of " + printable(path) + " cannot be decoded");
    };
    while (input.readPacket(packet.get())) {
        if (packet->stream_index == streamIndex)
            decode(packet.get());
        av_packet_unref(packet.get());
        if (interruptionRequested())
            throw ToolError(ExitInterrupted, "interrupted");
    }
    decode(nullptr);
    if (!anyFrame)
        throw ToolError(ExitInput, "no audio could be decoded from " + printable(path));
    LoudnessResult result = meter.result();
    auto tag = [&](const char *key) -> std::string {
        const AVDictionaryEntry *entry = av_dict_get(input.context()->metadata, key, nullptr, 0);
        if (!entry)
            entry = av_dict_get(stream->metadata, key, nullptr, 0);
        return entry ? entry->value : "";
    };
    result.album = tag("album");
    result.albumArtist = tag("album_artist");
    return result;
}

std::string loudnessLine(const LoudnessResult &result)
{
    char text[96];
    if (result.defined())
        std::snprintf(text, sizeof text, "Loudness: %.2f LUFS, peak %.6f", result.integrated, result.truePeak);
    else
        std::snprintf(text, sizeof text, "Loudness: undefined, peak %.6f", result.truePeak);
    return text;
}

std::string blocksLine(const LoudnessResult &result)
{
    std::string line = "Blocks:";
    for (const auto &[bin, count] : result.blocks)
        line += " " + std::to_string(bin) + ":" + std::to_string(count);
    return line;
}

} // namespace kescvt

namespace kescvt {

void printLoudnessReport(const std::string &path)
{
    const LoudnessResult result = measureFile(path);
    printLine(loudnessLine(result));
    printLine(blocksLine(result));
    printLine("Album: " + printable(result.album));
    printLine("AlbumArtist: " + printable(result.albumArtist));
}

} // namespace kescvt
