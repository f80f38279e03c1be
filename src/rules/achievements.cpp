// achievements.cpp -- the conditions of the thirty achievements and the score.
#include "screens/map/rules/achievements.h"

namespace vm {
namespace {

void Earn(GameState& s, int slot, bool condition) {
    if (condition) s.Achievements[static_cast<size_t>(slot)] = 1;
}

}  // namespace

void PerTickAchievements(GameState& s) {
    Earn(s, 2, s.PlayerBlue > 20);
    Earn(s, 3, s.PlayerRed > 20);
    Earn(s, 4, s.PlayerYellow > 20);
    Earn(s, 5, s.PlayerBlueRare > 20);
    Earn(s, 6, s.PlayerRedRare > 20);
    Earn(s, 7, s.PlayerYellowRare > 20);
    Earn(s, 12, s.PlayerBlueIncome > 3);
    Earn(s, 13, s.PlayerRedIncome > 3);
    Earn(s, 14, s.PlayerYellowIncome > 3);
    Earn(s, 15, s.PlayerGreen > 20);
    Earn(s, 21, s.PlayerBurn > 0 && s.EnemyBurn > 0);
    Earn(s, 22, s.PlayerWard > 0 && s.EnemyWard > 0);
    Earn(s, 23, s.PlayerBurn > 0 && s.EnemyBurn > 0 && s.PlayerWard > 0 && s.EnemyWard > 0);
    Earn(s, 29, s.EnemyRed == 0 && s.EnemyYellow == 0 && s.EnemyBlue == 0);
    Earn(s, 19, s.DiscardStreak == 5);
    Earn(s, 20, s.DiscardStreak == 10);
}

void EndAchievements(GameState& s) {
    Earn(s, 0, s.BattleResult == 1);
    Earn(s, 1, s.PlayerTower == 500);
    Earn(s, 25, s.BattleResult == 1 && s.PlayerTower < 50);
    Earn(s, 26, s.BattleResult == 1 && s.PlayerTower > 400);
}

void HandAchievements(GameState& s) {
    int blue = 0, red = 0, yellow = 0, white = 0;  // card 40 counts in no group
    for (int slot = 1; slot <= 5; ++slot) {
        const int card = s.HandCard[slot];
        blue += card >= 1 && card <= 21;
        red += card >= 22 && card <= 39;
        yellow += card >= 41 && card <= 62;
        white += card >= 63 && card <= 70;
    }
    Earn(s, 8, blue == 5);
    Earn(s, 9, red == 5);
    Earn(s, 10, yellow == 5);
    Earn(s, 11, white == 5);
    Earn(s, 16,
         s.PlayerRed > 10 && s.PlayerYellow > 10 && s.PlayerBlue > 10 && s.PlayerRedRare > 10 &&
             s.PlayerYellowRare > 10 && s.PlayerBlueRare > 10 && s.PlayerGreen > 10);
}

void PlayAchievements(GameState& s, int card) {
    Earn(s, 18, card > 62);
    if (card == 11) s.Card11Played = 1;
    if (card == 19) s.Card19Played = 1;
    Earn(s, 28, s.Card11Played + s.Card19Played == 2);
    Earn(s, 27, card == 50 && s.EnemyBurn > 0);
    Earn(s, 17, card == 37);
}

int32_t ScoreOf(const GameState& s) {
    int32_t sum = 10 * s.Level;
    for (size_t slot = 0; slot < 30; ++slot) {
        if (s.Achievements[slot] == 1) sum += kAchievementWeights[slot];
    }
    return 23 * sum;
}

}  // namespace vm
