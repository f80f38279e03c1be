// random_and_new_game_test.cpp -- the generator's arithmetic, the cost table and START's setup.
#include <gtest/gtest.h>

#include <vector>

#include "state/card_costs.h"
#include "state/new_game.h"

namespace vm {
namespace {

struct RecordingSounds : SoundBank {
    std::vector<int> played;
    void Play(Sound n) override { played.push_back(SoundNumber(n)); }
};

TEST(Random, StepsAndScalesAsTheGameDescribes) {
    Random r;
    r.Reseed(0);
    EXPECT_EQ(r.Below(100), 0);  // state 1: 100 / 2^32
    EXPECT_EQ(r.state, 1u);
    // state 134775814: 13477581400 / 4294967296 = 3.13...
    EXPECT_EQ(r.Below(100), 3);
    EXPECT_EQ(r.state, 134775814u);
    // A draw below 1 still steps the state.
    const uint32_t before = r.state;
    EXPECT_EQ(r.Below(0), 0);
    EXPECT_EQ(r.Below(-5), 0);
    EXPECT_NE(r.state, before);
    // Wraps modulo 2^32.
    r.Reseed(0xFFFFFFFFu);
    r.Below(2);
    EXPECT_EQ(r.state, static_cast<uint32_t>(0xFFFFFFFFull * 134775813ull + 1ull));
}

TEST(CardCosts, TableMatchesItsRunsAndSpotChecks) {
    GameState s;
    FillCardCosts(s);
    // Card 34 Siege and card 69 Unleash, the widest prices.
    EXPECT_EQ(s.CardCostBlue[34], 3);
    EXPECT_EQ(s.CardCostRed[34], 9);
    EXPECT_EQ(s.CardCostYellow[34], 2);
    EXPECT_EQ(s.CardCostGreen[34], 1);
    EXPECT_EQ(s.CardCostYellow[69], 5);
    EXPECT_EQ(s.CardCostGreen[69], 7);
    EXPECT_EQ(s.CardCostBlue[9], 12);
    EXPECT_EQ(s.CardCostYellow[60], 12);
    // Outside the white run only 14, 32, 34 and 37 cost green; all whites need 7 but 65.
    for (int card = 1; card <= 70; ++card) {
        const bool green = s.CardCostGreen[card] > 0;
        if (card >= 63) {
            EXPECT_EQ(s.CardCostGreen[card], card == 65 ? 0 : 7) << card;
        } else {
            EXPECT_EQ(green, card == 14 || card == 32 || card == 34 || card == 37) << card;
        }
    }
    // The main colour of each run (12 is red, 37 more yellow than red).
    for (int card = 1; card <= 21; ++card) {
        if (card != 12) {
            EXPECT_GT(s.CardCostBlue[card], 0) << card;
        }
    }
    for (int card = 22; card <= 40; ++card)
        EXPECT_GT(s.CardCostRed[card], 0) << card;
    for (int card = 41; card <= 62; ++card)
        EXPECT_GT(s.CardCostYellow[card], 0) << card;
    EXPECT_GT(s.CardCostYellow[37], s.CardCostRed[37]);
}

TEST(NewGame, DealsTheHandTheGeneratorGivesInStartsOrder) {
    const uint32_t clock = 43'210'987;
    GameState s;
    RecordingSounds sounds;
    NewGame(s, sounds, clock);

    Random r;
    r.Reseed(clock);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(s.SparkDrift[i], 1 + r.Below(5));
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(s.HandCard[slot], 1 + r.Below(70));
    for (int i = 1; i <= 500; ++i) {
        ASSERT_EQ(s.RainX[i], 1 + r.Below(2000));
        ASSERT_EQ(s.RainY[i], r.Below(1000) - 5);
        ASSERT_EQ(s.RainSpeed[i], 3 + r.Below(5));
    }
    for (int i = 1; i <= 1000; ++i) {
        ASSERT_EQ(s.StarX[i], 1 + r.Below(2000));
        ASSERT_EQ(s.StarY[i], 1 + r.Below(1000));
        ASSERT_EQ(s.StarPhase[i], 1 + r.Below(5));
    }
    EXPECT_EQ(s.random.state, r.state);
    for (int i = 1; i <= 100; ++i)
        EXPECT_EQ(s.SparkAge[i], i);
    EXPECT_EQ(sounds.played, std::vector<int>{1});

    GameState again;
    NewGame(again, sounds, clock);
    EXPECT_EQ(again.HandCard, s.HandCard);
}

TEST(NewGame, SecondStartKeepsCampaignAndClearsAchievements) {
    GameState s;
    RecordingSounds sounds;
    NewGame(s, sounds, 1000);
    const auto costs = s.CardCostRed;
    s.Level = 4;
    s.PlayerBlue = 17;
    s.Flask = 35;
    s.Achievements[3] = 1;
    s.SlotPendant[2] = 4;
    NewGame(s, sounds, 2000);
    EXPECT_EQ(s.Level, 4);
    EXPECT_EQ(s.PlayerBlue, 17);
    EXPECT_EQ(s.Flask, 35);
    EXPECT_EQ(s.Achievements[3], 0);
    EXPECT_EQ(s.SlotPendant[2], 0);
    EXPECT_EQ(s.CardCostRed, costs);
}

}  // namespace
}  // namespace vm
