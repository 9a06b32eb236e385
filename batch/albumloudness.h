#pragma once

#include <optional>
#include <string>
#include <vector>

#include "converter/loudnessmeasure.h"
#include "options/programsettings.h"

// The files of a batch that form an album: the same album tag and the same album
// artist (files without one match each other). A file without an album tag is in no album.
// Empty for such a file and for a measure that did not complete.
std::string albumKey(const LoudnessMeasure &measure);

// The album's loudness as if its tracks were measured as one (their gating blocks pooled,
// then gated again) and its true peak, the tracks' highest.
LoudnessFigures albumFigures(const std::vector<const LoudnessMeasure *> &tracks);

// For each measure, the figures of its album; nothing where it is in none.
std::vector<std::optional<LoudnessFigures>> albumFiguresOf(const std::vector<LoudnessMeasure> &measures);

// What the album pass found for one file.
struct MeasuredLoudness {
    std::optional<LoudnessFigures> track;
    std::optional<LoudnessFigures> album;
};

// The loudness part of a file's conversion under the settings, in a format; measured is
// null when no album pass ran.
LoudnessRequest loudnessRequestFor(const GeneralOptions &options, int formatIndex, const MeasuredLoudness *measured);
