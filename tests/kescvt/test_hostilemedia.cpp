// Hostile content: whatever the bytes, the tool ends with the right status, leaves no output
// on failure, stays within a small memory bound and never reports success without audio.
// Inputs are a few kilobytes each; the large ones are sparse files of zeros.
#include "probesummary.h"
#include "taggedmedia.h"
#include "testmedia.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <random>
#include <unistd.h>

namespace {

constexpr long memoryBoundKilobytes = 300 * 1024;
// A guard against hangs only; the tool takes well under a second for each of these.
constexpr int guardSeconds = 60;

std::vector<std::string> convertArgs(const std::string &input, const std::string &output,
                                     std::vector<std::string> options = {})
{
    std::vector<std::string> args{"-@", "-i", input, "-y", "-vn"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {"-ar", "44100", output});
    return args;
}

void expectEnd(const ToolResult &run, int status, const std::string &what)
{
    EXPECT_TRUE(run.started && !run.timedOut && !run.signalled) << what << (run.timedOut ? ": hung" : ": crashed");
    EXPECT_EQ(run.exitCode, status) << what << "\n" << run.output.substr(0, 2000);
    EXPECT_LT(run.peakKilobytes, memoryBoundKilobytes) << what;
}

// The input refused as unreadable by the probe and by a conversion, which leaves nothing.
void expectUnreadable(const TempDir &dir, const std::string &input)
{
    const ToolResult probe = runKescvt({"-i", input}, guardSeconds);
    expectEnd(probe, 2, "probe of " + input);
    EXPECT_EQ(probe.output.find("Audio:"), std::string::npos) << input << "\n" << probe.output;
    EXPECT_EQ(probe.output.find("Video:"), std::string::npos) << input << "\n" << probe.output;
    const std::string output = dir.file("out.mp3");
    expectEnd(runKescvt(convertArgs(input, output), guardSeconds), 2, "conversion of " + input);
    EXPECT_FALSE(fileExists(output)) << input;
}

std::string floatBytes(const std::vector<float> &samples)
{
    std::string bytes(samples.size() * sizeof(float), '\0');
    std::memcpy(bytes.data(), samples.data(), bytes.size());
    return bytes;
}

std::string synchsafe(uint32_t n)
{
    return {static_cast<char>(n >> 21 & 0x7f), static_cast<char>(n >> 14 & 0x7f), static_cast<char>(n >> 7 & 0x7f),
            static_cast<char>(n & 0x7f)};
}

std::string bigEndian(uint32_t n, int bytes)
{
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>(n >> (8 * i) & 0xff);
    return out;
}

std::string littleEndian32(uint32_t n)
{
    std::string out = bigEndian(n, 4);
    return {out.rbegin(), out.rend()};
}

// An ID3v2 tag of `count` TXXX frames, each a distinct key; version 3 is unsynchronised.
std::string id3Bomb(int version, int count)
{
    std::string frames;
    for (int i = 0; i < count; ++i) {
        const std::string body = std::string(1, '\0') + "key" + std::to_string(i) + '\0' + "value";
        frames += "TXXX" + (version == 4 ? synchsafe(static_cast<uint32_t>(body.size())) : bigEndian(static_cast<uint32_t>(body.size()), 4)) +
                  std::string(2, '\0') + body;
    }
    return "ID3" + std::string(1, static_cast<char>(version)) + '\0' + (version == 3 ? '\x80' : '\0') +
           synchsafe(static_cast<uint32_t>(frames.size())) + frames;
}

std::string vorbisComments(int count, const std::string &vendor = "x")
{
    std::string comments = littleEndian32(static_cast<uint32_t>(vendor.size())) + vendor +
                           littleEndian32(static_cast<uint32_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string entry = "K" + std::to_string(i) + "=v";
        comments += littleEndian32(static_cast<uint32_t>(entry.size())) + entry;
    }
    return comments;
}

// A FLAC file with comment blocks of the given entry counts put in after its stream
// information.
std::string flacBomb(const std::string &flac, std::vector<int> counts)
{
    size_t at = 4;
    std::string streamInfo;
    for (;;) {
        const auto head = static_cast<uint8_t>(flac.at(at));
        const uint32_t length = static_cast<uint8_t>(flac[at + 1]) << 16 | static_cast<uint8_t>(flac[at + 2]) << 8 |
                                static_cast<uint8_t>(flac[at + 3]);
        if ((head & 0x7f) == 0)
            streamInfo = flac.substr(at + 4, length);
        at += 4 + length;
        if (head & 0x80)
            break;
    }
    std::string out = "fLaC" + std::string(1, '\0') + bigEndian(static_cast<uint32_t>(streamInfo.size()), 3) + streamInfo;
    for (size_t i = 0; i < counts.size(); ++i) {
        const std::string comments = vorbisComments(counts[i]);
        out += std::string(1, static_cast<char>(i + 1 == counts.size() ? 0x84 : 0x04)) +
               bigEndian(static_cast<uint32_t>(comments.size()), 3) + comments;
    }
    return out + flac.substr(at);
}

// An APEv2 tag (header and footer) of `count` items, as TTA, WavPack and MP3 files end.
std::string apeTag(int count)
{
    std::string items;
    for (int i = 0; i < count; ++i)
        items += littleEndian32(1) + littleEndian32(0) + "Key" + std::to_string(i) + '\0' + "v";
    const auto mark = [&](bool header) {
        return "APETAGEX" + littleEndian32(2000) + littleEndian32(static_cast<uint32_t>(items.size() + 32)) +
               littleEndian32(static_cast<uint32_t>(count)) + littleEndian32(header ? 0xa0000000u : 0x80000000u) +
               std::string(8, '\0');
    };
    return mark(true) + items + mark(false);
}

uint32_t oggCrc(const std::string &page)
{
    uint32_t crc = 0;
    for (const char c : page) {
        crc ^= static_cast<uint32_t>(static_cast<uint8_t>(c)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

std::string oggPage(uint8_t flags, uint64_t granule, uint32_t serial, uint32_t sequence, const std::string &lacing,
                    const std::string &body)
{
    std::string page = "OggS" + std::string(1, '\0') + std::string(1, static_cast<char>(flags)) +
                       littleEndian32(static_cast<uint32_t>(granule)) + littleEndian32(static_cast<uint32_t>(granule >> 32)) +
                       littleEndian32(serial) + littleEndian32(sequence) + littleEndian32(0) +
                       std::string(1, static_cast<char>(lacing.size())) + lacing + body;
    const std::string crc = littleEndian32(oggCrc(page));
    page.replace(22, 4, crc);
    return page;
}

size_t lacedBytes(const std::string &lacing)
{
    return std::accumulate(lacing.begin(), lacing.end(), size_t{0},
                           [](size_t sum, char c) { return sum + static_cast<uint8_t>(c); });
}

// A one-stream Ogg Vorbis or Opus file with the serial number `serial` and a comment header
// of `count` entries; the audio pages are kept.
std::string oggWithComments(const std::string &ogg, uint32_t serial, int count, const std::string &vendor = "x")
{
    std::vector<std::string> headers(1);
    uint32_t sequence = 0;
    std::string out;
    for (size_t at = 0; at + 27 <= ogg.size();) {
        const std::string lacing = ogg.substr(at + 27, static_cast<uint8_t>(ogg[at + 26]));
        const size_t body = at + 27 + lacing.size();
        uint64_t granule = 0;
        for (int i = 7; i >= 0; --i)
            granule = granule << 8 | static_cast<uint8_t>(ogg[at + 6 + static_cast<size_t>(i)]);
        if (granule == 0 && out.empty()) { // header pages
            for (size_t i = 0, from = body; i < lacing.size(); from += static_cast<uint8_t>(lacing[i++])) {
                headers.back() += ogg.substr(from, static_cast<uint8_t>(lacing[i]));
                if (static_cast<uint8_t>(lacing[i]) < 255)
                    headers.emplace_back();
            }
        } else {
            if (out.empty()) {
                std::string &comment = headers.at(1);
                const bool vorbis = comment.compare(0, 7, "\x03vorbis") == 0;
                comment = comment.substr(0, vorbis ? 7 : 8) + vorbisComments(count, vendor) + (vorbis ? "\x01" : "");
                headers.pop_back(); // the empty packet begun after the last
                for (size_t i = 0; i < headers.size(); ++i) {
                    std::string values(headers[i].size() / 255, '\xff');
                    values += static_cast<char>(headers[i].size() % 255);
                    for (size_t from = 0, used = 0; from < values.size(); from += 255) {
                        const std::string part = values.substr(from, 255);
                        const uint8_t flags = i == 0 ? 2 : from ? 1 : 0;
                        out += oggPage(flags, 0, serial, sequence++, part, headers[i].substr(used, lacedBytes(part)));
                        used += lacedBytes(part);
                    }
                }
            }
            out += oggPage(static_cast<uint8_t>(ogg[at + 5]), granule, serial, sequence++, lacing,
                           ogg.substr(body, lacedBytes(lacing)));
        }
        at = body + lacedBytes(lacing);
    }
    return out;
}

TEST(HostileMedia, NonFiniteFloatSamplesAreClampedBeforeEncoding)
{
    TempDir dir;
    std::vector<float> samples(44100);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<float>(0.5 * std::sin(i * 0.06));
    samples[1000] = std::numeric_limits<float>::quiet_NaN();
    samples[2000] = std::numeric_limits<float>::infinity();
    samples[3000] = -std::numeric_limits<float>::infinity();
    samples[4000] = 1e30f;
    writeRawWav(dir.file("nan.wav"), 3, 1, 44100, 32, floatBytes(samples));
    const std::vector<std::pair<std::string, std::vector<std::string>>> targets{
        {"out.mp3", {}}, {"out.wma", {"-f", "xwmv"}}, {"out.aac", {}}, {"out.m4a", {}}, {"out.ogg", {}}};
    for (const auto &[name, options] : targets) {
        expectEnd(runKescvt(convertArgs(dir.file("nan.wav"), dir.file(name), options), guardSeconds), 0, name);
        EXPECT_EQ(summarizeProbe(runKescvt({"-i", dir.file(name)}).output).sampleRate(), 44100) << name;
    }
}

// Zero-filled files (preallocated or unfinished downloads) hold no audio, and a stream that
// runs into zeros ends there, in its probed length too.
TEST(HostileMedia, ZerosAreNeitherSearchedInMemoryNorCounted)
{
    TempDir dir;
    for (const char *name : {"zeros.mp3", "zeros.mp2", "zeros.ac3", "zeros.dts"}) {
        writeBytes(dir.file(name), "");
        ASSERT_EQ(truncate(dir.file(name).c_str(), 1LL << 30), 0);
        expectUnreadable(dir, dir.file(name));
    }
    writeSineWav(dir.file("two.wav"), 44100, 2, 2.0);
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("two.wav"), dir.file("tail.mp3"))).succeeded());
    ASSERT_EQ(truncate(dir.file("tail.mp3").c_str(), fileSize(dir.file("tail.mp3")) + (512LL << 20)), 0);
    const ToolResult probe = runKescvt({"-i", dir.file("tail.mp3")}, guardSeconds);
    expectEnd(probe, 0, "probe of an MP3 ending in zeros");
    EXPECT_NEAR(summarizeProbe(probe.output).durationSeconds, 2.0, 0.5) << probe.output;
    const ToolResult run = runKescvt(convertArgs(dir.file("tail.mp3"), dir.file("out.wav")), guardSeconds);
    expectEnd(run, 0, "conversion of an MP3 ending in zeros");
    EXPECT_NEAR(summarizeProbe(runKescvt({"-i", dir.file("out.wav")}).output).durationSeconds, 2.0, 0.1);
}

TEST(HostileMedia, HeaderValuesOutOfRangeAreUnreadable)
{
    TempDir dir;
    const std::string silence(4000, '\0');
    writeRawWav(dir.file("rate1.wav"), 1, 1, 1, 16, silence);
    writeRawWav(dir.file("rate2g.wav"), 1, 1, 2'000'000'000, 16, silence);
    writeRawWav(dir.file("nochannels.wav"), 1, 0, 44100, 16, silence);
    writeRawWav(dir.file("manychannels.wav"), 1, 200, 44100, 16, silence);
    writeRawWav(dir.file("unknowncodec.wav"), 0x1234, 2, 44100, 16, silence);
    for (const char *name : {"rate1.wav", "rate2g.wav", "nochannels.wav", "manychannels.wav", "unknowncodec.wav"})
        expectUnreadable(dir, dir.file(name));
}

// Ten samples that need resampling come out as ten samples' worth, not as headers alone.
TEST(HostileMedia, TinySourcesComeOutWhole)
{
    TempDir dir;
    writeSineWav(dir.file("ten.wav"), 8000, 1, 10 / 8000.0);
    for (const char *name : {"t.mp3", "t.aac", "t.m4a", "t.ac3", "t.ogg", "t.wav"}) {
        const ToolResult run = runKescvt(convertArgs(dir.file("ten.wav"), dir.file(name)), guardSeconds);
        expectEnd(run, 0, name);
        EXPECT_EQ(summarizeProbe(runKescvt({"-i", dir.file(name)}).output).sampleRate(), 44100) << name;
    }
    // 10 samples at 8 kHz are 55 at 44.1 kHz: 110 bytes of 16-bit mono after the header.
    EXPECT_GE(fileSize(dir.file("t.wav")), 44 + 110);
}

// Tag parsing is bounded in count and length: probing stays quick and every container the
// tool writes reads back.
TEST(HostileMedia, TagBombsStayBounded)
{
    TempDir dir;
    writeSineWav(dir.file("two.wav"), 44100, 2, 2.0);
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("two.wav"), dir.file("plain.mp3"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("two.wav"), dir.file("plain.flac"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("two.wav"), dir.file("plain.ogg"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("two.wav"), dir.file("plain.opus"), {"-ar", "48000"})).succeeded());
    const std::string mp3 = readBytes(dir.file("plain.mp3"));
    const std::string flac = readBytes(dir.file("plain.flac"));
    writeBytes(dir.file("id3v24.mp3"), id3Bomb(4, 20000) + mp3);
    writeBytes(dir.file("id3v23.mp3"), id3Bomb(3, 20000) + mp3);
    writeBytes(dir.file("id3second.mp3"), id3Bomb(4, 3) + id3Bomb(4, 80000) + mp3);
    writeBytes(dir.file("apev2.mp3"), mp3 + apeTag(65536));
    writeBytes(dir.file("comments.flac"), flacBomb(flac, {100000}));
    writeBytes(dir.file("second.flac"), flacBomb(flac, {3, 100000}));
    writeBytes(dir.file("id3.flac"), id3Bomb(4, 80000) + flacBomb(flac, {3}));
    writeBytes(dir.file("comments.ogg"), oggWithComments(readBytes(dir.file("plain.ogg")), 7, 100000));
    // The count behind a long vendor string, further into the page.
    writeBytes(dir.file("comments.opus"),
               oggWithComments(readBytes(dir.file("plain.opus")), 7, 100000, std::string(6000, 'v')));
    // A big cover is no damage, however many bytes the demuxer reads for it.
    std::string bigTag = id3Bomb(4, 1);
    bigTag += std::string((17u << 20) - (bigTag.size() - 10), '\0');
    writeBytes(dir.file("bigtag.mp3"), bigTag.replace(6, 4, synchsafe(17u << 20)) + mp3);
    for (const char *name : {"id3v24.mp3", "id3v23.mp3", "id3second.mp3", "apev2.mp3", "comments.flac",
                             "second.flac", "id3.flac", "comments.ogg", "comments.opus", "bigtag.mp3"}) {
        const ToolResult probe = runKescvt({"-i", dir.file(name)}, guardSeconds);
        expectEnd(probe, 0, name);
        EXPECT_GT(summarizeProbe(probe.output).sampleRate(), 0) << name << "\n" << probe.output.substr(0, 2000);
        EXPECT_LT(outputLines(probe.output).size(), 300u) << name;
    }
    const ToolResult big = runKescvt(convertArgs(dir.file("bigtag.mp3"), dir.file("big.wav")), guardSeconds);
    expectEnd(big, 0, "conversion of an MP3 with a 17 MB tag");
    writeTaggedSineWav(dir.file("long.wav"), 1.0, std::string(70000, 'T'), "artist");
    expectEnd(runKescvt(convertArgs(dir.file("long.wav"), dir.file("long.ra"), {"-f", "rmvb"}), guardSeconds), 0,
              "RealMedia with a long title");
    const ToolResult back = runKescvt({"-i", dir.file("long.ra")});
    expectEnd(back, 0, "probe of RealMedia with a long title");
    EXPECT_NE(back.output.find("TTTTTTTTTT"), std::string::npos) << back.output.substr(0, 500);
}

// Files that name other files, and pictures, are no media the tool converts.
TEST(HostileMedia, OnlyTheNamedFileIsReadAndPicturesAreNotVideo)
{
    TempDir dir;
    writeSineWav(dir.file("good.wav"), 44100, 2, 1.0);
    writeBytes(dir.file("concat.mp3"), "ffconcat version 1.0\nfile 'good.wav'\n");
    writeBytes(dir.file("playlist.mp3"), "#EXTM3U\n#EXT-X-TARGETDURATION:1\n#EXTINF:1,\ngood.wav\n#EXT-X-ENDLIST\n");
    writeBytes(dir.file("session.mp3"), "v=0\no=- 0 0 IN IP4 127.0.0.1\ns=x\nc=IN IP4 127.0.0.1\nt=0 0\n"
                                        "m=audio 5004 RTP/AVP 0\n");
    writeBytes(dir.file("picture.png"), std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x10\0\0\0\x10\x08\x02\0\0\0"
                                                    "\0\0\0\0\0\0\0\0IEND\xae\x42\x60\x82", 45));
    for (const char *name : {"concat.mp3", "playlist.mp3", "session.mp3", "picture.png"})
        expectUnreadable(dir, dir.file(name));
}

// A comment header with 100,000 entries in the second chain of an Ogg file: read past at
// the speed of any other, and a stop while the chains change is honoured.
TEST(HostileMedia, ChainedOggCommentBombConvertsAndStops)
{
    TempDir dir;
    writeSineWav(dir.file("one.wav"), 44100, 2, 0.5);
    // Long enough that the stop, sent at the first progress line, finds the run converting
    // even on a fast machine (progress is printed every 200 ms).
    writeSineWav(dir.file("two.wav"), 44100, 2, 120.0);
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("one.wav"), dir.file("one.ogg"))).succeeded());
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("two.wav"), dir.file("two.ogg"))).succeeded());
    writeBytes(dir.file("chain.ogg"), oggWithComments(readBytes(dir.file("one.ogg")), 1, 3) +
                                          oggWithComments(readBytes(dir.file("two.ogg")), 2, 100000));
    const ToolResult run = runKescvt(convertArgs(dir.file("chain.ogg"), dir.file("chain.wav")), guardSeconds);
    expectEnd(run, 0, "conversion of the chained file");
    EXPECT_NEAR(summarizeProbe(runKescvt({"-i", dir.file("chain.wav")}).output).durationSeconds, 120.5, 0.1);
    const ToolResult stopped =
        runKescvt(convertArgs(dir.file("chain.ogg"), dir.file("stopped.mp3")), guardSeconds, {SIGTERM, false});
    expectEnd(stopped, 5, "SIGTERM");
    EXPECT_FALSE(fileExists(dir.file("stopped.mp3")));
}

// A source of a few samples still makes a file that FFmpeg and the tool open again, in
// every bare stream format (which readers recognise by a run of frames).
TEST(HostileMedia, VeryShortOutputsOpen)
{
    TempDir dir;
    writeSineWav(dir.file("few.wav"), 44100, 2, 200 / 44100.0);
    const std::vector<std::pair<std::string, std::vector<std::string>>> targets{
        {"t.mp2", {}}, {"t.ac3", {}}, {"t.mp3", {}}, {"t.aac", {}},
        {"t.amr", {"-acodec", "libamr_nb", "-ar", "8000", "-ac", "1"}},
        {"wb.amr", {"-acodec", "libamr_wb", "-ar", "16000", "-ac", "1"}}};
    for (const auto &[name, options] : targets) {
        std::vector<std::string> args{"-@", "-i", dir.file("few.wav"), "-y", "-vn"};
        args.insert(args.end(), options.begin(), options.end());
        if (options.empty())
            args.insert(args.end(), {"-ar", "44100"});
        args.push_back(dir.file(name));
        expectEnd(runKescvt(args, guardSeconds), 0, name);
        EXPECT_GT(summarizeProbe(runKescvt({"-i", dir.file(name)}).output).sampleRate(), 0) << name;
        EXPECT_NO_THROW(readBack(dir.file(name))) << name;
    }
}

// A cover whose header states an absurd size is left out with a notice; the audio converts
// into every format that takes pictures.
TEST(HostileMedia, BadCoverIsDroppedAndTheAudioConverts)
{
    TempDir dir;
    writeSineWav(dir.file("one.wav"), 44100, 2, 1.0);
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("one.wav"), dir.file("plain.mp3"))).succeeded());
    const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\x7f\xff\xff\xff\x7f\xff\xff\xff\x08\x02\0\0\0", 29) +
                            std::string(8, '\0') + "IEND\xae\x42\x60\x82";
    const std::string apic = std::string("\0image/png\0\x03\0", 13) + png;
    const std::string frame = "APIC" + synchsafe(static_cast<uint32_t>(apic.size())) + std::string(2, '\0') + apic;
    writeBytes(dir.file("cover.mp3"), "ID3\x04" + std::string(2, '\0') + synchsafe(static_cast<uint32_t>(frame.size())) +
                                          frame + readBytes(dir.file("plain.mp3")));
    for (const std::string name : {"c.m4a", "c.aiff", "c.flac"}) {
        const ToolResult run = runKescvt(convertArgs(dir.file("cover.mp3"), dir.file(name)), guardSeconds);
        expectEnd(run, 0, name);
        EXPECT_NE(run.output.find("cover picture is left out"), std::string::npos) << name << "\n" << run.output;
        EXPECT_TRUE(readBack(dir.file(name)).cover.empty()) << name;
    }
    const ToolResult m4b = runKescvt(convertArgs(dir.file("cover.mp3"), dir.file("c.m4b"), {"-f", "ipod"}), guardSeconds);
    expectEnd(m4b, 0, "M4B");
}

// A header that promises audio nothing can decode is no "Audio:" line and no conversion.
TEST(HostileMedia, HeaderOnlyStreamsAreNotClaimedAsAudio)
{
    TempDir dir;
    std::mt19937 random(27);
    std::string noise(20000, '\0');
    for (char &c : noise)
        c = static_cast<char>(random() & 0xff);
    std::string badModes(noise); // AMR frame types 9 to 14 are reserved
    for (char &c : badModes)
        c = static_cast<char>((9 + static_cast<uint8_t>(c) % 6) << 3 | 4);
    writeBytes(dir.file("noise.amr"), "#!AMR\n" + badModes);
    writeRawWav(dir.file("adpcm.wav"), 0x11, 2, 44100, 0, noise);
    writeRawWav(dir.file("mpeg.wav"), 0x55, 2, 44100, 0, noise);
    writeSineWav(dir.file("one.wav"), 44100, 2, 1.0);
    ASSERT_TRUE(runKescvt(convertArgs(dir.file("one.wav"), dir.file("one.ogg"))).succeeded());
    writeTaggedCopy(dir.file("one.ogg"), dir.file("whole.mka"), {}, makePng(), true);
    const std::string mka = readBytes(dir.file("whole.mka"));
    writeBytes(dir.file("cut.mka"), mka.substr(0, mka.find("\x1f\x43\xb6\x75") + 12)); // cut in the first cluster
    for (const char *name : {"noise.amr", "adpcm.wav", "mpeg.wav", "cut.mka"})
        expectUnreadable(dir, dir.file(name));
}

// SIGTERM, SIGINT and the program's end (its held-open standard input closing) stop a long
// conversion at once; neither what was written nor the empty target prepared for it stays.
TEST(HostileMedia, StopsPromptlyAndLeavesNothing)
{
    TempDir dir;
    writeRawWav(dir.file("long.wav"), 1, 2, 44100, 16, "", 1u << 30, 44 + (1LL << 30));
    const std::vector<std::pair<const char *, RunStop>> stops{
        {"SIGTERM", {SIGTERM, false}}, {"SIGINT", {SIGINT, false}}, {"end of stdin", {0, true}}};
    for (const auto &[what, stop] : stops) {
        writeBytes(dir.file("out.mp3"), "");
        const ToolResult run = runKescvt(convertArgs(dir.file("long.wav"), dir.file("out.mp3")), guardSeconds, stop);
        expectEnd(run, 5, what);
        EXPECT_FALSE(fileExists(dir.file("out.mp3"))) << what;
    }
}

} // namespace
