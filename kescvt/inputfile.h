// An opened media file: refused early when it is not a regular file, read through the
// tool's own bounded reader, its stream information read. Only the named file is read: no
// protocol but a plain file, no format that refers to other files (playlists, concat lists,
// session descriptions), no nested opens.
#pragma once

#include "avhandles.h"
#include "boundedreader.h"

#include <deque>
#include <string>
#include <vector>

namespace kescvt {

class InputFile {
public:
    // Throws ToolError(ExitInput) with the reason when the file cannot be read as media,
    // ToolError(ExitInterrupted) when a stop came while opening.
    explicit InputFile(const std::string &path);
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    AVFormatContext *context() const { return m_context.get(); }
    const std::string &path() const { return m_path; }
    // Index of the best usable audio stream and a decoder for it; -1 and null when there
    // is none (see isUsableAudio()).
    int audioStreamIndex() const { return m_audioIndex; }
    const AVCodec *audioDecoder() const { return m_audioDecoder; }
    // An opened decoder of audioDecoder() for that stream; throws ToolError(ExitInput).
    CodecContextPtr openAudioDecoder() const;
    // Lets the demuxer skip every stream but the one being converted.
    void discardAllBut(int streamIndex);
    // av_read_frame with the bound on bytes read between two packets; false at the end.
    bool readPacket(AVPacket *packet);

    // Limits on what finding the format and the stream parameters may read.
    static constexpr int64_t probeSizeBytes = 5'000'000;
    static constexpr int64_t analyzeMicroseconds = 5'000'000;
    // Reading for a first decoded frame of each stream stops after this much, or after
    // this many decoding errors (a stream that yields nothing but errors is not audio).
    static constexpr int64_t maxQueuedBytes = 8LL << 20;
    static constexpr size_t maxQueuedPackets = 2000;
    static constexpr int maxDecodeFailures = 100;

private:
    const AVInputFormat *detectFormat();
    void openDemuxer(const AVInputFormat *format);
    void readStreamInfo();
    void checkDecodable();
    [[noreturn]] void failOpen(const std::string &text, int ret) const;

    std::string m_path;
    // Declared before the demuxer so that it is freed after it.
    BoundedReader m_reader;
    InputContextPtr m_context;
    std::deque<PacketPtr> m_queue; // read while checking the streams, not yet handed out
    int m_audioIndex = -1;
    const AVCodec *m_audioDecoder = nullptr;
};

// An audio stream worth a line and a conversion: a decoder exists and its rate and channel
// count lie in sane ranges.
bool isUsableAudio(const AVCodecParameters *par);
constexpr int minSampleRate = 1000;
constexpr int maxSampleRate = 768000;
constexpr int maxChannels = 64;

// Caps every single allocation of the FFmpeg libraries: a header field cannot make them
// ask for gigabytes.
void limitAllocations();
constexpr size_t maxAllocationBytes = 256u << 20;

// "file:" keeps a path with a colon from being read as a protocol name.
std::string fileUrl(const std::string &path);

} // namespace kescvt
