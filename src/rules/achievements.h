// achievements.h -- the thirty achievements: when each is earned and what it is worth.
#pragma once

#include <array>
#include <cstdint>

#include "state/game_state.h"

namespace vm {

// The thirty achievement slots, by what earns them (slot numbers as in Achievements[]).
enum class Achievement : int {
    Victory,                // 0
    FullTowerAtTheEnd,      // 1
    BlueHoard,              // 2
    RedHoard,               // 3
    YellowHoard,            // 4
    BlueRareHoard,          // 5
    RedRareHoard,           // 6
    YellowRareHoard,        // 7
    BlueHand,               // 8
    RedHand,                // 9
    YellowHand,             // 10
    SilverHand,             // 11
    BlueIncome,             // 12
    RedIncome,              // 13
    YellowIncome,           // 14
    GreenHoard,             // 15
    RichInEverything,       // 16
    TitanPlayed,            // 17
    SilverCardPlayed,       // 18
    FiveDiscards,           // 19
    TenDiscards,            // 20
    BothTowersBurning,      // 21
    BothTowersWarded,       // 22
    BurnAndWardEverywhere,  // 23
    HalfwayThrough,         // 24
    NarrowVictory,          // 25
    CommandingVictory,      // 26
    FrostOnFire,            // 27
    CourtAndSeduction,      // 28
    EnemyBankrupt,          // 29
};
inline constexpr int kAchievementCount = 30;

// Score weight of each slot; they add up to 91.
struct AchievementWeight {
    Achievement slot;
    int32_t weight;
};
inline constexpr std::array<AchievementWeight, kAchievementCount> kAchievementWeights = {{
    {Achievement::Victory, 1},           {Achievement::FullTowerAtTheEnd, 4},
    {Achievement::BlueHoard, 2},         {Achievement::RedHoard, 2},
    {Achievement::YellowHoard, 2},       {Achievement::BlueRareHoard, 3},
    {Achievement::RedRareHoard, 3},      {Achievement::YellowRareHoard, 3},
    {Achievement::BlueHand, 2},          {Achievement::RedHand, 2},
    {Achievement::YellowHand, 2},        {Achievement::SilverHand, 3},
    {Achievement::BlueIncome, 4},        {Achievement::RedIncome, 4},
    {Achievement::YellowIncome, 4},      {Achievement::GreenHoard, 4},
    {Achievement::RichInEverything, 4},  {Achievement::TitanPlayed, 1},
    {Achievement::SilverCardPlayed, 1},  {Achievement::FiveDiscards, 3},
    {Achievement::TenDiscards, 5},       {Achievement::BothTowersBurning, 3},
    {Achievement::BothTowersWarded, 3},  {Achievement::BurnAndWardEverywhere, 5},
    {Achievement::HalfwayThrough, 3},    {Achievement::NarrowVictory, 4},
    {Achievement::CommandingVictory, 4}, {Achievement::FrostOnFire, 3},
    {Achievement::CourtAndSeduction, 2}, {Achievement::EnemyBankrupt, 5},
}};

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
