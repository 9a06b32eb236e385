#include "batch/albumloudness.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "options/loudnessoptions.h"

namespace {

// Bins of the converter's block histogram.
constexpr double kBinWidth = 0.1;
constexpr double kBinFloor = -70.0;
constexpr double kRelativeGate = -10.0;

double energyOf(double lufs)
{
    return std::pow(10.0, (lufs + 0.691) / 10.0);
}

double lufsOf(double energy)
{
    return -0.691 + 10.0 * std::log10(energy);
}

double binCentre(int bin)
{
    return kBinFloor + kBinWidth * (bin + 0.5);
}

} // namespace

std::string albumKey(const LoudnessMeasure &measure)
{
    if (!measure.complete || measure.album.empty())
        return {};
    // The unit separator cannot occur in a printed tag.
    return measure.album + '\x1f' + measure.albumArtist;
}

LoudnessFigures albumFigures(const std::vector<const LoudnessMeasure *> &tracks)
{
    LoudnessFigures figures;
    std::map<int, long> blocks;
    for (const LoudnessMeasure *track : tracks) {
        figures.peak = std::max(figures.peak, track->figures.peak);
        for (const auto &[bin, count] : track->blocks)
            blocks[bin] += count;
    }
    double energy = 0.0;
    long count = 0;
    for (const auto &[bin, n] : blocks) {
        energy += n * energyOf(binCentre(bin));
        count += n;
    }
    if (count == 0)
        return figures;
    // Like the track's own gating: blocks more than 10 LU below the mean are left out.
    const double gate = lufsOf(energy / count) + kRelativeGate;
    const int firstBin = static_cast<int>(std::floor((gate - kBinFloor) / kBinWidth));
    double gatedEnergy = 0.0;
    long gatedCount = 0;
    for (const auto &[bin, n] : blocks) {
        if (bin < firstBin)
            continue;
        gatedEnergy += n * energyOf(binCentre(bin));
        gatedCount += n;
    }
    if (gatedCount > 0)
        figures.integrated = lufsOf(gatedEnergy / gatedCount);
    return figures;
}

std::vector<std::optional<LoudnessFigures>> albumFiguresOf(const std::vector<LoudnessMeasure> &measures)
{
    std::map<std::string, std::vector<const LoudnessMeasure *>> albums;
    for (const LoudnessMeasure &measure : measures)
        if (const std::string key = albumKey(measure); !key.empty())
            albums[key].push_back(&measure);
    std::map<std::string, LoudnessFigures> figures;
    for (const auto &[key, tracks] : albums)
        figures[key] = albumFigures(tracks);
    std::vector<std::optional<LoudnessFigures>> result;
    for (const LoudnessMeasure &measure : measures) {
        const std::string key = albumKey(measure);
        result.push_back(key.empty() ? std::nullopt : std::optional(figures[key]));
    }
    return result;
}

LoudnessRequest loudnessRequestFor(const GeneralOptions &options, int formatIndex, const MeasuredLoudness *measured)
{
    LoudnessRequest request;
    request.mode = loudnessModeFor(options, formatIndex);
    request.target = effectiveLoudnessTarget(options.LoudnessTarget);
    if (request.mode == 0 || !measured)
        return request;
    request.track = measured->track;
    // Normalising by the track gain keeps the album figures out: given, they set the gain.
    if (request.mode == 1 || options.LoudnessAlbum != 0)
        request.album = measured->album;
    return request;
}
