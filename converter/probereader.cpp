#include "converter/probereader.h"

#include "converter/outputparsers.h"
#include "core/mediaitem.h"

ProbeReader::ProbeReader(MediaItem &item)
    : m_item(item)
{
}

void ProbeReader::takeLine(std::string_view line)
{
    static constexpr std::string_view durationKeyword = "Duration:";
    static constexpr std::string_view videoKeyword = "Video:";
    static constexpr std::string_view audioKeyword = "Audio:";

    line = skipBlanks(line);
    if (!m_durationTaken && line.starts_with(durationKeyword)) {
        m_durationTaken = true;
        m_item.durationSeconds = parseDuration(skipBlanks(line.substr(durationKeyword.size())));
        return;
    }
    const std::optional<std::string_view> stream = streamDescription(line);
    if (!stream)
        return;
    if (!m_videoTaken && stream->starts_with(videoKeyword)) {
        m_videoTaken = true;
        const VideoFields video = parseVideoFields(stream->substr(videoKeyword.size()));
        m_item.videoWidth = video.width;
        m_item.videoHeight = video.height;
        m_item.frameRate = video.frameRate;
    } else if (!m_audioTaken && stream->starts_with(audioKeyword)) {
        m_audioTaken = true;
        const AudioFields audio = parseAudioFields(stream->substr(audioKeyword.size()));
        m_item.sampleRate = audio.sampleRate;
        m_item.audioChannels = audio.channels;
    }
}
