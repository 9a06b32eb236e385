#include "options/loudnessoptions.h"

#include <QtGlobal>

#include <array>
#include <charconv>

#include "core/formatcatalogue.h"

namespace {

constexpr std::array<ChoiceRow<int>, 3> kLoudnessRows{{
    {QT_TRANSLATE_NOOP("Options", "Off"), 0},
    {QT_TRANSLATE_NOOP("Options", "Write ReplayGain tags"), 1},
    {QT_TRANSLATE_NOOP("Options", "Normalise the audio"), 2},
}};

} // namespace

std::span<const ChoiceRow<int>> loudnessRows()
{
    return kLoudnessRows;
}

int effectiveLoudness(int stored)
{
    return stored == 1 || stored == 2 ? stored : 0;
}

int effectiveLoudnessTarget(int stored)
{
    return stored >= kLoudnessTargetLowest && stored <= kLoudnessTargetHighest ? stored : kLoudnessTargetDefault;
}

bool formatHoldsLoudnessTags(int formatIndex)
{
    if (formatIndex < 0 || formatIndex >= kFormatCount)
        return false;
    const std::string extension = formatEntry(formatIndex).extension;
    return extension != "wav" && extension != "au" && extension != "ra" && extension != "amr" && extension != "ac3";
}

std::string loudnessTagNote(int formatIndex)
{
    if (formatIndex < 0 || formatIndex >= kFormatCount || formatHoldsLoudnessTags(formatIndex))
        return {};
    std::string note = kLoudnessTagNote;
    note.replace(note.find("%1"), 2, formatEntry(formatIndex).displayName);
    return note;
}

int loudnessModeFor(const GeneralOptions &options, int formatIndex)
{
    const int mode = effectiveLoudness(options.Loudness);
    if (mode == 1 && !formatHoldsLoudnessTags(formatIndex))
        return 0;
    return mode;
}

bool wantsAlbumPass(const GeneralOptions &options, int formatIndex)
{
    const int mode = loudnessModeFor(options, formatIndex);
    return mode == 1 || (mode == 2 && options.LoudnessAlbum != 0);
}

LoudnessTargetCheck checkLoudnessTarget(const std::string &text, int &target)
{
    std::string_view digits = text;
    while (!digits.empty() && digits.front() == ' ')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ')
        digits.remove_suffix(1);
    if (digits.empty())
        return LoudnessTargetCheck::Empty;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range)
        return LoudnessTargetCheck::OutOfRange;
    if (error != std::errc() || end != digits.data() + digits.size())
        return LoudnessTargetCheck::NotANumber;
    if (value < kLoudnessTargetLowest || value > kLoudnessTargetHighest)
        return LoudnessTargetCheck::OutOfRange;
    target = value;
    return LoudnessTargetCheck::Ok;
}

const char *loudnessTargetMessage(LoudnessTargetCheck check)
{
    switch (check) {
    case LoudnessTargetCheck::Empty:
        return QT_TRANSLATE_NOOP("Options", "Please enter a loudness target in LUFS, from -31 to -5.");
    case LoudnessTargetCheck::NotANumber:
        return QT_TRANSLATE_NOOP("Options", "The loudness target must be a whole number of LUFS, such as -18.");
    case LoudnessTargetCheck::OutOfRange:
        return QT_TRANSLATE_NOOP("Options", "The loudness target must lie between -31 and -5 LUFS.");
    case LoudnessTargetCheck::Ok:
        break;
    }
    return "";
}
