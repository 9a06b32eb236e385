// The file a conversion writes. It exists from open() on; unless finish() completes, the
// destructor removes it, so a failed or interrupted run leaves nothing behind.
#pragma once

#include "avhandles.h"
#include "coverart.h"
#include "mp4freeform.h"

#include <string>

namespace kescvt {

class AudioEncoder;

class OutputFile {
public:
    OutputFile(const AVOutputFormat *format, const std::string &path);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Refuses before anything is written: an output that is the input itself, one that is
    // not a regular file (a symbolic link included), or one that exists when overwriting
    // was not asked for.
    static void checkTarget(const std::string &path, const std::string &inputPath, bool overwrite);

    // Creates (or truncates) the file, adds the audio stream and writes the header with
    // the tags and, where the container holds one, the cover picture.
    void open(const AudioEncoder &encoder, const AVDictionary *tags, const CoverArt *cover = nullptr);
    // A packet with times in 1/sampleRate of the encoder.
    void writePacket(AVPacket *packet, AVRational encoderTimeBase);
    // Writes the trailer and closes the file; from then on the file stays.
    void finish();

private:
    [[noreturn]] void writeError(const std::string &what, int ret) const;
    void addTags(const AVDictionary *tags, const CoverArt *cover);
    void addPictureStream(const CoverArt &cover);
    void writePicture(const CoverArt &cover);

    std::string m_path;
    OutputContextPtr m_context;
    AVStream *m_stream = nullptr;
    AVStream *m_pictureStream = nullptr;
    FreeformItems m_freeformItems; // added to an MP4 file once it is finished
    bool m_created = false;
    bool m_finished = false;
};

// Copies title, artist, album, track, date, genre and comment, taking the container's
// tags first and the audio stream's (where Ogg and some others keep them) for the rest.
DictionaryPtr collectTags(const AVFormatContext *input, const AVStream *audio);

} // namespace kescvt
