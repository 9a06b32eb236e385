#pragma once

#include <string_view>

struct MediaItem;

// Turns the lines of a probe run into a media item's properties: the first
// duration line, the first video stream and the first audio stream. Later lines
// of a kind already taken change nothing.
//
//   Duration: 01:02:03.50, start: 0.000000, bitrate: 128 kb/s
//     Stream #0.0: Audio: mp3, 44100 Hz, stereo, s16, 128 kb/s
class ProbeReader {
public:
    explicit ProbeReader(MediaItem &item);

    void takeLine(std::string_view line);

    // Whether a video or an audio stream line was found; a duration alone
    // does not make a file readable.
    bool verdict() const { return m_videoTaken || m_audioTaken; }

private:
    MediaItem &m_item;
    bool m_durationTaken = false;
    bool m_videoTaken = false;
    bool m_audioTaken = false;
};
