// turn_cycle_test.cpp -- the player's move, the timeline of a turn, the moon and the refill.
#include "rules/turn_cycle.h"

#include <gtest/gtest.h>

#include "duel_fixture.h"
#include "rules/affordability.h"
#include "rules/map_tick_rules.h"

namespace vm {
namespace {

struct CountingHooks : TickHooks {
    std::vector<int> animationTicks;
    int enemyCardShownTicks = 0;  // ticks with EnemyMoveTicks below 21 after the countdown
    void OnPlayAnimationTick(int t) override { animationTicks.push_back(t); }
    GameState* state = nullptr;
    void OnEnemyCountdown() override { enemyCardShownTicks += state->EnemyMoveTicks < 21; }
};

class TurnCycle : public testing::DuelTest {};

TEST_F(TurnCycle, PlayTimelineTickByTick) {
    s.HandCard[3] = 2;  // Architect: blue 5, yellow 1, tower +30
    s.PlayerTower = 300;
    s.HoverSlot = 3;
    MapClickRules(duel(), false);
    EXPECT_EQ(s.HandCard[3], 0);
    EXPECT_EQ(s.PlayerBlue, 0);
    EXPECT_EQ(s.PlayerYellow, 4);
    EXPECT_EQ(s.PlayerMoveTicks, 100);
    EXPECT_EQ(s.PendingPlayerCard, 2);
    EXPECT_EQ(s.PlayerTower, 300);  // the effect waits for the tick

    CountingHooks hooks;
    hooks.state = &s;
    MapTickRules(duel(), hooks);  // tick 1
    EXPECT_EQ(s.PlayerMoveTicks, 99);
    EXPECT_EQ(s.PlayerTower, 330);
    EXPECT_NE(s.HandCard[3], 0);
    EXPECT_EQ(s.PlayerBlue, 1);  // one refill, one income
    EXPECT_EQ(s.AnimKind, 1);    // Architect has a picture of its own
    for (int tick = 2; tick <= 98; ++tick) {
        MapTickRules(duel(), hooks);
        ASSERT_EQ(s.PlayerMoveTicks, 100 - tick);
        ASSERT_EQ(s.TurnPhase, 1);
    }
    MapTickRules(duel(), hooks);  // tick 99
    EXPECT_EQ(s.PlayerMoveTicks, 1);
    EXPECT_EQ(s.TurnPhase, 2);
    EXPECT_EQ(s.EnemyMoveTicks, 29);
    EXPECT_GE(s.EnemyCard, 1);
    ASSERT_EQ(hooks.animationTicks.size(), 98u);
    EXPECT_EQ(hooks.animationTicks.front(), 99);
    EXPECT_EQ(hooks.animationTicks.back(), 2);
    for (int tick = 100; tick <= 126; ++tick) {
        MapTickRules(duel(), hooks);
        ASSERT_EQ(s.TurnPhase, 2) << tick;
        ASSERT_EQ(s.EnemyMoveTicks, 128 - tick);
    }
    EXPECT_EQ(s.MoonPhase, 1);
    MapTickRules(duel(), hooks);  // tick 127: the enemy acts and the turn ends
    EXPECT_EQ(s.TurnPhase, 1);
    EXPECT_EQ(s.EnemyMoveTicks, 1);
    EXPECT_EQ(s.MoonPhase, 2);
    EXPECT_EQ(s.DeltaTicks, 19);
    EXPECT_EQ(s.PlayerMoveTicks, 0);
    EXPECT_EQ(hooks.enemyCardShownTicks, 20);  // ticks 108..127
}

TEST_F(TurnCycle, DiscardTimelineTickByTick) {
    s.HandCard[1] = 9;  // Consolidate costs 12 blue: a discard with 5
    s.HoverSlot = 1;
    MapClickRules(duel(), false);
    EXPECT_EQ(s.PlayerMoveTicks, 2);
    EXPECT_EQ(s.PlayerBlue, 5);
    EXPECT_EQ(s.PendingPlayerCard, 0);
    EXPECT_EQ(s.DiscardStreak, 1);
    TickHooks none;
    MapTickRules(duel(), none);  // tick 1
    EXPECT_EQ(s.PlayerMoveTicks, 1);
    EXPECT_EQ(s.TurnPhase, 2);
    EXPECT_EQ(s.EnemyMoveTicks, 29);
    EXPECT_EQ(s.PlayerBlue, 6);
    for (int tick = 2; tick <= 28; ++tick) {
        MapTickRules(duel(), none);
        ASSERT_EQ(s.TurnPhase, 2);
    }
    EXPECT_EQ(s.PlayerMoveTicks, 0);
    MapTickRules(duel(), none);  // tick 29
    EXPECT_EQ(s.TurnPhase, 1);
    EXPECT_EQ(s.MoonPhase, 2);
}

TEST_F(TurnCycle, ClicksOnlyMoveWhenThePlayerMayMove) {
    s.HoverSlot = 2;
    s.TurnPhase = 2;
    MapClickRules(duel(), false);
    EXPECT_EQ(s.HandCard[2], 1);
    s.TurnPhase = 1;
    s.PlayerMoveTicks = 50;
    MapClickRules(duel(), false);
    EXPECT_EQ(s.HandCard[2], 1);
    // A second click before the refill moves nothing but burns once more.
    s.PlayerMoveTicks = 0;
    s.EnemyBurn = 3;
    MapClickRules(duel(), false);
    EXPECT_EQ(s.HandCard[2], 0);
    MapClickRules(duel(), false);
    EXPECT_EQ(s.EnemyBurn, 1);
    EXPECT_EQ(s.EnemyTower, 380);
}

TEST_F(TurnCycle, MoonBonusOnADiscard) {
    struct Case {
        int moon, card;
        StateValue gains;
    };
    for (Case c : {Case{2, 1, &GameState::PlayerBlue}, Case{2, 21, &GameState::PlayerBlue},
                   Case{3, 22, &GameState::PlayerRed}, Case{3, 39, &GameState::PlayerRed},
                   Case{4, 41, &GameState::PlayerYellow}, Case{4, 62, &GameState::PlayerYellow}}) {
        GameState g;
        g.MoonPhase = c.moon;
        const int32_t before = g.*c.gains;
        MoonBonus(g, SideId::Player, c.card);
        EXPECT_EQ(g.*c.gains, before + 1) << c.moon << " " << c.card;
    }
    // Card 40 gives the player nothing under any moon, the enemy yellow under moon 4.
    for (int moon = 1; moon <= 4; ++moon) {
        GameState g;
        g.MoonPhase = moon;
        MoonBonus(g, SideId::Player, 40);
        EXPECT_EQ(g.PlayerYellow + g.PlayerRed + g.PlayerBlue, 15);
        MoonBonus(g, SideId::Enemy, 40);
        EXPECT_EQ(g.EnemyYellow, moon == 4 ? 6 : 5);
    }
    // Wrong moon, wrong run: nothing.
    GameState g;
    g.MoonPhase = 2;
    MoonBonus(g, SideId::Player, 30);
    EXPECT_EQ(g.PlayerRed, 5);
    // The white moon picks one of the four rare values with one draw.
    for (uint32_t seed = 0; seed < 20; ++seed) {
        GameState w;
        w.MoonPhase = 1;
        w.random.Reseed(seed);
        Random r = w.random;
        MoonBonus(w, SideId::Enemy, 63);
        const int pick = r.Below(4);
        const StateValue order[] = {&GameState::EnemyBlueRare, &GameState::EnemyRedRare,
                                    &GameState::EnemyYellowRare, &GameState::EnemyGreen};
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(w.*order[k], k == pick ? 2 : 1);
    }
}

TEST_F(TurnCycle, EnemyMoonBiasStaysInItsRange) {
    for (int moon = 1; moon <= 4; ++moon) {
        for (uint32_t seed = 0; seed < 3000; ++seed) {
            GameState g;
            FillCardCosts(g);
            g.MoonPhase = moon;
            g.TurnPhase = 2;
            g.random.Reseed(seed * 7919);
            Random r = g.random;
            TickHooks none;
            Duel d{g, sounds};
            RunEnemyMove(d, none);
            int card = 1 + r.Below(70);
            if (r.Below(100) < 30) {
                const int from[] = {0, 63, 1, 41, 26};
                const int count[] = {0, 7, 21, 20, 18};
                card = from[moon] + r.Below(count[moon]);
            }
            ASSERT_EQ(g.EnemyCard, card);
            ASSERT_EQ(g.EnemyMoveTicks, 29);
            ASSERT_EQ(g.EnemyCanAfford, CanAfford(g, kEnemySide, card) ? 1 : 0);
        }
    }
}

TEST_F(TurnCycle, RefillCapsStocksAt21AndPaysIncomePerSlot) {
    s.HandCard[2] = 0;
    s.HandCard[4] = 0;
    s.PlayerBlue = 19;
    s.PlayerBlueIncome = 5;
    s.PlayerRed = 25;  // carried over 21 by a card
    s.PlayerRedIncome = 0;
    s.PlayerYellow = 3;
    s.PlayerYellowIncome = 2;
    s.EnemyCard = 33;
    RefillHand(s);
    EXPECT_EQ(s.PlayerBlue, 21);
    EXPECT_EQ(s.PlayerRed, 21);
    EXPECT_EQ(s.PlayerYellow, 7);
    EXPECT_EQ(s.EnemyCard, 0);
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_GE(s.HandCard[slot], 1);
}

TEST_F(TurnCycle, EndOfTurnIncomeRules) {
    s.TurnPhase = 3;
    s.MoonPhase = 4;  // this end of turn starts a new cycle
    s.EnemyRedIncome = -1;
    s.EnemyBlueIncome = 0;
    s.PlayerYellowIncome = 7;
    s.EnemyRed = 10;
    s.EnemyYellow = 30;
    s.PlayerBlue = -2;
    EndTurn(s);
    EXPECT_EQ(s.EnemyRed, 9);  // the -1 income still took one
    EXPECT_EQ(s.EnemyRedIncome, 0);
    EXPECT_EQ(s.EnemyBlueIncome, 1);
    EXPECT_EQ(s.PlayerYellowIncome, 5);
    EXPECT_EQ(s.EnemyYellow, 31);  // no cap for the enemy
    EXPECT_EQ(s.PlayerBlue, 0);
    EXPECT_EQ(s.MoonPhase, 1);
    EXPECT_EQ(s.PlayerGreen, 2);
    EXPECT_EQ(s.EnemyYellowRare, 2);
    EXPECT_EQ(s.TurnPhase, 1);
    EXPECT_EQ(s.DeltaTicks, 20);
    // Not a new cycle: a 0 income stays 0.
    s.TurnPhase = 3;
    s.PlayerRedIncome = 0;
    EndTurn(s);
    EXPECT_EQ(s.MoonPhase, 2);
    EXPECT_EQ(s.PlayerRedIncome, 0);
    EXPECT_EQ(s.PlayerGreen, 2);
}

TEST_F(TurnCycle, PendantIsGrantedAfterTheAffordabilityTest) {
    // Card 1 costs 4 blue; with 3 blue and a blue pendant it is still a discard.
    s.PlayerBlue = 3;
    s.SlotPendant[1] = 1;
    s.random.Reseed(1);
    PlayOrDiscard(duel(), 1);
    EXPECT_EQ(s.PlayerMoveTicks, 2);
    EXPECT_EQ(s.PlayerBlue, 4);
    EXPECT_EQ(sounds.Plays(17), 1);
    // Kind 5 takes from four resources on a discard too.
    GameState g;
    FillCardCosts(g);
    g.HandCard[2] = 9;
    g.SlotPendant[2] = 5;
    Duel d{g, sounds};
    PlayOrDiscard(d, 2);
    EXPECT_EQ(g.PlayerYellow, 4);
    EXPECT_EQ(g.PlayerRed, 4);
    EXPECT_EQ(g.PlayerBlue, 4);
    EXPECT_EQ(g.PlayerGreen, 0);
}

TEST_F(TurnCycle, PlayDrawsDropThenPendantsInOrderAndEarnsPlayFlags) {
    s.HandCard[1] = 11;
    s.random.Reseed(2024);
    Random r = s.random;
    PlayOrDiscard(duel(), 1);
    if (r.Below(100) < 15) {
        EXPECT_EQ(s.DropSlot, 1 + r.Below(5));
    } else {
        EXPECT_EQ(s.DropSlot, 0);
    }
    for (int slot = 1; slot <= 5; ++slot) {
        const int expected = r.Below(100) < 5 ? 1 + r.Below(5) : 0;
        EXPECT_EQ(s.SlotPendant[slot], expected);
    }
    EXPECT_EQ(s.random.state, r.state);
    EXPECT_EQ(s.Card11Played, 1);
    EXPECT_EQ(s.Achievements[28], 0);
    s.PlayerMoveTicks = 0;
    s.HandCard[2] = 19;
    s.PlayerBlue = 6;
    s.PlayerBlueRare = 1;
    PlayOrDiscard(duel(), 2);
    EXPECT_EQ(s.Achievements[28], 1);
}

}  // namespace
}  // namespace vm
