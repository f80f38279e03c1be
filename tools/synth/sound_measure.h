// sound_measure.h -- the figures by which we judge a sound: level, brightness, ending, clicks.
#pragma once

#include <cstddef>

#include "sound_buffer.h"

namespace synth {

// Loudest sample of either channel, in dBFS.
double PeakDb(const StereoBuffer& sound);

// RMS over the sounding part, in dBFS: the 10 ms blocks no more than 40 dB below the loudest
// block. A sound's long quiet tail does not pull its level down.
double LevelDb(const StereoBuffer& sound);

// RMS of the last `seconds` of the sound, in dBFS (-200 for digital silence).
double TailDb(const StereoBuffer& sound, double seconds = 0.010);

// Share (0..1) of the sound's energy at and above the given frequency, from the power spectrum
// of the whole sound (both channels).
double ShareAbove(const StereoBuffer& sound, double hz);

// Single-sample steps that stand out of their surroundings: a step at least eight times the RMS
// step of the 5 ms around it and louder than -40 dBFS; steps closer than 1.2 ms are one click.
// Played once, a sound steps from and back to silence at its ends; with `looped`, the step from
// the last frame back to the first counts instead.
int CountClicks(const StereoBuffer& sound, bool looped = false);

// The step across a loop's seam (last frame to first) divided by the RMS step of the 5 ms on
// either side: 1 is an ordinary step, a click stands several times higher.
double SeamStepRatio(const StereoBuffer& sound);

}  // namespace synth
