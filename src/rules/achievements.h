// achievements.h -- the thirty achievements: when each is earned and what it is worth.
#pragma once

#include <array>
#include <cstdint>

#include "state/game_state.h"

namespace vm {

// Score weight of each slot 0..29; they add up to 91.
inline constexpr std::array<int32_t, 30> kAchievementWeights = {
    1, 4, 2, 2, 2, 3, 3, 3, 2, 2, 2, 3, 4, 4, 4, 4, 4, 1, 1, 3, 5, 3, 3, 5, 3, 4, 4, 3, 2, 5};

// The map tick's tests after the turn steps: stocks, incomes, green, burn and ward, the enemy's
// empty stocks, the discard streaks (slots 2..7, 12..15, 21..23, 29, 19, 20 in that order).
void PerTickAchievements(GameState& state);
// The tests of a battle's end, after BattleResult is set (slots 0, 1, 25, 26).
void EndAchievements(GameState& state);
// The hand tests right after the end test: five cards of one group (8..11), then slot 16.
void HandAchievements(GameState& state);
// The tests of a play of card n (slots 18, 28, 27, 17); PlayOrDiscard calls it.
void PlayAchievements(GameState& state, int card);
// 23 x (10 x Level + the weights of the slots that hold exactly 1).
int32_t ScoreOf(const GameState& state);

}  // namespace vm
