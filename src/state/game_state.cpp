// game_state.cpp -- the program-wide game state instance.
#include "state/game_state.h"

namespace vm {

GameState& Game() {
    static GameState state;
    return state;
}

}  // namespace vm
