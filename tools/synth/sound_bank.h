// sound_bank.h -- the recipes of the synthesised effects, in the order of the game's sound
// players (the music and the effects played on real instruments are scores under data/music).
#pragma once

#include <string>
#include <vector>

#include "sound_buffer.h"
#include "state/sounds.h"

namespace synth {

struct SoundRecipe {
    vm::Sound sound;           // its file comes from the game's sound table
    StereoBuffer (*render)();  // deterministic: the same samples on every build
};

const std::vector<SoundRecipe>& SoundBank();

}  // namespace synth
