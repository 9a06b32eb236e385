#include "options/audiooptionsrules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>

#include "common/cnumber.h"
#include "core/formatcatalogue.h"

namespace {

const char *const kAuto = "Auto";

bool validFormat(int format)
{
    return format >= 0 && format < kFormatCount;
}

SelectorFill editableFill(const char *list, const std::string &stored)
{
    SelectorFill fill;
    if (!list)
        return fill;
    fill.enabled = true;
    fill.rows.push_back({kAuto, 0});
    for (const std::string &value : splitList(list))
        fill.rows.push_back({value, 0});
    fill.editText = stored.empty() ? kAuto : stored;
    return fill;
}

} // namespace

std::vector<std::string> formatSelectorTexts()
{
    std::vector<std::string> texts;
    for (int i = 0; i < kFormatCount; ++i)
        texts.push_back(std::string(" ") + formatEntry(i).displayName);
    return texts;
}

SelectorFill codecSelectorFill(int format, const EncodingParams &record)
{
    SelectorFill fill;
    if (!validFormat(format) || !formatEntry(format).audioCodecList)
        return fill;
    fill.enabled = true;
    for (const std::string &id : splitList(formatEntry(format).audioCodecList)) {
        const std::optional<int> position = findCodec(id);
        if (!position)
            continue;
        fill.rows.push_back({codecEntry(*position).displayName, *position});
        if (id == record.AudioCodec && fill.selected < 0)
            fill.selected = static_cast<int>(fill.rows.size()) - 1;
    }
    if (fill.selected < 0 && !fill.rows.empty())
        fill.selected = 0;
    return fill;
}

SelectorFill bitRateSelectorFill(int format, const EncodingParams &record)
{
    if (!validFormat(format))
        return {};
    return editableFill(formatEntry(format).bitRateList, record.AudioBitRate);
}

SelectorFill sampleRateSelectorFill(int format, const EncodingParams &record)
{
    if (!validFormat(format))
        return {};
    return editableFill(formatEntry(format).sampleRateList, record.AudioSampleRate);
}

SelectorFill channelSelectorFill(int format, const EncodingParams &record)
{
    SelectorFill fill;
    if (!validFormat(format) || !formatEntry(format).channelList)
        return fill;
    fill.enabled = true;
    fill.rows.push_back({kAuto, 0});
    if (record.AudioChannels.empty())
        fill.selected = 0;
    for (const std::string &value : splitList(formatEntry(format).channelList)) {
        fill.rows.push_back({value, 0});
        if (value == record.AudioChannels)
            fill.selected = static_cast<int>(fill.rows.size()) - 1;
    }
    if (fill.selected < 0)
        fill.selected = 0;
    return fill;
}

bool storeAudioControls(const AudioControlValues &values, EncodingParamsSet &records,
                        int &pageFormat)
{
    if (!validFormat(values.formatRow))
        return false;
    pageFormat = values.formatRow;
    const FormatEntry &entry = formatEntry(pageFormat);
    EncodingParams &record = records[static_cast<size_t>(pageFormat)];

    record.AudioCodec.clear();
    record.AudioBitRate.clear();
    record.AudioSampleRate.clear();
    record.AudioChannels.clear();
    record.AudioVolume.clear();

    if (entry.audioCodecList && values.codecData && *values.codecData >= 0
        && *values.codecData < kCodecCount)
        record.AudioCodec = codecEntry(*values.codecData).id;

    // A bit rate keeps its text whole ("6.7", even "128abc"): only its leading
    // integer decides whether there is one.
    if (entry.bitRateList && atoiC(values.bitRateText) > 0)
        record.AudioBitRate = values.bitRateText;

    if (entry.sampleRateList) {
        const long long rate = atoiC(values.sampleRateText);
        if (rate > 0)
            record.AudioSampleRate = std::to_string(rate);
    }

    if (entry.channelList && values.channelText && *values.channelText != kAuto)
        record.AudioChannels = *values.channelText;

    if (values.volume > 0)
        record.AudioVolume = std::to_string(values.volume);
    return true;
}

std::optional<int> parseVolumeText(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    const char *first = text.data() + i;
    const char *last = text.data() + text.size();
    // Trailing blanks are allowed, anything else after the number is not.
    while (last > first && std::isspace(static_cast<unsigned char>(last[-1])))
        --last;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

int steppedVolume(std::optional<int> current, int direction)
{
    const long long base = current.value_or(0);
    const long long next = base + (direction >= 0 ? kVolumeStep : -kVolumeStep);
    return static_cast<int>(std::clamp<long long>(next, kVolumeMin, kVolumeMax));
}
