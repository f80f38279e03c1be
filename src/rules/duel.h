// duel.h -- the two sides of the duel and the bundle of state and sounds the rules work on.
#pragma once

#include <cstdint>

#include "state/game_state.h"
#include "state/sound_bank.h"

namespace vm {

using StateValue = int32_t GameState::*;

// One side's variables, so that every rule is written once and run for the player and the enemy.
struct Side {
    StateValue Tower, TowerBefore, Burn, Ward;
    StateValue Blue, Red, Yellow, BlueRare, RedRare, YellowRare, Green;
    StateValue BlueIncome, RedIncome, YellowIncome;
};

inline constexpr Side kPlayerSide{
    &GameState::PlayerTower,      &GameState::PlayerTowerBefore, &GameState::PlayerBurn,
    &GameState::PlayerWard,       &GameState::PlayerBlue,        &GameState::PlayerRed,
    &GameState::PlayerYellow,     &GameState::PlayerBlueRare,    &GameState::PlayerRedRare,
    &GameState::PlayerYellowRare, &GameState::PlayerGreen,       &GameState::PlayerBlueIncome,
    &GameState::PlayerRedIncome,  &GameState::PlayerYellowIncome};

inline constexpr Side kEnemySide{
    &GameState::EnemyTower,      &GameState::EnemyTowerBefore, &GameState::EnemyBurn,
    &GameState::EnemyWard,       &GameState::EnemyBlue,        &GameState::EnemyRed,
    &GameState::EnemyYellow,     &GameState::EnemyBlueRare,    &GameState::EnemyRedRare,
    &GameState::EnemyYellowRare, &GameState::EnemyGreen,       &GameState::EnemyBlueIncome,
    &GameState::EnemyRedIncome,  &GameState::EnemyYellowIncome};

enum class SideId { Player, Enemy };

inline const Side& SideOf(SideId id) {
    return id == SideId::Player ? kPlayerSide : kEnemySide;
}
inline SideId Opponent(SideId id) {
    return id == SideId::Player ? SideId::Enemy : SideId::Player;
}

// What every rule gets: the game state and the sounds it may ask for.
struct Duel {
    GameState& state;
    SoundBank& sounds;
};

}  // namespace vm
