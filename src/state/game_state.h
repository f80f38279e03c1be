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
    // Campaign, score and saving.
    int32_t Level = 1;
    std::array<int32_t, 30> Achievements{};  // 0..29, 1 = earned
    int32_t Score = 0;
    int32_t Flask = 0;
    int32_t JustSaved = 0;

    // Towers and battle.
    int32_t PlayerTower = 400;
    int32_t EnemyTower = 400;
    int32_t PlayerTowerShown = 400;
    int32_t EnemyTowerShown = 400;
    int32_t PlayerTowerBefore = 0;
    int32_t EnemyTowerBefore = 0;
    int32_t PlayerBurn = 0;
    int32_t EnemyBurn = 0;
    int32_t PlayerWard = 0;
    int32_t EnemyWard = 0;
    int32_t BattleResult = 0;  // 0 running, 1 won, 2 lost
    int32_t DiscardStreak = 0;
    int32_t Card11Played = 0;
    int32_t Card19Played = 0;

    // Resources: seven stocks and three incomes per side.
    int32_t PlayerBlue = 5;
    int32_t PlayerRed = 5;
    int32_t PlayerYellow = 5;
    int32_t PlayerBlueRare = 1;
    int32_t PlayerRedRare = 1;
    int32_t PlayerYellowRare = 1;
    int32_t PlayerGreen = 1;
    int32_t PlayerBlueIncome = 1;
    int32_t PlayerRedIncome = 1;
    int32_t PlayerYellowIncome = 1;
    int32_t EnemyBlue = 5;
    int32_t EnemyRed = 5;
    int32_t EnemyYellow = 5;
    int32_t EnemyBlueRare = 1;
    int32_t EnemyRedRare = 1;
    int32_t EnemyYellowRare = 1;
    int32_t EnemyGreen = 1;
    int32_t EnemyBlueIncome = 1;
    int32_t EnemyRedIncome = 1;
    int32_t EnemyYellowIncome = 1;

    // Turn cycle.
    int32_t TurnPhase = 1;  // 1 player's move, 2 enemy's move, 3 end of turn
    int32_t MoonPhase = 1;  // 1 white, 2 blue, 3 red, 4 yellow
    int32_t PlayerMoveTicks = 0;
    int32_t PendingPlayerCard = 0;
    int32_t AnimCard = 0;
    int32_t AnimKind = 0;  // 0 bolt, 1 card picture, 2 rings
    int32_t EnemyCard = 0;
    int32_t EnemyMoveTicks = 0;
    int32_t EnemyPlayedCard = 0;
    int32_t EnemyCanAfford = 0;
    int32_t HoverSlot = 0;
    int32_t DeltaTicks = 0;
    int32_t SnapPlayerBlue = 0;
    int32_t SnapPlayerRed = 0;
    int32_t SnapPlayerYellow = 0;
    int32_t SnapPlayerTower = 0;
    int32_t SnapPlayerGreen = 0;

    // Hand and card table.
    std::array<int32_t, 6> HandCard{};     // slot 1..5, 0 = empty
    std::array<int32_t, 6> SlotPendant{};  // slot 1..5, 0 none, 1..5 kind
    int32_t DropSlot = 0;
    int32_t DropY = 0;
    int32_t DropSpeed = 15;
    std::array<int32_t, 71> CardCostBlue{};  // card 1..70
    std::array<int32_t, 71> CardCostRed{};
    std::array<int32_t, 71> CardCostYellow{};
    std::array<int32_t, 71> CardCostBlueRare{};
    std::array<int32_t, 71> CardCostRedRare{};
    std::array<int32_t, 71> CardCostYellowRare{};
    std::array<int32_t, 71> CardCostGreen{};

    // Map screen presentation and controls.
    int32_t MouseX = 0;
    int32_t MouseY = 0;
    int32_t MusicSwitch = 1;  // 1 on, -1 off
    int32_t FastMode = 0;
    int32_t LevelIntroTicks = 0;
    std::array<int32_t, 1001> StarX{};  // 1..1000
    std::array<int32_t, 1001> StarY{};
    std::array<int32_t, 1001> StarPhase{};
    std::array<int32_t, 101> SparkDrift{};  // 1..100
    std::array<int32_t, 101> SparkAge{};
    int32_t BoltStepX = 0;
    int32_t BoltStepY = 0;
    int32_t BoltSpark = 0;
    int32_t ShownDelta = 0;

    // Intro, story and level screens.
    std::array<int32_t, 501> RainX{};  // 1..500
    std::array<int32_t, 501> RainY{};
    std::array<int32_t, 501> RainSpeed{};
    std::array<int32_t, 10> TrailX{};  // 0..9, 0 newest
    std::array<int32_t, 10> TrailY{};
    int32_t IntroMouseX = 0;
    int32_t IntroMouseY = 0;
    int32_t TowerRise = 0;
    int32_t CloudScroll = 0;
    int32_t CloudHalfStep = 0;
    int32_t LightningTick = 0;
    int32_t LightningX = 0;
    std::string VersionText = "1.7(b) 12/04/10";  // constant
    int32_t StoryScroll = 0;
    int32_t MarkerBlink = 0;

    // Instructions window.
    std::string TopicFileName;

    // The one random generator; START and every screen tick reseed it.
    Random random;
};

// The program-wide instance that every screen reads and writes.
GameState& Game();

}  // namespace vm
