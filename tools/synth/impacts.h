// impacts.h -- the synthesiser's hard sounds: stone debris, the crack of thunder, struck steel,
// rolling thunder and plucked strings. Each adds itself into a buffer from a start time.
#pragma once

#include <cstdint>

#include "sound_buffer.h"

namespace synth {

// Stone and grit falling: many short bright grains, thick at first and thinning out.
void Debris(StereoBuffer& out, uint32_t seed, double start, double length, double level);

// The tearing crack of a lightning strike or of split stone: bright noise that snaps and
// crackles for `length` seconds.
void Crack(StereoBuffer& out, uint32_t seed, double start, double length, double level);

// A struck steel plate: inharmonic partials from `baseHz` up, the high ones dying first.
void SteelClang(StereoBuffer& out, double start, double baseHz, double decay, double level,
                double pan);

// Thunder rolling away: a band of low-mid noise swelling and ebbing in uneven waves.
void RollingThunder(StereoBuffer& out, uint32_t seed, double start, double length, double level);

// A plucked string (Karplus-Strong) at the given MIDI pitch.
void Pluck(StereoBuffer& out, uint32_t seed, double start, double note, double decay, double level,
           double pan);

}  // namespace synth
