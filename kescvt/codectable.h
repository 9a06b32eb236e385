// Which encoder and which muxer a conversion uses: the codec ids and container names the
// program sends, mapped onto FFmpeg's encoders and muxers and the tool's own AMR encoders.
#pragma once

#include "ffmpegcompat.h"

#include <string>

namespace kescvt {

struct EncoderChoice {
    enum Kind { Ffmpeg, AmrNarrow, AmrWide };
    Kind kind = Ffmpeg;
    const AVCodec *codec = nullptr; // for Ffmpeg
    AVCodecID codecId = AV_CODEC_ID_NONE;
    std::string name; // for messages: the encoder's name
};

// The muxer for "-f NAME", or from the output file's last extension when NAME is empty.
// Throws ToolError(ExitUnsupported) when there is none.
const AVOutputFormat *findContainer(const std::string &forced, const std::string &outputPath);

// The encoder for "-acodec ID", or the container's own audio codec when ID is empty.
// Throws ToolError(ExitUnsupported) when there is none or the container cannot hold it.
EncoderChoice findEncoder(const std::string &codecId, const AVOutputFormat *container);

// Lower-case extension of the file-name part of a path, without the dot; empty when none.
std::string pathExtension(const std::string &path);

} // namespace kescvt
