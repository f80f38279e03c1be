// mastering.h -- the finish every sound gets: its level, a clean ending, a seamless loop.
#pragma once

#include <cstddef>

#include "sound_buffer.h"

namespace synth {

// Scales the sound so that its level (RMS over the sounding part, LevelDb) is `levelDb`. Peaks
// that would pass `ceilingDb` are rounded off smoothly rather than clipped.
void SetLevel(StereoBuffer& sound, double levelDb, double ceilingDb = -0.5);

// Takes out the rumble below `hz` (second-order Butterworth high-pass): energy that small
// speakers cannot play and that only eats headroom.
void HighPass(StereoBuffer& sound, double hz);

// Fades the last `seconds` out along a half cosine to exact silence.
void FadeOut(StereoBuffer& sound, double seconds);

// Cuts one turn of a loop out of a render that played it round several times: `length` frames
// from `start`, with the first `crossfade` frames faded in over the frames that follow the
// turn, so the last frame runs on into the first as it did in the render.
StereoBuffer CutLoop(const StereoBuffer& render, size_t start, size_t length, size_t crossfade);

}  // namespace synth
