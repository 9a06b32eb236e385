// An opened media file: refused early when it is not a regular file, probed with bounded
// reads, its stream information read. Nested opens (playlists, references to other files)
// are refused: the tool reads the one file it was given.
#pragma once

#include "avhandles.h"

#include <string>

namespace kescvt {

class InputFile {
public:
    // Throws ToolError(ExitInput) with the reason when the file cannot be read as media.
    explicit InputFile(const std::string &path);
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    AVFormatContext *context() const { return m_context.get(); }
    const std::string &path() const { return m_path; }
    // Index of the best audio stream and a decoder for it; -1 and null when there is none.
    int audioStreamIndex() const { return m_audioIndex; }
    const AVCodec *audioDecoder() const { return m_audioDecoder; }
    // Lets the demuxer skip every stream but the one being converted.
    void discardAllBut(int streamIndex);

    // Limits on what finding the format and the stream parameters may read.
    static constexpr int64_t probeSizeBytes = 5'000'000;
    static constexpr int64_t analyzeMicroseconds = 5'000'000;

private:
    void checkFileType() const;
    void openIo();
    const AVInputFormat *detectFormat();
    void openDemuxer(const AVInputFormat *format);
    void readStreamInfo();

    struct IoDeleter {
        void operator()(AVIOContext *io) const { avio_closep(&io); }
    };

    std::string m_path;
    // Declared before the demuxer so that it is closed after it.
    std::unique_ptr<AVIOContext, IoDeleter> m_io;
    InputContextPtr m_context;
    int m_audioIndex = -1;
    const AVCodec *m_audioDecoder = nullptr;
};

// "file:" keeps a path with a colon from being read as a protocol name.
std::string fileUrl(const std::string &path);

} // namespace kescvt
