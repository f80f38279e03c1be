// achievements_and_end_test.cpp -- achievement conditions, the end test, NextBattle, the score.
#include <gtest/gtest.h>

#include <numeric>

#include "duel_fixture.h"
#include "rules/achievements.h"
#include "rules/end_of_battle.h"
#include "rules/map_tick_rules.h"
#include "rules/turn_cycle.h"

namespace vm {
namespace {

class Achievements : public testing::DuelTest {
  protected:
    int Earned() { return std::accumulate(s.Achievements.begin(), s.Achievements.end(), 0); }
};

TEST_F(Achievements, PerTickConditionsAtTheirThresholds) {
    PerTickAchievements(s);
    EXPECT_EQ(Earned(), 0);
    struct Case {
        StateValue value;
        int32_t below, at;
        int slot;
    };
    for (Case c : {Case{&GameState::PlayerBlue, 20, 21, 2},
                   {&GameState::PlayerRed, 20, 21, 3},
                   {&GameState::PlayerYellow, 20, 21, 4},
                   {&GameState::PlayerBlueRare, 20, 21, 5},
                   {&GameState::PlayerRedRare, 20, 21, 6},
                   {&GameState::PlayerYellowRare, 20, 21, 7},
                   {&GameState::PlayerBlueIncome, 3, 4, 12},
                   {&GameState::PlayerRedIncome, 3, 4, 13},
                   {&GameState::PlayerYellowIncome, 3, 4, 14},
                   {&GameState::PlayerGreen, 20, 21, 15}}) {
        GameState g;
        g.*c.value = c.below;
        PerTickAchievements(g);
        EXPECT_EQ(g.Achievements[static_cast<size_t>(c.slot)], 0) << c.slot;
        g.*c.value = c.at;
        PerTickAchievements(g);
        EXPECT_EQ(g.Achievements[static_cast<size_t>(c.slot)], 1) << c.slot;
    }
    s.PlayerBurn = s.EnemyBurn = 1;
    PerTickAchievements(s);
    EXPECT_EQ(s.Achievements[21], 1);
    EXPECT_EQ(s.Achievements[23], 0);
    s.PlayerWard = s.EnemyWard = 1;
    PerTickAchievements(s);
    EXPECT_EQ(s.Achievements[22], 1);
    EXPECT_EQ(s.Achievements[23], 1);
    s.EnemyRed = s.EnemyYellow = 0;
    PerTickAchievements(s);
    EXPECT_EQ(s.Achievements[29], 0);
    s.EnemyBlue = 0;
    PerTickAchievements(s);
    EXPECT_EQ(s.Achievements[29], 1);
}

TEST_F(Achievements, DiscardStreakEarnsFiveAndTenOnTheWay) {
    TickHooks none;
    for (int discard = 1; discard <= 10; ++discard) {
        s.HandCard[1] = 9;  // unaffordable
        s.PlayerBlue = 0;
        s.TurnPhase = 1;
        s.PlayerMoveTicks = 0;
        s.HoverSlot = 1;
        MapClickRules(duel(), false);
        MapTickRules(duel(), none);
        EXPECT_EQ(s.Achievements[19], discard >= 5 ? 1 : 0) << discard;
        EXPECT_EQ(s.Achievements[20], discard >= 10 ? 1 : 0) << discard;
    }
    s.HandCard[1] = 1;
    s.PlayerBlue = 4;
    s.TurnPhase = 1;
    s.PlayerMoveTicks = 0;
    MapClickRules(duel(), false);
    EXPECT_EQ(s.DiscardStreak, 0);
}

TEST_F(Achievements, HandGroupsAndTheAllAboveTenTest) {
    s.HandCard = {0, 40, 40, 40, 40, 40};
    HandAchievements(s);
    EXPECT_EQ(Earned(), 0);
    const std::pair<std::array<int32_t, 6>, int> hands[] = {{{0, 1, 21, 5, 9, 13}, 8},
                                                            {{0, 22, 39, 30, 25, 22}, 9},
                                                            {{0, 41, 62, 50, 50, 44}, 10},
                                                            {{0, 63, 70, 66, 64, 69}, 11}};
    for (const auto& [hand, slot] : hands) {
        GameState g;
        g.HandCard = hand;
        HandAchievements(g);
        for (int k = 8; k <= 11; ++k)
            EXPECT_EQ(g.Achievements[static_cast<size_t>(k)], k == slot);
    }
    GameState g;
    g.HandCard = {0, 1, 22, 41, 63, 40};
    HandAchievements(g);
    EXPECT_EQ(std::accumulate(g.Achievements.begin(), g.Achievements.end(), 0), 0);
    for (StateValue v : {&GameState::PlayerRed, &GameState::PlayerYellow, &GameState::PlayerBlue,
                         &GameState::PlayerRedRare, &GameState::PlayerYellowRare,
                         &GameState::PlayerBlueRare, &GameState::PlayerGreen}) {
        g.*v = 11;
    }
    g.PlayerGreen = 10;
    HandAchievements(g);
    EXPECT_EQ(g.Achievements[16], 0);
    g.PlayerGreen = 11;
    HandAchievements(g);
    EXPECT_EQ(g.Achievements[16], 1);
}

TEST_F(Achievements, PlayTests) {
    PlayAchievements(s, 62);
    EXPECT_EQ(s.Achievements[18], 0);
    PlayAchievements(s, 63);
    EXPECT_EQ(s.Achievements[18], 1);
    PlayAchievements(s, 37);
    EXPECT_EQ(s.Achievements[17], 1);
    PlayAchievements(s, 50);
    EXPECT_EQ(s.Achievements[27], 0);
    s.EnemyBurn = 1;
    PlayAchievements(s, 50);
    EXPECT_EQ(s.Achievements[27], 1);
    PlayAchievements(s, 19);
    EXPECT_EQ(s.Achievements[28], 0);
    // NextBattle clears the two card flags but an earned slot 28 stays.
    PlayAchievements(s, 11);
    EXPECT_EQ(s.Achievements[28], 1);
    NextBattle(duel());
    EXPECT_EQ(s.Card11Played + s.Card19Played, 0);
    EXPECT_EQ(s.Achievements[28], 1);
    PlayAchievements(s, 11);
    EXPECT_EQ(s.Card11Played, 1);
}

TEST_F(Achievements, EndOfBattleSlots) {
    struct Case {
        int32_t player, enemy;
        int result;
        std::array<int, 4> slots;  // 0, 1, 25, 26
    };
    for (Case c : {Case{49, 0, 1, {1, 0, 1, 0}}, Case{50, 0, 1, {1, 0, 0, 0}},
                   Case{401, 0, 1, {1, 0, 0, 1}}, Case{500, 300, 1, {1, 1, 0, 1}},
                   Case{500, 500, 2, {0, 1, 0, 0}}, Case{0, 200, 2, {0, 0, 0, 0}}}) {
        GameState g;
        g.PlayerTower = c.player;
        g.EnemyTower = c.enemy;
        EXPECT_TRUE(EndTest(g));
        EXPECT_EQ(g.BattleResult, c.result);
        const int slots[] = {0, 1, 25, 26};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(g.Achievements[static_cast<size_t>(slots[k])],
                      c.slots[static_cast<size_t>(k)])
                << c.player << " " << c.enemy << " slot " << slots[k];
        }
    }
}

TEST_F(Achievements, EndTestLossOverridesWin) {
    // Card 63 by the player with both towers at 40: both fall below 1 in one tick.
    s.PlayerTower = s.EnemyTower = 40;
    s.PendingPlayerCard = 63;
    ApplyPlayerEffect(duel());
    EXPECT_TRUE(EndTest(s));
    EXPECT_EQ(s.BattleResult, 2);
    // The enemy's own effect leaves its tower at 520 before any limit: lost at once.
    GameState g;
    g.EnemyTower = 520;
    g.PlayerTower = 300;
    EXPECT_TRUE(EndTest(g));
    EXPECT_EQ(g.BattleResult, 2);
    GameState running;
    EXPECT_FALSE(EndTest(running));
    EXPECT_EQ(running.BattleResult, 0);
}

TEST_F(Achievements, NextBattleResetsStepsLevelsAndGivesHandicap) {
    s.Level = 6;
    s.BattleResult = 2;
    s.PlayerBurn = 2;
    s.EnemyWard = 1;
    s.MoonPhase = 3;
    s.Flask = 33;
    s.HandCard[2] = 55;
    s.random.Reseed(31);
    Random r = s.random;
    EXPECT_EQ(NextBattle(duel()), 6);  // lost at 6: fought again, slot 24 again
    EXPECT_EQ(s.Achievements[24], 1);
    EXPECT_EQ(s.PlayerTower, 400);
    EXPECT_EQ(s.PlayerBlueRare, 3);
    EXPECT_EQ(s.PlayerGreen, 3);
    EXPECT_EQ(s.PlayerBurn, 0);
    EXPECT_EQ(s.EnemyWard, 0);
    EXPECT_EQ(s.MoonPhase, 1);
    EXPECT_EQ(s.Flask, 33);
    EXPECT_EQ(s.HandCard[2], 55);
    int gifts = 0;
    int tower = 400;
    for (int k = 0; k < 6; ++k) {
        const int g = r.Below(8);
        gifts += g < 7;
        tower += g == 7 ? 5 : 0;
    }
    EXPECT_EQ(s.EnemyTower, tower);
    const int total = s.EnemyYellow + s.EnemyRed + s.EnemyBlue + s.EnemyBlueRare + s.EnemyRedRare +
                      s.EnemyYellowRare + s.EnemyGreen;
    EXPECT_EQ(total, 15 + 12 + gifts);
    const std::vector<std::pair<char, int>> music = {{'S', 1}, {'R', 1}, {'P', 1}};
    EXPECT_EQ(sounds.calls, music);
}

TEST_F(Achievements, ElevenGiftsAtLevelElevenAndTheWinOfBattleEleven) {
    for (uint32_t seed = 0; seed < 50; ++seed) {
        GameState g;
        g.Level = 10;
        g.BattleResult = 1;
        g.random.Reseed(seed);
        Duel d{g, sounds};
        EXPECT_EQ(NextBattle(d), 11);
        const int total = g.EnemyYellow + g.EnemyRed + g.EnemyBlue + g.EnemyBlueRare +
                          g.EnemyRedRare + g.EnemyYellowRare + g.EnemyGreen +
                          (g.EnemyTower - 400) / 5;
        EXPECT_EQ(total, 27 + 11);
        EXPECT_LE(g.EnemyTower, 455);
    }
    s.Level = 11;
    s.BattleResult = 1;
    EXPECT_EQ(NextBattle(duel()), 12);
}

TEST_F(Achievements, ScoreWeights) {
    int weights = 0;
    for (const AchievementWeight& a : kAchievementWeights)
        weights += a.weight;
    EXPECT_EQ(weights, 91);
    s.Level = 3;
    s.Achievements[0] = 1;
    s.Achievements[2] = 1;
    EXPECT_EQ(ScoreOf(s), 759);
    s.Achievements[5] = 2;  // a loaded value other than 1 does not count
    EXPECT_EQ(ScoreOf(s), 759);
    s.Level = 11;
    s.Achievements.fill(1);
    EXPECT_EQ(ScoreOf(s), 4623);
}

}  // namespace
}  // namespace vm
