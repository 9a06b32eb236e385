#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

// The bytes of a 16-bit PCM WAV file holding a sine tone on every channel.
inline std::string sineWavBytes(double seconds, int rate, int channels, double frequency = 440.0,
                                double amplitude = 8000.0)
{
    auto put = [](std::string &out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    const std::uint32_t dataBytes = frames * static_cast<std::uint32_t>(channels) * 2;
    std::string wav = "RIFF";
    put(wav, 36 + dataBytes, 4);
    wav += "WAVEfmt ";
    put(wav, 16, 4);
    put(wav, 1, 2);
    put(wav, static_cast<std::uint32_t>(channels), 2);
    put(wav, static_cast<std::uint32_t>(rate), 4);
    put(wav, static_cast<std::uint32_t>(rate * channels * 2), 4);
    put(wav, static_cast<std::uint32_t>(channels * 2), 2);
    put(wav, 16, 2);
    wav += "data";
    put(wav, dataBytes, 4);
    wav.reserve(wav.size() + dataBytes);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::int16_t>(amplitude * std::sin(2.0 * M_PI * frequency * i / rate));
        for (int c = 0; c < channels; ++c)
            put(wav, static_cast<std::uint16_t>(sample), 2);
    }
    return wav;
}

// Writes a 16-bit mono PCM WAV file holding a sine tone.
inline void writeSineWav(const std::string &path, double seconds, int rate = 44100,
                         double frequency = 440.0)
{
    std::ofstream(path, std::ios::binary) << sineWavBytes(seconds, rate, 1, frequency, 12000.0);
}
