// achievements.cpp -- the conditions of the thirty achievements and the score.
#include "rules/achievements.h"

#include "state/cards.h"

namespace vm {
namespace {

void Earn(GameState& s, Achievement slot, bool condition) {
    if (condition) s.Achievements[static_cast<size_t>(slot)] = 1;
}

}  // namespace

void PerTickAchievements(GameState& s) {
    Earn(s, Achievement::BlueHoard, s.PlayerBlue > 20);
    Earn(s, Achievement::RedHoard, s.PlayerRed > 20);
    Earn(s, Achievement::YellowHoard, s.PlayerYellow > 20);
    Earn(s, Achievement::BlueRareHoard, s.PlayerBlueRare > 20);
    Earn(s, Achievement::RedRareHoard, s.PlayerRedRare > 20);
    Earn(s, Achievement::YellowRareHoard, s.PlayerYellowRare > 20);
    Earn(s, Achievement::BlueIncome, s.PlayerBlueIncome > 3);
    Earn(s, Achievement::RedIncome, s.PlayerRedIncome > 3);
    Earn(s, Achievement::YellowIncome, s.PlayerYellowIncome > 3);
    Earn(s, Achievement::GreenHoard, s.PlayerGreen > 20);
    Earn(s, Achievement::BothTowersBurning, s.PlayerBurn > 0 && s.EnemyBurn > 0);
    Earn(s, Achievement::BothTowersWarded, s.PlayerWard > 0 && s.EnemyWard > 0);
    Earn(s, Achievement::BurnAndWardEverywhere,
         s.PlayerBurn > 0 && s.EnemyBurn > 0 && s.PlayerWard > 0 && s.EnemyWard > 0);
    Earn(s, Achievement::EnemyBankrupt, s.EnemyRed == 0 && s.EnemyYellow == 0 && s.EnemyBlue == 0);
    Earn(s, Achievement::FiveDiscards, s.DiscardStreak == 5);
    Earn(s, Achievement::TenDiscards, s.DiscardStreak == 10);
}

void EndAchievements(GameState& s) {
    Earn(s, Achievement::Victory, s.BattleResult == 1);
    Earn(s, Achievement::FullTowerAtTheEnd, s.PlayerTower == 500);
    Earn(s, Achievement::NarrowVictory, s.BattleResult == 1 && s.PlayerTower < 50);
    Earn(s, Achievement::CommandingVictory, s.BattleResult == 1 && s.PlayerTower > 400);
}

void HandAchievements(GameState& s) {
    int blue = 0, red = 0, yellow = 0, white = 0;  // card 40 counts in no group
    for (int slot = 1; slot <= 5; ++slot) {
        const int card = s.HandCard[slot];
        blue += CountsIn(card, CardRun::Blue);
        red += CountsIn(card, CardRun::Red);
        yellow += CountsIn(card, CardRun::Yellow);
        white += CountsIn(card, CardRun::Silver);
    }
    Earn(s, Achievement::BlueHand, blue == 5);
    Earn(s, Achievement::RedHand, red == 5);
    Earn(s, Achievement::YellowHand, yellow == 5);
    Earn(s, Achievement::SilverHand, white == 5);
    Earn(s, Achievement::RichInEverything,
         s.PlayerRed > 10 && s.PlayerYellow > 10 && s.PlayerBlue > 10 && s.PlayerRedRare > 10 &&
             s.PlayerYellowRare > 10 && s.PlayerBlueRare > 10 && s.PlayerGreen > 10);
}

void PlayAchievements(GameState& s, int card) {
    Earn(s, Achievement::SilverCardPlayed, card > 62);
    if (card == 11) s.Card11Played = 1;
    if (card == 19) s.Card19Played = 1;
    Earn(s, Achievement::CourtAndSeduction, s.Card11Played + s.Card19Played == 2);
    Earn(s, Achievement::FrostOnFire, card == 50 && s.EnemyBurn > 0);
    Earn(s, Achievement::TitanPlayed, card == 37);
}

int32_t ScoreOf(const GameState& s) {
    int32_t sum = 10 * s.Level;
    for (const AchievementWeight& a : kAchievementWeights) {
        if (s.Achievements[static_cast<size_t>(a.slot)] == 1) sum += a.weight;
    }
    return 23 * sum;
}

}  // namespace vm

namespace vm {
static_assert(
    [] {
        for (int i = 0; i < kAchievementCount; ++i)
            if (static_cast<int>(kAchievementWeights[std::size_t(i)].slot) != i) return false;
        return true;
    }(),
    "one weight per slot, in slot order");
}  // namespace vm
