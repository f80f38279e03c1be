// Every hand-over of the screen cycle, in the real game on the headless host.
#include <gtest/gtest.h>

#include "screens/final/final_form.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "screens/result/result_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"

namespace {

using vm::Form1;
using vm::Form11;
using vm::Form2;
using vm::Form4;
using vm::Form6;
using vm::Form7;
using vm::Form8;
using vm::Game;

struct Cycle : ::testing::Test {
    vm::GameDriver d;

    void Start() {
        d.Click(*Form1, Form1->Button1.left + 5, Form1->Button1.top + 5);
        d.Wait(20);
    }
    void ToLevelScreen() {
        Start();
        d.Click(*Form2, 400, 300);
        d.Wait(80);
        d.Click(*Form11, 400, 300);
        d.Wait(80);
    }
    void ToMap() {
        ToLevelScreen();
        d.Click(*Form6, 10, 10);
        d.Wait(80);
    }
};

TEST_F(Cycle, AfterStartUpOnlyTheTitleIsVisibleAndOnlyTheWatchdogRuns) {
    EXPECT_EQ(d.VisibleLine(), "visible Form1");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000");
    d.Wait(3000);
    EXPECT_EQ(d.VisibleLine(), "visible Form1");
}

TEST_F(Cycle, StartIntroStoryLevelMapEachHandOverToTheNext) {
    d.Click(*Form1, Form1->Button1.left + 5, Form1->Button1.top + 5);
    EXPECT_EQ(d.VisibleLine(), "visible Form2");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form2.Timer1=10");
    d.Wait(50);
    d.Click(*Form2, 400, 300);
    EXPECT_EQ(d.VisibleLine(), "visible Form11");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form11.Timer1=75");
    d.Wait(100);
    d.Click(*Form11, 400, 300);
    EXPECT_EQ(d.VisibleLine(), "visible Form6");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form6.Timer1=70");
    d.Wait(100);
    Game().Level = 3;
    d.Click(*Form6, 10, 10);
    EXPECT_EQ(d.VisibleLine(), "visible Form4");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form4.Timer1=80");
    EXPECT_EQ(Game().PlayerTower, 370);
    EXPECT_EQ(Game().LevelIntroTicks, 50);
    EXPECT_FALSE(Form1->MediaPlayer(1).IsPlaying());
    EXPECT_EQ(Form1->MediaPlayer(16).Position(), 0);
}

TEST_F(Cycle, QuitLeavesNothingVisibleUntilTheWatchdogBringsTheTitleBack) {
    ToLevelScreen();
    // The watchdog's phase: it fires every whole second since start-up.
    const std::int64_t now = d.Host().NowMs();
    const std::int64_t nextWatchdog = (now / 1000 + 1) * 1000;
    d.Click(*Form6, Form6->Button1.left + 5, Form6->Button1.top + 5);
    EXPECT_EQ(d.VisibleLine(), "visible");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000");
    Form2->Timer1.SetEnabled(true);  // the watchdog also stops the intro's timer
    d.Wait(nextWatchdog - now - 1);
    EXPECT_EQ(d.VisibleLine(), "visible");
    d.Wait(1);
    EXPECT_EQ(d.VisibleLine(), "visible Form1");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000");
}

TEST_F(Cycle, TheEndOfABattleHandsOverToTheResultScreenAndStopsTheDrums) {
    ToMap();
    ASSERT_EQ(d.VisibleLine(), "visible Form4");
    Game().EnemyTower = 0;
    d.Wait(80);
    EXPECT_EQ(d.VisibleLine(), "visible Form7");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form7.Timer1=20");
    EXPECT_EQ(Game().BattleResult, 1);
    EXPECT_FALSE(Form1->MediaPlayer(16).IsPlaying());
}

TEST_F(Cycle, TheResultScreenLeadsBackToTheLevelScreenOrOnToTheFinalScreen) {
    ToMap();
    Game().EnemyTower = 0;
    d.Wait(80);
    d.Wait(40);
    d.Click(*Form7, 400, 300);  // a win at Level 1
    EXPECT_EQ(Game().Level, 2);
    EXPECT_EQ(d.VisibleLine(), "visible Form6");
    EXPECT_TRUE(Form1->MediaPlayer(1).IsPlaying());

    d.Click(*Form6, 10, 10);
    Game().Level = 11;
    Game().EnemyTower = 0;
    d.Wait(80);
    ASSERT_EQ(d.VisibleLine(), "visible Form7");
    d.Wait(40);
    d.Click(*Form7, 400, 300);
    EXPECT_EQ(Game().Level, 12);
    EXPECT_EQ(d.VisibleLine(), "visible Form8");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form8.Timer1=20");
    d.Wait(40);
    d.Click(*Form8, 400, 300);
    EXPECT_TRUE(d.Ended());
}

TEST_F(Cycle, AboveLevelTwelveTheResultScreenStaysAndKeepsTicking) {
    ToMap();
    Game().Level = 12;
    Game().EnemyTower = 0;
    d.Wait(80);
    ASSERT_EQ(d.VisibleLine(), "visible Form7");
    d.Click(*Form7, 400, 300);
    EXPECT_EQ(Game().Level, 13);
    EXPECT_EQ(d.VisibleLine(), "visible Form7");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form7.Timer1=20");
    d.Wait(5000);  // the watchdog leaves it be
    EXPECT_EQ(d.VisibleLine(), "visible Form7");
}

TEST_F(Cycle, TheMapsCrossEndsTheProgramAndItsQuestionMarkKeepsTheBattleGoing) {
    ToMap();
    d.Wait(80);
    d.Click(*Form4, Form4->Button1.left + 3, Form4->Button1.top + 3);  // "?"
    EXPECT_EQ(d.VisibleLine(), "visible Form4 Form9");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000 Form4.Timer1=80");
    d.Click(*Form4, Form4->Button2.left + 3, Form4->Button2.top + 3);  // "X"
    EXPECT_TRUE(d.Ended());
}

TEST_F(Cycle, InstructionsFromTheTitleLeaveTheTitleAndItsWatchdog) {
    d.Click(*Form1, Form1->Button2.left + 5, Form1->Button2.top + 5);
    EXPECT_EQ(d.VisibleLine(), "visible Form1 Form9");
    d.Wait(2000);
    EXPECT_EQ(d.VisibleLine(), "visible Form1 Form9");
    EXPECT_EQ(d.TimersLine(), "timers Form1.Timer1=1000");
}

TEST_F(Cycle, ClosingTheTitleEndsTheProgram) {
    d.Close(*Form1);
    EXPECT_TRUE(d.Ended());
}

}  // namespace
