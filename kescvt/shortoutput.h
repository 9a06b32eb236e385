// Bare elementary-stream outputs (MPEG audio, AC-3, ADTS) carry no header that says what
// they hold: readers recognise them by finding several frames in a row, and take a
// file of one or two frames for no media at all. A conversion shorter than that is made up
// with silent frames after the source's audio.
#pragma once

#include "audioencoder.h"
#include "avhandles.h"

namespace kescvt {

// Samples the encoder must be given in all for readers to recognise the output; 0 when
// any length opens.
int64_t shortestReadableOutput(const AVOutputFormat *container, const AudioEncoder &encoder);
// One frame of silence in the encoder's format: frameSize() samples, or 20 ms when the
// encoder takes any number.
FramePtr silentFrame(const AudioEncoder &encoder);

} // namespace kescvt
