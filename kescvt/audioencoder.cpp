#include "audioencoder.h"

#include "amrencoder.h"
#include "ffmpegencoder.h"

namespace kescvt {

std::unique_ptr<AudioEncoder> AudioEncoder::open(const EncoderChoice &choice, const EncoderRequest &request)
{
    switch (choice.kind) {
    case EncoderChoice::AmrNarrow:
        return std::make_unique<AmrEncoder>(false, request);
    case EncoderChoice::AmrWide:
        return std::make_unique<AmrEncoder>(true, request);
    case EncoderChoice::Ffmpeg:
        break;
    }
    return std::make_unique<FfmpegEncoder>(choice.codec, request);
}

} // namespace kescvt
