#include "shortoutput.h"

#include <cstring>
#include <new>

namespace kescvt {

namespace {

int frameSamples(const AudioEncoder &encoder)
{
    return encoder.frameSize() > 0 ? encoder.frameSize() : encoder.sampleRate() / 50;
}

} // namespace

int64_t shortestReadableOutput(const AVOutputFormat *container, const AudioEncoder &encoder)
{
    // Frames given to the encoder (it adds its own delay to them). FFmpeg's probes are sure
    // of a bare stream from seven MPEG audio or AC-3 frames in a row, or three ADTS frames;
    // with fewer they guess, and a file name or another reader may decide otherwise. AMR
    // files begin with a magic line and open at any length.
    struct Least {
        const char *muxer;
        int frames;
    };
    static constexpr Least least[] = {{"mp3", 7}, {"mp2", 7}, {"ac3", 7}, {"adts", 3}};
    for (const Least &entry : least)
        if (std::strcmp(container->name, entry.muxer) == 0)
            return static_cast<int64_t>(entry.frames) * frameSamples(encoder);
    return 0;
}

FramePtr silentFrame(const AudioEncoder &encoder)
{
    FramePtr frame = makeFrame();
    if (!frame || av_channel_layout_copy(&frame->ch_layout, &encoder.channelLayout()) < 0)
        throw std::bad_alloc();
    frame->format = encoder.sampleFormat();
    frame->sample_rate = encoder.sampleRate();
    frame->nb_samples = frameSamples(encoder);
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        throw std::bad_alloc();
    av_samples_set_silence(frame->extended_data, 0, frame->nb_samples, frame->ch_layout.nb_channels,
                           static_cast<AVSampleFormat>(frame->format));
    return frame;
}

} // namespace kescvt
