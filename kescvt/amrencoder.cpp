#include "amrencoder.h"

#include "console.h"
#include "toolerror.h"

#include <cstdlib>
#include <cstring>

extern "C" {
#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>
}

namespace kescvt {

namespace {

constexpr int narrowRates[] = {4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200};
constexpr int wideRates[] = {6600, 8850, 12650, 14250, 15850, 18250, 19850, 23050, 23850};
constexpr int narrowModes = sizeof narrowRates / sizeof narrowRates[0];
constexpr int wideModes = sizeof wideRates / sizeof wideRates[0];

// Largest storage frame: one mode byte and 244 (narrow) or 477 (wide) speech bits.
constexpr int maxFrameBytes = 128;

} // namespace

int AmrEncoder::modeForBitRate(bool wide, int64_t bitRate)
{
    const int *rates = wide ? wideRates : narrowRates;
    const int count = wide ? wideModes : narrowModes;
    if (bitRate <= 0)
        return count - 1;
    int best = 0;
    for (int mode = 1; mode < count; ++mode)
        if (std::llabs(rates[mode] - bitRate) < std::llabs(rates[best] - bitRate))
            best = mode;
    return best;
}

int AmrEncoder::bitRateOfMode(bool wide, int mode)
{
    return wide ? wideRates[mode] : narrowRates[mode];
}

AmrEncoder::AmrEncoder(bool wide, const EncoderRequest &request)
    : m_wide(wide), m_mode(modeForBitRate(wide, request.bitRate))
{
    const char *name = wide ? "AMR-WB" : "AMR-NB";
    if (request.sampleRate != sampleRate())
        printNotice(std::string(name) + " does not take " + std::to_string(request.sampleRate) + " Hz; using " +
                    std::to_string(sampleRate()) + " Hz");
    const int channels = request.channels > 0 ? request.channels : request.sourceLayout.nb_channels;
    if (channels != 1)
        printNotice(std::string(name) + " does not take " + std::to_string(channels) + " channels; using 1");
    const int64_t rate = bitRateOfMode(wide, m_mode);
    if (request.bitRate > 0 && std::llabs(rate - request.bitRate) > 5)
        printNotice(std::string(name) + " does not take " + kbpsText(request.bitRate) + " kb/s; using " + kbpsText(rate) +
                    " kb/s");
    m_state = wide ? E_IF_init() : Encoder_Interface_init(0);
    if (!m_state)
        throw std::bad_alloc();
}

AmrEncoder::~AmrEncoder()
{
    if (m_wide)
        E_IF_exit(m_state);
    else
        Encoder_Interface_exit(m_state);
}

void AmrEncoder::fillStreamParameters(AVCodecParameters *par) const
{
    par->codec_type = AVMEDIA_TYPE_AUDIO;
    par->codec_id = m_wide ? AV_CODEC_ID_AMR_WB : AV_CODEC_ID_AMR_NB;
    par->sample_rate = sampleRate();
    par->format = AV_SAMPLE_FMT_S16;
    par->bit_rate = bitRateOfMode(m_wide, m_mode);
    par->frame_size = frameSize();
    av_channel_layout_uninit(&par->ch_layout);
    par->ch_layout = AV_CHANNEL_LAYOUT_MONO;
}

std::unique_ptr<AudioEncoder> AmrEncoder::twin() const
{
    EncoderRequest request;
    request.sampleRate = sampleRate();
    request.channels = 1;
    request.bitRate = bitRateOfMode(m_wide, m_mode);
    return std::make_unique<AmrEncoder>(m_wide, request);
}

void AmrEncoder::sendFrame(const AVFrame *frame)
{
    if (!frame)
        return; // neither library holds samples back
    if (frame->nb_samples != frameSize())
        throw ToolError(ExitUnsupported, "AMR frame of the wrong size");
    // A segment encoded apart starts where its frames say, not at zero.
    if (frame->pts != AV_NOPTS_VALUE)
        m_nextPts = frame->pts;
    const auto *speech = reinterpret_cast<const short *>(frame->data[0]);
    Encoded encoded{std::vector<uint8_t>(maxFrameBytes), m_nextPts};
    const int bytes = m_wide ? E_IF_encode(m_state, m_mode, speech, encoded.bytes.data(), 0)
                             : Encoder_Interface_Encode(m_state, static_cast<Mode>(m_mode), speech, encoded.bytes.data(), 0);
    if (bytes <= 0 || bytes > maxFrameBytes)
        throw ToolError(ExitUnsupported, "the AMR encoder failed");
    encoded.bytes.resize(bytes);
    m_ready.push_back(std::move(encoded));
    m_nextPts += frameSize();
}

bool AmrEncoder::receivePacket(AVPacket *packet)
{
    if (m_ready.empty())
        return false;
    const Encoded &front = m_ready.front();
    if (av_new_packet(packet, static_cast<int>(front.bytes.size())) < 0)
        throw std::bad_alloc();
    std::memcpy(packet->data, front.bytes.data(), front.bytes.size());
    packet->pts = packet->dts = front.pts;
    packet->duration = frameSize();
    m_ready.pop_front();
    return true;
}

} // namespace kescvt
