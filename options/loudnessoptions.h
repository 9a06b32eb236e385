#pragma once

#include <QtGlobal>

#include <span>
#include <string>

#include "options/generaloptionsrules.h"

// The loudness settings of the General page and what they mean for a conversion.
constexpr int kLoudnessTargetLowest = -31;
constexpr int kLoudnessTargetHighest = -5;
constexpr int kLoudnessTargetDefault = -18;

// "Off", "Write ReplayGain tags", "Normalise the audio": the stored numbers 0, 1, 2.
std::span<const ChoiceRow<int>> loudnessRows();

// The stored Loudness as it acts: a number other than 1 or 2 is off.
int effectiveLoudness(int stored);
// The stored LoudnessTarget as it acts: out of range gives the default.
int effectiveLoudnessTarget(int stored);

// WAV, AU, RA, AMR and AC3 keep no loudness tags.
bool formatHoldsLoudnessTags(int formatIndex);
// The note the page shows for a format without a place for the tags; empty for the others.
std::string loudnessTagNote(int formatIndex);
// Its text, %1 standing for the format's name.
inline constexpr const char *kLoudnessTagNote = QT_TRANSLATE_NOOP(
    "Options", "%1 files have no standard place for loudness tags: tags are left out, normalising still works.");

// What the converter is asked for in a format: tags where none can go leave the
// conversion as it is (0); normalising works everywhere.
int loudnessModeFor(const GeneralOptions &options, int formatIndex);
// Whether a batch measures its files first, for album figures: with tags (album tags
// go with them) and when normalising by the album.
bool wantsAlbumPass(const GeneralOptions &options, int formatIndex);

enum class LoudnessTargetCheck {
    Ok,
    Empty,      // nothing entered
    NotANumber, // not a whole number
    OutOfRange, // outside -31..-5
};
// Reads the target as typed; on Ok stores it in target.
LoudnessTargetCheck checkLoudnessTarget(const std::string &text, int &target);
const char *loudnessTargetMessage(LoudnessTargetCheck check);
