// game_state.h -- every program-wide variable of the game in one record, with its start value.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/random.h"

namespace vm {

// Arrays are sized so that the game's own index works directly: slot 1..5 is HandCard[1]..[5]
// (element 0 unused), card 1..70 is CardCostBlue[1]..[70], Achievements and the intro's trail
// start at 0. A fresh GameState{} is the state at program start, so a test makes one per case.
struct GameState {
#define VM_SCALAR(name, start) int32_t name = start;
#define VM_ARRAY(name, first, last) std::array<int32_t, (last) + 1> name{};
#define VM_TEXT(name, start, constant) std::string name = start;
#include "state/state_fields.inc"
#undef VM_SCALAR
#undef VM_ARRAY
#undef VM_TEXT

    // The one random generator; START and every screen tick reseed it.
    Random random;
};

// The program-wide instance that every screen reads and writes.
GameState& Game();

}  // namespace vm
