// resources_and_limits_test.cpp -- limits, ward, burn, drops and the flask.
#include "rules/resources_and_limits.h"

#include <gtest/gtest.h>

#include "duel_fixture.h"
#include "rules/turn_cycle.h"

namespace vm {
namespace {

class Limits : public testing::DuelTest {};

TEST_F(Limits, TickLimitsFloorStocksAndHoldTowersButNotIncomes) {
    s.PlayerGreen = -3;
    s.EnemyRedRare = -1;
    s.EnemyBlue = -9;
    s.PlayerTower = 530;
    s.EnemyTower = -20;
    s.PlayerBlueIncome = -2;
    s.PlayerYellow = 40;
    ApplyTickLimits(s);
    EXPECT_EQ(s.PlayerGreen, 0);
    EXPECT_EQ(s.EnemyRedRare, 0);
    EXPECT_EQ(s.EnemyBlue, 0);
    EXPECT_EQ(s.PlayerTower, 500);
    EXPECT_EQ(s.EnemyTower, 0);
    EXPECT_EQ(s.PlayerBlueIncome, -2);
    EXPECT_EQ(s.PlayerYellow, 40);
}

TEST_F(Limits, WardGivesBackHalfOfTheFirstLossOnly) {
    s.PlayerTowerBefore = 400;
    s.PlayerTower = 355;
    s.PlayerWard = 1;
    s.EnemyTowerBefore = s.EnemyTower = 400;
    ApplyWard(duel(), true);
    EXPECT_EQ(s.PlayerTower, 377);  // 45 lost, 22 back
    EXPECT_EQ(s.PlayerWard, 0);
    EXPECT_EQ(sounds.Plays(18), 1);

    s.EnemyWard = 1;
    s.EnemyTowerBefore = 400;
    s.EnemyTower = 399;
    s.PlayerTowerBefore = s.PlayerTower;
    ApplyWard(duel(), false);
    EXPECT_EQ(s.EnemyTower, 399);  // a loss of 1 gives back 0 and still spends the ward
    EXPECT_EQ(s.EnemyWard, 0);
    EXPECT_EQ(sounds.Plays(18), 1);

    // A gain does not spend a ward.
    s.PlayerWard = 1;
    s.PlayerTowerBefore = 300;
    s.PlayerTower = 345;
    ApplyWard(duel(), true);
    EXPECT_EQ(s.PlayerWard, 1);
}

TEST_F(Limits, EnemyLossSoundsOnlyWithTheBoltAnimation) {
    for (int kind : {0, 1, 2}) {
        testing::RecordingSounds local;
        s.AnimKind = kind;
        s.EnemyTowerBefore = 400;
        s.EnemyTower = 370;
        s.PlayerTowerBefore = s.PlayerTower;
        ApplyWard(Duel{s, local}, true);
        EXPECT_EQ(local.Plays(18), kind == 0 ? 1 : 0) << kind;
    }
}

TEST_F(Limits, BurnActsOnlyRightAfterAMoveAndNeverMeetsAWard) {
    s.PlayerBurn = 2;
    s.EnemyBurn = 1;
    s.PlayerWard = 1;
    BurnTick(s);  // full hand: nothing
    EXPECT_EQ(s.PlayerBurn, 2);
    s.HandCard[4] = 0;
    BurnTick(s);
    EXPECT_EQ(s.PlayerTower, 390);
    EXPECT_EQ(s.EnemyTower, 390);
    EXPECT_EQ(s.PlayerBurn, 1);
    EXPECT_EQ(s.EnemyBurn, 0);
    // The next tick's effect step compares with the tower after the burn: no ward acts.
    ApplyPlayerEffect(duel());
    EXPECT_EQ(s.PlayerTower, 390);
    EXPECT_EQ(s.PlayerWard, 1);
}

TEST_F(Limits, PendantKinds) {
    const int32_t before[] = {s.PlayerBlue, s.PlayerRed, s.PlayerYellow, s.PlayerGreen};
    for (int kind = 0; kind <= 5; ++kind) {
        GameState g;
        PendantBonus(g, kind);
        const int32_t after[] = {g.PlayerBlue, g.PlayerRed, g.PlayerYellow, g.PlayerGreen};
        for (int k = 0; k < 4; ++k) {
            const int gain = kind == 5 ? -1 : (kind == k + 1 ? 1 : 0);
            EXPECT_EQ(after[k], before[k] + gain) << kind << " " << k;
        }
    }
}

TEST_F(Limits, DropFallsFifteenStepsAndRests) {
    s.DropSlot = 3;
    s.DropY = 0;
    s.DropSpeed = 15;
    for (int tick = 0; tick < 30; ++tick)
        DropFall(s);
    EXPECT_EQ(s.DropY, 120);
    EXPECT_EQ(s.DropSpeed, 0);
    s.PlayerMoveTicks = 5;
    s.DropSpeed = 4;
    DropFall(s);
    EXPECT_EQ(s.DropY, 120);  // not while a move runs
}

TEST_F(Limits, CaughtDropsFillTheFlaskToEighty) {
    s.Flask = 75;
    s.DropSlot = 2;
    s.HandCard[2] = 9;  // a discard catches the drop too
    PlayOrDiscard(duel(), 2);
    EXPECT_EQ(s.Flask, 80);
    EXPECT_EQ(sounds.Plays(19), 1);
    s.PlayerMoveTicks = 0;
    s.DropSlot = 4;
    PlayOrDiscard(duel(), 4);
    EXPECT_EQ(s.Flask, 80);
    // A move with another slot loses the drop.
    s.PlayerMoveTicks = 0;
    s.DropSlot = 1;
    s.Flask = 10;
    PlayOrDiscard(duel(), 5);
    EXPECT_EQ(s.Flask, 10);
}

TEST_F(Limits, FullFlaskPoursFiftyOntoTheTower) {
    s.Flask = 79;
    UseFlask(duel(), true);
    EXPECT_EQ(s.PlayerTower, 400);
    EXPECT_EQ(s.Flask, 79);
    s.Flask = 80;
    s.PlayerTower = 480;
    UseFlask(duel(), false);  // a click beside the flask
    EXPECT_EQ(s.Flask, 80);
    UseFlask(duel(), true);
    EXPECT_EQ(s.PlayerTower, 530);  // over 500 until the next tick's limits
    EXPECT_EQ(s.Flask, 0);
    EXPECT_EQ(sounds.Plays(17), 1);
}

}  // namespace
}  // namespace vm
