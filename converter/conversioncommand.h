#pragma once

#include <string>
#include <vector>

#include "converter/loudnessmeasure.h"
#include "core/mediaitem.h"
#include "core/encodingparams.h"
#include "core/formatcatalogue.h"

// The converter's arguments for one conversion (argv[0] is the tool), which
// commandText() shows as
//   "<tool>" -@ -i "<source>" -y [-f <container>] -vn [-acodec <codec>] -ar <rate>
//   [-ab <rate>k] [-ac <channels>] [-vol <scale>] [-threads <n>] [loudness options] "<output>"
// The source is given as "DS:\\<source>" when the item was probed that way.
// "-threads" appears only for more than one encoding thread. Every path and
// stored parameter is one argument, whatever it holds.
std::vector<std::string> buildConversionCommand(const std::string &toolPath, const MediaItem &item,
                                                const std::string &outputPath, const FormatEntry &format,
                                                const EncodingParams &params, const LoudnessRequest &loudness = {},
                                                int threads = 1);

// The "-ar" value and the bit-rate base in kbps per channel chosen for a source
// probed at sampleRate Hz when the sample rate is left on Auto.
struct AutoRate {
    int sampleRate;
    int bitRateBase;
};
AutoRate automaticRate(int sampleRate);

// The "-vol" value of a stored volume in percent: the number read as atof
// reads it (independent of the locale) times 2.56, cut toward zero.
int volumeScale(const std::string &volume);
