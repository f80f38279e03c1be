// score_render.h -- from a score file to the finished sound of the game.
#pragma once

#include <string>

#include "fluid_render.h"
#include "sound_buffer.h"

namespace score {

// Reads the score, writes it as MIDI into workDir, plays it through FluidSynth and finishes it:
// a piece is cut after its tail and faded to silence, a loop becomes one seamless turn; both are
// set to the score's level. Errors throw tk::Error naming the file.
synth::StereoBuffer RenderScore(const std::string& scorePath, FluidSetup setup,
                                const std::string& workDir);

}  // namespace score
