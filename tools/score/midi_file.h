// midi_file.h -- writes a score as a standard MIDI file for the synthesiser to play.
#pragma once

#include <string>

#include "score.h"

namespace score {

constexpr int kTicksPerBeat = 480;

// The bytes of a format-0 MIDI file that plays the score `cycles` times in a row (a loop is
// rendered round more than once so that its middle turn carries the tails of the one before),
// then lets it ring out for the score's tail.
std::string MidiBytes(const Score& score, int cycles);

}  // namespace score
