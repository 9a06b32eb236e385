#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

// Writes a 16-bit stereo PCM WAV that sounds somewhat like music: a new chord of a few
// partials every 0.35 s with a sharp attack and a decay, a bass line, and a little noise,
// different on the two channels. Lossy encoders switch windows and spend bits unevenly on
// it, which is what makes seams between segments show. Deterministic.
inline void writeMusicWav(const std::string &path, double seconds, int rate = 44100)
{
    auto put = [](std::ofstream &out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    const std::uint32_t dataBytes = frames * 4;
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    put(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);
    put(out, 2, 2);
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate * 4), 4);
    put(out, 4, 2);
    put(out, 16, 2);
    out << "data";
    put(out, dataBytes, 4);

    const auto noteSamples = static_cast<std::uint32_t>(0.35 * rate);
    std::uint32_t noise = 12345;
    std::string buffer;
    buffer.reserve(1 << 16);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const std::uint32_t note = i / noteSamples;
        const double t = static_cast<double>(i % noteSamples) / rate;
        const double envelope = (1.0 - std::exp(-t * 400.0)) * std::exp(-t * 4.0);
        const double root = 110.0 * std::pow(2.0, static_cast<double>((note * 7) % 12) / 12.0);
        const double time = static_cast<double>(i) / rate;
        double left = 0.0;
        double right = 0.0;
        for (int partial = 1; partial <= 6; ++partial) {
            const double level = 0.5 / partial;
            left += level * std::sin(2.0 * M_PI * root * partial * 2.0 * time);
            right += level * std::sin(2.0 * M_PI * root * partial * 3.0 * time + partial);
        }
        const double bass = 0.6 * std::sin(2.0 * M_PI * root / 2.0 * time);
        noise = noise * 1664525u + 1013904223u;
        const double hiss = (static_cast<double>(noise >> 8) / 16777216.0 - 0.5) * 0.05;
        const double scale = 6000.0;
        const auto l = static_cast<std::int16_t>(scale * (envelope * left + bass + hiss));
        const auto r = static_cast<std::int16_t>(scale * (envelope * right + bass - hiss));
        for (const std::int16_t sample : {l, r}) {
            buffer.push_back(static_cast<char>(static_cast<std::uint16_t>(sample) & 0xff));
            buffer.push_back(static_cast<char>(static_cast<std::uint16_t>(sample) >> 8));
        }
        if (buffer.size() >= (1 << 16)) {
            out << buffer;
            buffer.clear();
        }
    }
    out << buffer;
}
