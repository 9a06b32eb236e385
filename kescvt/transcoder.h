// One conversion: read the best audio stream, decode, convert, encode, write, with the
// source's tags and cover picture. Every other stream (video, subtitles) is skipped.
#pragma once

#include "audioconverter.h"
#include "audioencoder.h"
#include "avhandles.h"
#include "codectable.h"
#include "inputfile.h"
#include "loudnessgain.h"
#include "outputfile.h"
#include "progressreporter.h"
#include "segmentencoder.h"
#include "tooloptions.h"

#include <memory>

namespace kescvt {

class Transcoder {
public:
    // Opens the input and checks codec, container and target; throws ToolError.
    explicit Transcoder(const ToolOptions &options);
    Transcoder(const Transcoder &) = delete;
    Transcoder &operator=(const Transcoder &) = delete;

    // Converts; the output is complete when this returns, and removed when it throws.
    void run();

private:
    void openDecoder();
    void prepareLoudness();
    void decodePacket(const AVPacket *packet);
    void handleFrame(AVFrame *frame);
    void setUpOutput(const AVFrame *first);
    void startSegments();
    void encodeAvailable(bool last);
    void sendToEncoder(FramePtr frame, int realSamples);
    void drainEncoder();
    double secondsWritten() const;

    ToolOptions m_options;
    InputFile m_input;
    const AVOutputFormat *m_container = nullptr;
    EncoderChoice m_encoderChoice;
    int m_streamIndex = -1;
    CodecContextPtr m_decoder;
    FramePtr m_decoded;
    PacketPtr m_encoded;
    std::unique_ptr<AudioEncoder> m_encoder;
    std::unique_ptr<AudioConverter> m_converter;
    std::unique_ptr<OutputFile> m_output;
    ProgressReporter m_progress;
    int m_frameSize = 0;
    int64_t m_samplesSent = 0; // pts of the next frame, padding included
    int64_t m_realSamples = 0; // samples that came from the source
    int m_decodeErrors = 0;
    int64_t m_packetsWritten = 0;
    LoudnessFigures m_trackLoudness;  // of the source, with -loudness
    double m_loudnessGainDb = 0.0;    // applied on top of the volume
    // Last, so that its threads end before anything they read goes away.
    std::unique_ptr<SegmentEncoder> m_segments;
};

} // namespace kescvt
