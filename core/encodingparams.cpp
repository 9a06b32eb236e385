#include "core/encodingparams.h"

#include <QtGlobal>

#include <initializer_list>
#include <string_view>

#include "common/cnumber.h"
#include "platform/settingsstore.h"

namespace {

struct DefaultAudio {
    const char *codec;
    const char *bitRate;
    const char *sampleRate;
    const char *channels;
};

// Formats without a bit-rate list, and MP3/MP2, leave their rates to the converter.
constexpr DefaultAudio kDefaults[kFormatCount] = {
    {"mp3", "", "", ""},
    {"mp2", "", "", ""},
    {"pcm_s16le", "", "", ""},
    {"wma7x", "128", "44100", "2"},
    {"vorbis", "128", "44100", "2"},
    {"libfaac", "128", "44100", "2"},
    {"mpeg4aac", "128", "44100", "2"},
    {"mpeg4aac", "128", "44100", "2"},
    {"ac3", "128", "44100", "2"},
    {"pcm_s16be", "", "", ""},
    {"pcm_s16be", "", "", ""},
    {"rmaudio", "128", "44100", "2"},
    {"libamr_nb", "6.7", "8000", "1"},
    {"libamr_wb", "15.85", "16000", "1"},
    {"flac", "", "", ""},
    {"opus", "128", "48000", ""},
};

constexpr const char *kDefaultVolume = "100";

std::string groupOf(int n)
{
    return "VideoParam2\\" + std::to_string(n);
}

// The ten stored values, in the order they are read and written.
struct Field {
    const char *name;
    std::string EncodingParams::*member;
};

constexpr Field kFields[] = {
    {"VideoCodec", &EncodingParams::VideoCodec},
    {"VideoStandard", &EncodingParams::VideoStandard},
    {"VideoSize", &EncodingParams::VideoSize},
    {"VideoBitRate", &EncodingParams::VideoBitRate},
    {"VideoFrameRate", &EncodingParams::VideoFrameRate},
    {"AudioCodec", &EncodingParams::AudioCodec},
    {"AudioBitRate", &EncodingParams::AudioBitRate},
    {"AudioSampleRate", &EncodingParams::AudioSampleRate},
    {"AudioChannels", &EncodingParams::AudioChannels},
    {"AudioVolume", &EncodingParams::AudioVolume},
};

bool isOneOf(const std::string &value, std::initializer_list<std::string_view> allowed)
{
    for (std::string_view candidate : allowed) {
        if (value == candidate)
            return true;
    }
    return false;
}

} // namespace

EncodingParams defaultEncodingParams(int index)
{
    EncodingParams record;
    if (index < 0 || index >= kFormatCount)
        return record;
    const DefaultAudio &audio = kDefaults[index];
    record.formatIndex = index;
    record.AudioCodec = audio.codec;
    record.AudioBitRate = audio.bitRate;
    record.AudioSampleRate = audio.sampleRate;
    record.AudioChannels = audio.channels;
    record.AudioVolume = kDefaultVolume;
    return record;
}

EncodingParamsSet defaultEncodingParamsSet()
{
    EncodingParamsSet set;
    for (int index = 0; index < kFormatCount; ++index)
        set[index] = defaultEncodingParams(index);
    return set;
}

void loadEncodingParams(SettingsStore &store, int n, EncodingParams &record)
{
    if (n < 0 || n >= kFormatCount)
        return;
    const std::string group = groupOf(n);
    if (!store.groupExists(group))
        return;
    // An existing group replaces every field: a missing or empty value (stored
    // size below 2 bytes with its NUL) gives the empty text, not the default.
    for (const Field &field : kFields)
        record.*field.member = store.readText(group, field.name).value_or(std::string());
}

void saveEncodingParams(SettingsStore &store, int n, const EncodingParams &record)
{
    if (n < 0 || n >= kFormatCount)
        return;
    const std::string group = groupOf(n);
    for (const Field &field : kFields)
        store.writeText(group, field.name, record.*field.member);
    store.sync();
}

std::string validateEncodingParams(const EncodingParams &record)
{
    if (record.AudioCodec == "libamr_nb") {
        if (record.AudioSampleRate != "8000" || record.AudioChannels != "1"
            || !isOneOf(record.AudioBitRate, {"4.75", "5.15", "5.9", "6.7", "7.4", "7.95", "10.2", "12.2"})) {
            return QT_TRANSLATE_NOOP("Options", "Invalid parameters for AMR Narrow-Band codec.\n"
                   "Valid sample rate is 8000 Hz, channels is 1, and bit rate is one of "
                   "4.75, 5.15, 5.9, 6.7, 7.4, 7.95, 10.2, 12.2 kbps.");
        }
    }
    if (record.AudioCodec == "libamr_wb") {
        if (record.AudioSampleRate != "16000" || record.AudioChannels != "1"
            || !isOneOf(record.AudioBitRate,
                        {"6.6", "8.85", "12.65", "14.25", "15.85", "18.25", "19.85", "23.05", "23.85"})) {
            return QT_TRANSLATE_NOOP("Options", "Invalid parameters for AMR Wide-Band codec.\n"
                   "Valid sample rate is 16000 Hz, channels is 1, and bit rate is one of "
                   "6.6, 8.85, 12.65, 14.25, 15.85, 18.25, 19.85, 23.05, 23.85 kbps.");
        }
    }
    if (record.AudioCodec == "libfaac") {
        if (atoiC(record.AudioSampleRate) < 16000 || atoiC(record.AudioBitRate) < 16) {
            return QT_TRANSLATE_NOOP("Options", "Invalid parameters for AAC codec.\n"
                   "Sample rate must equal to or be greater than 16000 Hz, and bit rate must equal "
                   "to or be greater than 16 kbps.");
        }
    }
    if (record.AudioCodec == "flac") {
        // The FLAC stream header holds rates up to 655350 Hz; the converter takes 1000 and above.
        const int rate = atoiC(record.AudioSampleRate);
        if (!record.AudioSampleRate.empty() && (rate < 1000 || rate > 655350)) {
            return QT_TRANSLATE_NOOP("Options", "Invalid parameters for FLAC codec.\n"
                   "Sample rate must be Auto or between 1000 and 655350 Hz.");
        }
    }
    if (record.AudioCodec == "opus") {
        const int kbps = atoiC(record.AudioBitRate);
        if (!record.AudioBitRate.empty() && (kbps < 6 || kbps > 510)) {
            return QT_TRANSLATE_NOOP("Options", "Invalid parameters for Opus codec.\n"
                   "Bit rate must be Auto or between 6 and 510 kbps.");
        }
    }
    return std::string();
}
