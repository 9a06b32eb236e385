#include "testmedia.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void put16(std::string &out, uint16_t v)
{
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>(v >> 8);
}

void put32(std::string &out, uint32_t v)
{
    put16(out, static_cast<uint16_t>(v & 0xffff));
    put16(out, static_cast<uint16_t>(v >> 16));
}

uint32_t get32(const std::string &in, size_t at)
{
    return static_cast<uint8_t>(in[at]) | static_cast<uint8_t>(in[at + 1]) << 8 |
           static_cast<uint8_t>(in[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(in[at + 3])) << 24;
}

} // namespace

void writeBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string &path)
{
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

long fileSize(const std::string &path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

namespace {

std::string sineWav(int sampleRate, int channels, double seconds, double amplitude, double frequency,
                    const std::string &extraChunk)
{
    const auto frames = static_cast<uint32_t>(std::lround(sampleRate * seconds));
    const uint32_t dataBytes = frames * channels * 2;
    std::string wav = "RIFF";
    put32(wav, static_cast<uint32_t>(36 + extraChunk.size()) + dataBytes);
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, 1);
    put16(wav, static_cast<uint16_t>(channels));
    put32(wav, static_cast<uint32_t>(sampleRate));
    put32(wav, static_cast<uint32_t>(sampleRate * channels * 2));
    put16(wav, static_cast<uint16_t>(channels * 2));
    put16(wav, 16);
    wav += extraChunk;
    wav += "data";
    put32(wav, dataBytes);
    wav.reserve(wav.size() + dataBytes);
    for (uint32_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2.0 * M_PI * frequency * i / sampleRate);
        const auto sample = static_cast<int16_t>(std::lround(value * 32767.0));
        for (int c = 0; c < channels; ++c)
            put16(wav, static_cast<uint16_t>(sample));
    }
    return wav;
}

void putInfo(std::string &chunk, const char *id, const std::string &text)
{
    std::string value = text + '\0';
    if (value.size() & 1)
        value += '\0';
    chunk += id;
    put32(chunk, static_cast<uint32_t>(text.size() + 1));
    chunk += value;
}

} // namespace

void writeSineWav(const std::string &path, int sampleRate, int channels, double seconds, double amplitude,
                  double frequency)
{
    writeBytes(path, sineWav(sampleRate, channels, seconds, amplitude, frequency, {}));
}

void writeTaggedSineWav(const std::string &path, double seconds, const std::string &title, const std::string &artist)
{
    std::string info = "INFO";
    putInfo(info, "INAM", title);
    putInfo(info, "IART", artist);
    std::string chunk = "LIST";
    put32(chunk, static_cast<uint32_t>(info.size()));
    chunk += info;
    writeBytes(path, sineWav(44100, 2, seconds, 0.5, 440.0, chunk));
}

void writeRawWav(const std::string &path, int formatTag, int channels, uint32_t rate, int bits, const std::string &data,
                 uint32_t declaredBytes, long long extendTo)
{
    const uint32_t dataBytes = declaredBytes ? declaredBytes : static_cast<uint32_t>(data.size());
    const int blockAlign = std::max(1, channels * bits / 8);
    std::string wav = "RIFF";
    put32(wav, 36 + dataBytes);
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, static_cast<uint16_t>(formatTag));
    put16(wav, static_cast<uint16_t>(channels));
    put32(wav, rate);
    put32(wav, rate * static_cast<uint32_t>(blockAlign));
    put16(wav, static_cast<uint16_t>(blockAlign));
    put16(wav, static_cast<uint16_t>(bits));
    wav += "data";
    put32(wav, dataBytes);
    writeBytes(path, wav + data);
    if (extendTo > 0 && truncate(path.c_str(), extendTo) != 0)
        throw std::runtime_error("cannot extend " + path);
}

int wavPeak(const std::string &path)
{
    const std::string wav = readBytes(path);
    if (wav.size() < 12 || wav.compare(0, 4, "RIFF") != 0 || wav.compare(8, 4, "WAVE") != 0)
        return -1;
    size_t at = 12;
    while (at + 8 <= wav.size()) {
        const uint32_t size = get32(wav, at + 4);
        if (wav.compare(at, 4, "data") == 0) {
            const size_t end = std::min(wav.size(), at + 8 + static_cast<size_t>(size));
            int peak = 0;
            for (size_t i = at + 8; i + 1 < end; i += 2) {
                const auto sample = static_cast<int16_t>(static_cast<uint8_t>(wav[i]) | static_cast<uint8_t>(wav[i + 1]) << 8);
                peak = std::max(peak, std::abs(static_cast<int>(sample)));
            }
            return peak;
        }
        at += 8 + size + (size & 1);
    }
    return -1;
}

void writeY4m(const std::string &path, int width, int height, int frames, int fps)
{
    std::string video = "YUV4MPEG2 W" + std::to_string(width) + " H" + std::to_string(height) + " F" +
                        std::to_string(fps) + ":1 Ip A1:1 C420jpeg\n";
    const size_t frameBytes = static_cast<size_t>(width) * height * 3 / 2;
    for (int i = 0; i < frames; ++i) {
        video += "FRAME\n";
        video.append(frameBytes, static_cast<char>(0x80));
    }
    writeBytes(path, video);
}
