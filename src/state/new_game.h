// new_game.h -- what the title window's START sets up before the intro begins.
#pragma once

#include <cstdint>

#include "state/game_state.h"
#include "state/sound_bank.h"

namespace vm {

// START's setup, in its order: reseed from the clock, sound 1, clear the achievements, sparks,
// a fresh hand of five, rain, stars, the cost table, no pendants. Everything else (Level,
// towers, resources, flask) keeps its value. The hand-over to the intro is the caller's.
void NewGame(GameState& state, SoundBank& sounds, uint32_t msOfDayUtc);

}  // namespace vm
