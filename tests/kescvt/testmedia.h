// Media made by the tests themselves: sine WAVs, a raw YUV4MPEG video, a scratch folder.
#pragma once

#include <cstdint>
#include <string>

#include "scratchfolder.h"

using TempDir = ScratchFolder;

// 16-bit PCM WAV, every channel the same sine at `amplitude` (0..1 of full scale).
void writeSineWav(const std::string &path, int sampleRate, int channels, double seconds, double amplitude = 0.5,
                  double frequency = 440.0);
// A WAV whose header says what it is told, hostile values included: the format tag, channels,
// rate and bits as given, `data` as the samples, and a data size of `declaredBytes` (the size
// of `data` when 0). extendTo > 0 makes the file that long with zeros the file system does
// not store (a sparse file, as an unfinished download leaves).
void writeRawWav(const std::string &path, int formatTag, int channels, uint32_t rate, int bits, const std::string &data,
                 uint32_t declaredBytes = 0, long long extendTo = 0);
// The same with a LIST/INFO chunk carrying a title and an artist.
void writeTaggedSineWav(const std::string &path, double seconds, const std::string &title, const std::string &artist);
// The largest absolute sample of a 16-bit PCM WAV, 0..32768; -1 when it cannot be read.
int wavPeak(const std::string &path);
// A YUV4MPEG2 video of grey frames: a video file with no audio.
void writeY4m(const std::string &path, int width, int height, int frames, int fps);
void writeBytes(const std::string &path, const std::string &bytes);
std::string readBytes(const std::string &path);
bool fileExists(const std::string &path);
long fileSize(const std::string &path);
