// new_game.cpp -- START's setup of a new game.
#include "state/new_game.h"

#include "state/card_costs.h"

namespace vm {

void NewGame(GameState& state, SoundBank& sounds, uint32_t msOfDayUtc) {
    Random& random = state.random;
    random.Reseed(msOfDayUtc);
    sounds.Play(Sound::TitleMusic);
    state.Achievements.fill(0);
    for (int i = 1; i <= 100; ++i) {
        state.SparkDrift[i] = random.Between(1, 5);
        state.SparkAge[i] = i;  // ages 1..100 keep the plume continuous from the start
    }
    for (int slot = 1; slot <= 5; ++slot)
        state.HandCard[slot] = random.Between(1, 70);
    for (int i = 1; i <= 500; ++i) {
        state.RainX[i] = random.Between(1, 2000);
        state.RainY[i] = random.Below(1000) - 5;
        state.RainSpeed[i] = random.Between(3, 7);
    }
    for (int i = 1; i <= 1000; ++i) {
        state.StarX[i] = random.Between(1, 2000);
        state.StarY[i] = random.Between(1, 1000);
        state.StarPhase[i] = random.Between(1, 5);
    }
    FillCardCosts(state);
    for (int slot = 1; slot <= 5; ++slot)
        state.SlotPendant[slot] = 0;
}

}  // namespace vm
