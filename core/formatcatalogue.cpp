#include "core/formatcatalogue.h"

#include <QtGlobal>

#include <cassert>

#include "common/fieldsplit.h"

namespace {

// Lists shared by several rows.
constexpr const char *kStandardBitRates = "16,24,32,40,48,56,64,80,96,112,128,144,160,192,224,256,320";
constexpr const char *kStandardSampleRates = "8000,16000,22050,24000,32000,44100,48000";
constexpr const char *kWavSampleRates = "8000,16000,22050,24000,32000,44100,48000,88200,96000";
constexpr const char *kAc3SampleRates = "8000,16000,22050,24000,32000,44100,48000,96000";
constexpr const char *kMonoOrStereo = "1,2";
constexpr const char *kWavCodecs = "pcm_s16le,pcm_u8,pcm_alaw,pcm_mulaw,adpcm_ms,adpcm_ima_wav";
constexpr const char *kWmaCodecs = "wma7x,wma8x,wma9x,wmalsl";
constexpr const char *kBigEndianPcmCodecs = "pcm_s16be,pcm_s24be,pcm_s32be,pcm_s8,pcm_alaw,pcm_mulaw";
constexpr const char *kAmrNbBitRates = "4.75,5.15,5.9,6.7,7.4,7.95,10.2,12.2";
constexpr const char *kAmrWbBitRates = "6.6,8.85,12.65,14.25,15.85,18.25,19.85,23.05,23.85";
constexpr const char *kOpusBitRates = "6,8,12,16,24,32,48,64,96,128,160,192,256,320,384,448,510";

// index, extension, container, display name, video codecs, audio codecs,
// bit rates, sample rates, channels
constexpr FormatEntry kFormats[kFormatCount] = {
    {0, "mp3", nullptr, "MP3", nullptr, "mp3", kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {1, "mp2", nullptr, "MP2", nullptr, "mp2", kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {2, "wav", nullptr, "WAV", nullptr, kWavCodecs, nullptr, kWavSampleRates, kMonoOrStereo},
    {3, "wma", "xwmv", "WMA", nullptr, kWmaCodecs, kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {4, "ogg", nullptr, "OGG", nullptr, "vorbis", kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {5, "aac", nullptr, "AAC", nullptr, "libfaac", kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {6, "m4a", nullptr, "M4A", nullptr, "mpeg4aac", kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {7, "m4b", "mp4", "M4B", nullptr, "mpeg4aac", kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {8, "ac3", nullptr, "AC3", nullptr, "ac3", kStandardBitRates, kAc3SampleRates, kMonoOrStereo},
    {9, "aiff", nullptr, "AIFF", nullptr, kBigEndianPcmCodecs, nullptr, kStandardSampleRates, kMonoOrStereo},
    {10, "au", nullptr, "AU", nullptr, kBigEndianPcmCodecs, nullptr, kStandardSampleRates, kMonoOrStereo},
    {11, "ra", "rmvb", "RA", nullptr, "rmaudio", kStandardBitRates, kStandardSampleRates, kMonoOrStereo},
    {12, "amr", "amr", "AMR (NB)", nullptr, "libamr_nb", kAmrNbBitRates, "8000", "1"},
    {13, "amr", "amr", "AMR (WB)", nullptr, "libamr_wb", kAmrWbBitRates, "16000", "1"},
    {14, "flac", nullptr, "FLAC", nullptr, "flac", nullptr, kWavSampleRates, kMonoOrStereo},
    {15, "opus", nullptr, "OPUS", nullptr, "opus", kOpusBitRates, "48000", kMonoOrStereo},
};

constexpr CodecEntry kCodecs[kCodecCount] = {
    {"ac3", "AC-3"},
    {"libamr_nb", QT_TRANSLATE_NOOP("Options", "AMR Narrow-Band")},
    {"libamr_wb", QT_TRANSLATE_NOOP("Options", "AMR Wide-Band")},
    {"libfaac", "AAC"},
    {"mpeg4aac", "MPEG4 AAC"},
    {"mp3", "MP3"},
    {"mp2", "MP2"},
    {"vorbis", "Vorbis OGG"},
    {"wma7x", "Windows Media Audio 7"},
    {"wma8x", "Windows Media Audio 8"},
    {"wma9x", "Windows Media Audio 9"},
    {"wmalsl", QT_TRANSLATE_NOOP("Options", "Windows Media Audio Lossless")},
    {"rmaudio", QT_TRANSLATE_NOOP("Options", "RealMovie Audio")},
    {"pcm_s16le", QT_TRANSLATE_NOOP("Options", "Signed 16-bit Little-Endian PCM")},
    {"pcm_s24le", QT_TRANSLATE_NOOP("Options", "Signed 24-bit Little-Endian PCM")},
    {"pcm_s32le", QT_TRANSLATE_NOOP("Options", "Signed 32-bit Little-Endian PCM")},
    {"pcm_s16be", QT_TRANSLATE_NOOP("Options", "Signed 16-bit Big-Endian PCM")},
    {"pcm_s24be", QT_TRANSLATE_NOOP("Options", "Signed 24-bit Big-Endian PCM")},
    {"pcm_s32be", QT_TRANSLATE_NOOP("Options", "Signed 32-bit Big-Endian PCM")},
    {"pcm_s8", QT_TRANSLATE_NOOP("Options", "Signed 8-bit PCM")},
    {"pcm_u8", QT_TRANSLATE_NOOP("Options", "Unsigned 8-bit PCM")},
    {"adpcm_ms", "MS ADPCM"},
    {"adpcm_ima_wav", "IMA ADPCM"},
    {"pcm_alaw", "a-Law"},
    {"pcm_mulaw", "u-Law"},
    {"flac", "FLAC"},
    {"opus", "Opus"},
};

} // namespace

const FormatEntry &formatEntry(int index)
{
    assert(index >= 0 && index < kFormatCount);
    return kFormats[index];
}

const CodecEntry &codecEntry(int position)
{
    assert(position >= 0 && position < kCodecCount);
    return kCodecs[position];
}

std::optional<int> findCodec(const std::string &id)
{
    for (int position = 0; position < kCodecCount; ++position) {
        if (id == kCodecs[position].id)
            return position;
    }
    return std::nullopt;
}

std::vector<std::string> splitList(const char *list)
{
    if (!list)
        return {};
    return fieldSplit(list, ',');
}
