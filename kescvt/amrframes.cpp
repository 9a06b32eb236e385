#include "amrframes.h"

#include "namematch.h"

#include <cstring>
#include <vector>
#include <unistd.h>

namespace kescvt {

void setAmrDuration(AVFormatContext *ctx, int fd, int64_t readEnd)
{
    static constexpr uint8_t narrowSizes[16] = {13, 14, 16, 18, 20, 21, 27, 32, 6, 1, 1, 1, 1, 1, 1, 1};
    static constexpr uint8_t wideSizes[16] = {18, 24, 33, 37, 41, 47, 51, 59, 61, 6, 1, 1, 1, 1, 1, 1};
    if (ctx->nb_streams != 1 || !isNamed(ctx->iformat->name, {"amr", "amrnb", "amrwb"}))
        return;
    AVStream *stream = ctx->streams[0];
    uint8_t head[9];
    if (::pread(fd, head, sizeof head, 0) != static_cast<ssize_t>(sizeof head))
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
    if (readEnd > maxScan)
        return;
    std::vector<uint8_t> buffer(1 << 16);
    int64_t frames = 0;
    int64_t bufferStart = 0;
    int64_t bufferEnd = 0;
    while (position < readEnd) {
        if (position >= bufferEnd) {
            const ssize_t got = ::pread(fd, buffer.data(), buffer.size(), position);
            if (got <= 0)
                break;
            bufferStart = position;
            bufferEnd = position + got;
        }
        const int64_t next = position + sizes[(buffer[static_cast<size_t>(position - bufferStart)] >> 3) & 0x0f];
        if (next > readEnd)
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

} // namespace kescvt
