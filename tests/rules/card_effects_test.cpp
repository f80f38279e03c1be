// card_effects_test.cpp -- every card on both sides, the mirror rule and the cards with code.
#include "rules/card_effects.h"

#include <gtest/gtest.h>

#include <sstream>

#include "duel_fixture.h"

namespace vm {
namespace {

const Side& P = kPlayerSide;
const Side& E = kEnemySide;

// Distinct values on every variable of both sides, so that any swap or mix-up shows.
GameState Spread() {
    GameState s;
    const StateValue Side::*fields[] = {
        &Side::Tower,      &Side::Burn,      &Side::Ward,        &Side::Blue,       &Side::Red,
        &Side::Yellow,     &Side::BlueRare,  &Side::RedRare,     &Side::YellowRare, &Side::Green,
        &Side::BlueIncome, &Side::RedIncome, &Side::YellowIncome};
    int value = 11;
    for (auto f : fields) {
        s.*(P.*f) = value;
        s.*(E.*f) = value + 100;
        value += 3;
    }
    s.PlayerTower = 300;
    s.EnemyTower = 250;
    s.PlayerBurn = s.EnemyBurn = 1;
    s.PlayerWard = s.EnemyWard = 0;
    return s;
}

GameState Swapped(const GameState& a) {
    GameState b = a;
    const StateValue Side::*fields[] = {
        &Side::Tower,      &Side::Burn,      &Side::Ward,        &Side::Blue,       &Side::Red,
        &Side::Yellow,     &Side::BlueRare,  &Side::RedRare,     &Side::YellowRare, &Side::Green,
        &Side::BlueIncome, &Side::RedIncome, &Side::YellowIncome};
    for (auto f : fields)
        std::swap(b.*(P.*f), b.*(E.*f));
    return b;
}

void ExpectSameSides(const GameState& a, const GameState& b, int card) {
    EXPECT_EQ(a.PlayerTower, b.PlayerTower) << card;
    EXPECT_EQ(a.EnemyTower, b.EnemyTower) << card;
    EXPECT_EQ(a.PlayerBurn, b.PlayerBurn) << card;
    EXPECT_EQ(a.EnemyBurn, b.EnemyBurn) << card;
    EXPECT_EQ(a.PlayerWard, b.PlayerWard) << card;
    EXPECT_EQ(a.EnemyWard, b.EnemyWard) << card;
    for (auto [x, y] : {std::pair{&GameState::PlayerBlue, &GameState::EnemyBlue},
                        {&GameState::PlayerRed, &GameState::EnemyRed},
                        {&GameState::PlayerYellow, &GameState::EnemyYellow},
                        {&GameState::PlayerBlueRare, &GameState::EnemyBlueRare},
                        {&GameState::PlayerRedRare, &GameState::EnemyRedRare},
                        {&GameState::PlayerYellowRare, &GameState::EnemyYellowRare},
                        {&GameState::PlayerGreen, &GameState::EnemyGreen},
                        {&GameState::PlayerBlueIncome, &GameState::EnemyBlueIncome},
                        {&GameState::PlayerRedIncome, &GameState::EnemyRedIncome},
                        {&GameState::PlayerYellowIncome, &GameState::EnemyYellowIncome}}) {
        EXPECT_EQ(a.*x, b.*x) << card;
        EXPECT_EQ(a.*y, b.*y) << card;
    }
}

// Each card without random parts, as "o" own / "x" other, value code, + - or =, amount.
const std::vector<std::pair<int, std::string>> kExpectedChanges = {
    {1, "oBR+3"},
    {2, "oT+30"},
    {3, "xR-1 xRR-3"},
    {4, "oY+3"},
    {5, "xBI-1"},
    {6, "xRI-1"},
    {7, "oBR+3"},
    {8, "oR+3"},
    {9, "oBI+1"},
    {10, "xR-2 oR+2 xB-2 oB+2 xY-2 oY+2"},
    {11, "xBR-2"},
    {12, "oB+3"},
    {13, "xB-3"},
    {14, "oBI+1"},
    {15, "oR-10 xR-10"},
    {16, "xRR-3 oRR+3"},
    {17, "oBR+3"},
    {18, "oR+2 oRR+1"},
    {19, "xB-3 oB+9"},
    {20, "xB-3 xBR-2"},
    {21, "oG+3"},
    {22, "xR-5"},
    {23, "xR-3 xT-30"},
    {24, "xT-35"},
    {26, "oW=1"},
    {27, "oT+45"},
    {28, "oRR+2 xT-30"},
    {30, "xRR-2 xT-45"},
    {31, "xR-5 xY-5 xB-5 xG-5 oR+3 oY+3 oB+3 oG+3 xT-40"},
    {32, "oRR-1 xT-50"},
    {33, "oT+45"},
    {34, "xT-60 xR-5 xY-5 xB-5 xG-5"},
    {35, "xB-6 oR+2 oG+3"},
    {36, "xR-3 xY-3 xB-3 xG-3 oY+3 oB+3 oG+3"},
    {37, "xT-80"},
    {38, "xT-30"},
    {39, "xT-40"},
    {40, "xT-25"},
    {41, "oG+3"},
    {42, "xBI-1 xRI-1 xYI-1"},
    {44, "xT-45"},
    {45, "oT+45"},
    {46, "oW=1 xT-45"},
    {47, "xY-5"},
    {48, "xY-5"},
    {49, "xT-35 xBu=3"},
    {50, "xT-30"},
    {51, "xR-3 xY-3 xB-3"},
    {52, "oBR+2"},
    {54, "xT-30"},
    {55, "xR-4 xB-4"},
    {56, "oYR+3"},
    {57, "xR=0"},
    {58, "xBI-1 xYI-1 xRI-1 xR-2 xY-2 xB-2 xYR-1 xBR-1"},
    {59, "oW=1"},
    {60, "oYI+1"},
    {61, "xT-70"},
    {63, "oT-50 xT-50 oBu=2 xBu=2"},
    {64, "xT-80 xBu=3"},
    {66, "xT-70 oR=0 oY=0 oB=0 oYR=0 oBR=0 oRR=0 oG=0"},
    {68, "xT-65"},
    {69, "xT-70 xR-3 xY-3 xB-3 xG-3"},
};

StateValue ValueByCode(const Side& side, const std::string& code) {
    const std::pair<const char*, StateValue Side::*> codes[] = {
        {"T", &Side::Tower},       {"B", &Side::Blue},          {"R", &Side::Red},
        {"Y", &Side::Yellow},      {"BR", &Side::BlueRare},     {"RR", &Side::RedRare},
        {"YR", &Side::YellowRare}, {"G", &Side::Green},         {"BI", &Side::BlueIncome},
        {"RI", &Side::RedIncome},  {"YI", &Side::YellowIncome}, {"Bu", &Side::Burn},
        {"W", &Side::Ward}};
    for (auto [name, field] : codes) {
        if (code == name) return side.*field;
    }
    ADD_FAILURE() << "bad code " << code;
    return side.Tower;
}

TEST(CardEffects, EveryCardWithoutRandomPartsOnBothSides) {
    for (const auto& [card, changes] : kExpectedChanges) {
        for (SideId by : {SideId::Player, SideId::Enemy}) {
            GameState actual = Spread();
            GameState expected = actual;
            ApplyCardEffect(actual, card, by);
            std::istringstream in(changes);
            std::string change;
            while (in >> change) {
                const size_t op = change.find_first_of("+-=");
                const Side& side = SideOf(change[0] == 'o' ? by : Opponent(by));
                int32_t& value = expected.*ValueByCode(side, change.substr(1, op - 1));
                const int32_t amount = std::stoi(change.substr(op + 1));
                value = change[op] == '=' ? amount : value + (change[op] == '+' ? amount : -amount);
            }
            ExpectSameSides(actual, expected, card);
        }
    }
}

TEST(CardEffects, EnemySideMirrorsThePlayerSideForAllButCavalryAndFromAbove) {
    for (int card = 1; card <= 70; ++card) {
        if (card == 25 || card == 29) continue;
        GameState byPlayer = Spread();
        GameState byEnemy = Swapped(byPlayer);
        byPlayer.random.Reseed(4242);
        byEnemy.random.Reseed(4242);
        ApplyCardEffect(byPlayer, card, SideId::Player);
        ApplyCardEffect(byEnemy, card, SideId::Enemy);
        ExpectSameSides(Swapped(byPlayer), byEnemy, card);
    }
}

TEST(CardEffects, CavalryAndFromAboveHitThePlayerHarder) {
    GameState s = Spread();
    ApplyCardEffect(s, 25, SideId::Player);
    EXPECT_EQ(s.EnemyTower, 250 - 20);
    EXPECT_EQ(s.EnemyRed, Spread().EnemyRed - 3);
    s = Spread();
    ApplyCardEffect(s, 25, SideId::Enemy);
    EXPECT_EQ(s.PlayerTower, 300 - 50);
    EXPECT_EQ(s.PlayerRed, Spread().PlayerRed - 3);
    s = Spread();
    ApplyCardEffect(s, 29, SideId::Player);
    EXPECT_EQ(s.EnemyTower, 200);
    EXPECT_EQ(s.EnemyRed, Spread().EnemyRed);
    s = Spread();
    ApplyCardEffect(s, 29, SideId::Enemy);
    EXPECT_EQ(s.PlayerTower, 250);
    EXPECT_EQ(s.PlayerRed, Spread().PlayerRed - 5);
}

TEST(CardEffects, BurnAndWardAreSetNotAdded) {
    GameState s;
    s.EnemyBurn = 2;
    ApplyCardEffect(s, 49, SideId::Player);
    EXPECT_EQ(s.EnemyBurn, 3);
    EXPECT_EQ(s.EnemyTower, 365);
    s.PlayerWard = 1;
    ApplyCardEffect(s, 26, SideId::Player);
    EXPECT_EQ(s.PlayerWard, 1);
    ApplyCardEffect(s, 63, SideId::Enemy);
    EXPECT_EQ(s.PlayerBurn, 2);
    EXPECT_EQ(s.EnemyBurn, 2);
    EXPECT_EQ(s.PlayerTower, 350);
    EXPECT_EQ(s.EnemyTower, 315);
}

TEST(CardEffects, ConfusionRotatesTheOtherSidesStocks) {
    GameState s;
    s.EnemyRed = 7;
    s.EnemyYellow = 2;
    s.EnemyBlue = 5;
    ApplyCardEffect(s, 43, SideId::Player);
    EXPECT_EQ(s.EnemyRed, 2);
    EXPECT_EQ(s.EnemyYellow, 5);
    EXPECT_EQ(s.EnemyBlue, 7);
    EXPECT_EQ(s.PlayerRed, 5);
}

TEST(CardEffects, HorrorDrawsInOrderAndStopsAtNoYellow) {
    for (int32_t ownYellow : {-1, 0, 1, 12}) {
        GameState s;
        s.PlayerYellow = ownYellow;
        s.random.Reseed(99);
        Random expected = s.random;
        ApplyCardEffect(s, 53, SideId::Player);
        const int first = expected.Below(20);
        const int second = expected.Below(ownYellow);
        if (ownYellow <= 1) {
            EXPECT_EQ(second, 0);
        }
        EXPECT_EQ(s.EnemyTower, 400 - first - second) << ownYellow;
        EXPECT_EQ(s.EnemyRed, 2);
        EXPECT_EQ(s.random.state, expected.state);
    }
}

TEST(CardEffects, VoidEmeraldStoneAndWisdomDrawTheirRandomParts) {
    GameState s;
    s.random.Reseed(5);
    Random r = s.random;
    ApplyCardEffect(s, 62, SideId::Player);
    EXPECT_EQ(s.PlayerYellow, 5 - r.Below(5));
    EXPECT_EQ(s.PlayerBlue, 5 - r.Below(5));
    EXPECT_EQ(s.PlayerRed, 5 - r.Below(5));
    EXPECT_EQ(s.EnemyYellow, 5 - r.Below(10));
    EXPECT_EQ(s.EnemyBlue, 5 - r.Below(10));
    EXPECT_EQ(s.EnemyRed, 5 - r.Below(10));

    GameState e;
    e.random.Reseed(6);
    r = e.random;
    ApplyCardEffect(e, 65, SideId::Enemy);
    EXPECT_EQ(e.EnemyGreen, 1 + 1 + r.Below(5));

    GameState w;
    w.random.Reseed(7);
    r = w.random;
    ApplyCardEffect(w, 70, SideId::Player);
    EXPECT_EQ(w.PlayerYellowRare, 1 + 3 + r.Below(3));
    EXPECT_EQ(w.PlayerWard, 1);
}

TEST(CardEffects, StoneCountsStocksAfterItsOwnCostAndSacrificeKeepsIncomes) {
    testing::RecordingSounds sounds;
    GameState s;
    FillCardCosts(s);
    s.PlayerBlue = 10;
    s.PlayerRed = 4;
    s.PlayerYellow = 9;
    s.PlayerBlueRare = s.PlayerRedRare = s.PlayerYellowRare = 5;
    s.PlayerGreen = 8;
    // Card 67 costs blue 1, yellow 5, rare blue 3, rare red 3, rare yellow 5, green 7.
    s.PlayerBlue -= 1;
    s.PlayerYellow -= 5;
    s.PlayerGreen -= 7;
    s.random.Reseed(8);
    Random r = s.random;
    ApplyCardEffect(s, 67, SideId::Player);
    EXPECT_EQ(s.PlayerTower, 400 + 60 + 4 + 9 + 1 + 4 + r.Below(10));

    GameState k;
    k.PlayerBlueIncome = 3;
    ApplyCardEffect(k, 66, SideId::Player);
    EXPECT_EQ(k.EnemyTower, 330);
    for (int32_t v : {k.PlayerRed, k.PlayerYellow, k.PlayerBlue, k.PlayerYellowRare,
                      k.PlayerBlueRare, k.PlayerRedRare, k.PlayerGreen}) {
        EXPECT_EQ(v, 0);
    }
    EXPECT_EQ(k.PlayerBlueIncome, 3);
    EXPECT_EQ(k.PlayerRedIncome, 1);
}

}  // namespace
}  // namespace vm
