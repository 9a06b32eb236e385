#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

// Writes a 16-bit mono PCM WAV file holding a sine tone.
inline void writeSineWav(const std::string &path, double seconds, int rate = 44100,
                         double frequency = 440.0)
{
    const uint32_t samples = static_cast<uint32_t>(seconds * rate);
    const uint32_t dataBytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char *>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(static_cast<uint32_t>(rate));
    u32(static_cast<uint32_t>(rate) * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (uint32_t i = 0; i < samples; ++i)
        u16(static_cast<uint16_t>(static_cast<int16_t>(
            12000 * std::sin(2 * M_PI * frequency * i / rate))));
}
