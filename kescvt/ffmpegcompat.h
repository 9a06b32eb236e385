// FFmpeg headers and the one place where library versions are checked.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

// The tool uses only AVChannelLayout (ch_layout), which arrived in libavutil 57.24.100
// and libavcodec 59.24.100 together with the channel-layout fields of AVCodec.
#if LIBAVUTIL_VERSION_INT < AV_VERSION_INT(57, 24, 100)
#error "kescvt needs FFmpeg 5.1 or newer (libavutil >= 57.24.100, the AVChannelLayout API)"
#endif
#if LIBAVCODEC_VERSION_INT < AV_VERSION_INT(59, 24, 100)
#error "kescvt needs FFmpeg 5.1 or newer (libavcodec >= 59.24.100)"
#endif
#if LIBAVFORMAT_VERSION_INT < AV_VERSION_INT(59, 16, 100)
#error "kescvt needs FFmpeg 5.1 or newer (libavformat >= 59.16.100)"
#endif

