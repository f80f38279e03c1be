// map_input_test.cpp -- clicks and pointer moves on the real map screen: the hand's hit test,
// clicks that make no move, the burn tick, the switches, narrow windows, the buttons and the
// end of a battle.
#include "map_fixture.h"
#include "screens/instructions/instructions_form.h"
#include "screens/result/result_form.h"

namespace vm::testing {
namespace {

class MapInput : public MapScreen {
  protected:
    void SetUp() override {
        EnterBattle();
        Rich();
        s.HandCard = {0, 3, 6, 10, 13, 16};
    }
    // Pointer there, a tick for the hit test, then the click.
    void ClickAfterTick(int x, int y) {
        PointAt(x, y);
        Tick();
        ClickAt(x, y);
    }
};

TEST_F(MapInput, TheBorderColumnBetweenSlotsAndTheRowsFrom270DownMakeNoMove) {
    const int border = HandLeft(W()) + 320;
    ClickAfterTick(border, 100);
    EXPECT_EQ(s.HoverSlot, 0);
    EXPECT_EQ(s.PlayerMoveTicks, 0);
    ClickAfterTick(border + 40, 270);
    EXPECT_EQ(s.HoverSlot, 0);
    EXPECT_EQ(s.PlayerMoveTicks, 0);
    EXPECT_EQ(s.HandCard[2], 6);

    ClickAfterTick(border + 1, 269);
    EXPECT_EQ(s.HoverSlot, 2);
    EXPECT_EQ(s.HandCard[2], 0);  // played
    EXPECT_EQ(s.PlayerMoveTicks, 100);
}

TEST_F(MapInput, AClickActsOnTheSlotOfTheLastTickNotWhereThePointerHasMovedSince) {
    HoverSlot(4);
    Tick();
    HoverSlot(1);
    ClickAt(SlotLeft(W(), 1) + 80, 100);
    EXPECT_EQ(s.HandCard[4], 0);
    EXPECT_EQ(s.HandCard[1], 3);
}

TEST_F(MapInput, ClicksDuringTheEnemysMoveOrTheAnimationMakeNoMove) {
    HoverSlot(3);
    Tick();
    s.TurnPhase = 2;
    s.EnemyMoveTicks = 25;
    s.EnemyCard = 5;
    ClickAt(SlotLeft(W(), 3) + 80, 100);
    EXPECT_EQ(s.HandCard[3], 10);

    s.TurnPhase = 1;
    s.PlayerMoveTicks = 40;
    ClickAt(SlotLeft(W(), 3) + 80, 100);
    EXPECT_EQ(s.HandCard[3], 10);
    EXPECT_EQ(s.PlayerMoveTicks, 40);
}

TEST_F(MapInput, ASecondClickBeforeTheRefillMakesNoMoveButBurnsAgain) {
    s.PlayerBurn = 3;
    s.PlayerTower = 300;
    ClickAfterTick(SlotLeft(W(), 2) + 80, 100);
    EXPECT_EQ(s.HandCard[2], 0);
    EXPECT_EQ(s.PlayerTower, 290);
    EXPECT_EQ(s.PlayerBurn, 2);
    const int blue = s.PlayerBlue;
    ClickAt(SlotLeft(W(), 2) + 80, 100);
    EXPECT_EQ(s.PlayerTower, 280);
    EXPECT_EQ(s.PlayerBurn, 1);
    EXPECT_EQ(s.PlayerBlue, blue);  // no second payment
    Tick();                         // the refill
    EXPECT_NE(s.HandCard[2], 0);
    ClickAt(SlotLeft(W(), 2) + 80, 100);
    EXPECT_EQ(s.PlayerBurn, 1);  // the animation runs: no move, nothing empty, no burn
}

TEST_F(MapInput, TwoClicksOnTheSoundSwitchStopTheDrumsAndResumeThemWhereTheyStopped) {
    tk::MediaPlayer& drums = Form1->MediaPlayer(16);
    Tick(10);
    EXPECT_TRUE(drums.IsPlaying());
    ClickAt(20, 20);
    EXPECT_EQ(s.MusicSwitch, -1);
    Tick();
    EXPECT_FALSE(drums.IsPlaying());
    const auto stoppedAt = drums.Position();
    EXPECT_GT(stoppedAt, 0);
    Tick(5);
    EXPECT_EQ(drums.Position(), stoppedAt);
    EXPECT_TRUE(PictureAt(Frame(), Picture("Form3.Image84"), 0, 0, 0, 0, 50, 20).All());
    ClickAt(20, 20);
    EXPECT_EQ(s.MusicSwitch, 1);
    Tick();
    EXPECT_TRUE(drums.IsPlaying());
    d.Wait(40);  // the sound moves on with the clock
    EXPECT_GT(drums.Position(), stoppedAt);
    EXPECT_LT(drums.Position(), stoppedAt + 44100);  // went on from there, not from the start
    // Play every tick: the drums come back even when something else stopped them.
    drums.Stop();
    Tick();
    EXPECT_TRUE(drums.IsPlaying());
}

TEST_F(MapInput, TheSpeedSwitchActsFromTheNextTickWhichStillRunsAtTheOldInterval) {
    s.LevelIntroTicks = 1000;  // counts the ticks
    Tick();
    ClickAt(75, 20);
    EXPECT_EQ(s.FastMode, 1);
    EXPECT_EQ(Form4->Timer1.Interval(), 80);
    int before = s.LevelIntroTicks;
    d.Wait(79);
    EXPECT_EQ(s.LevelIntroTicks, before);
    d.Wait(1);
    EXPECT_EQ(s.LevelIntroTicks, before - 1);
    EXPECT_EQ(Form4->Timer1.Interval(), 40);
    EXPECT_TRUE(PictureAt(Frame(), Picture("Form4.Image10"), 50, 5, 0, 0, 50, 15).All());
    before = s.LevelIntroTicks;
    d.Wait(400);
    EXPECT_EQ(s.LevelIntroTicks, before - 10);
    ClickAt(75, 20);
    EXPECT_EQ(s.FastMode, 0);
    d.Wait(40);
    EXPECT_EQ(Form4->Timer1.Interval(), 80);
}

class NarrowWindow : public MapScreen {
  protected:
    NarrowWindow() : MapScreen(800, 600) {}
    void SetUp() override {
        EnterBattle();
        Rich();
        s.HandCard = {0, 3, 6, 10, 13, 16};
    }
};

TEST_F(NarrowWindow, OneClickDoesEachThingWhoseAreaItLiesIn) {
    // Slot 1 runs from x = 1 to 159 here, over both switches and the flask.
    PointAt(75, 20);
    Tick();
    EXPECT_EQ(s.HoverSlot, 1);
    ClickAt(75, 20);
    EXPECT_EQ(s.FastMode, 1);
    EXPECT_EQ(s.HandCard[1], 0);

    Tick(101);  // the animation and the enemy's turn
    while (s.TurnPhase != 1 || s.PlayerMoveTicks != 0)
        Tick();
    Rich();
    PointAt(30, 20);
    Tick();
    const int card = s.HandCard[1];
    ClickAt(30, 20);
    EXPECT_EQ(s.MusicSwitch, -1);
    EXPECT_EQ(s.HandCard[1], 0);
    EXPECT_NE(card, 0);

    while (s.TurnPhase != 1 || s.PlayerMoveTicks != 0)
        Tick();
    Rich();
    s.Flask = 80;
    s.PlayerTower = 200;
    PointAt(30, 150);
    Tick();
    ClickAt(30, 150);
    EXPECT_EQ(s.HandCard[1], 0);
    EXPECT_EQ(s.Flask, 0);
    EXPECT_EQ(s.PlayerTower, 250);
}

TEST_F(MapInput, TheQuestionMarkBringsTheInstructionsWhileTheBattleGoesOnAndXEndsTheProgram) {
    Tick();
    EXPECT_EQ(Form4->Button1.left, W() - 20);
    EXPECT_EQ(Form4->Button2.left, 3);
    EXPECT_TRUE(Form4->Button1.Visible());
    s.LevelIntroTicks = 100;
    d.Click(*Form4, W() - 10, H() - 10);
    EXPECT_TRUE(Form9->Visible());
    EXPECT_TRUE(Form4->Visible());
    Tick(3);
    EXPECT_EQ(s.LevelIntroTicks, 97);
    EXPECT_FALSE(d.Ended());
    d.Click(*Form4, 10, H() - 10);
    EXPECT_TRUE(d.Ended());
}

// From the moment the battle is shown, the top-left corner is the sound switch and nothing
// else: never the "X" that ends the program.
using MapButtons = MapScreen;
TEST_F(MapButtons, TheTopLeftCornerIsTheSoundSwitchFromTheBattlesFirstMoment) {
    ShowBattle();
    ASSERT_TRUE(Form4->Visible());
    int expected = Game().MusicSwitch;
    for (int ms = 0; ms < 4 * Form4->Timer1.Interval(); ms += 5) {
        d.Click(*Form4, 8, 8);
        ASSERT_FALSE(d.Ended()) << ms << " ms after the battle was shown";
        expected = expected == 1 ? -1 : 1;
        ASSERT_EQ(Game().MusicSwitch, expected) << ms << " ms after the battle was shown";
        d.Wait(5);
    }
}

TEST_F(MapInput, TheEndTestHandsOverToTheResultScreenInItsTickAndTheTickRunsToItsEnd) {
    Tick();
    s.EnemyTower = 0;
    s.LevelIntroTicks = 10;
    Form4->Button1.SetBounds(0, 0, 19, 25);
    Tick();
    EXPECT_EQ(s.BattleResult, 1);
    EXPECT_EQ(d.VisibleLine(), "visible Form7");
    EXPECT_FALSE(Form4->Timer1.Enabled());
    EXPECT_TRUE(Form7->Timer1.Enabled());
    EXPECT_FALSE(Form1->MediaPlayer(16).IsPlaying());
    EXPECT_EQ(s.LevelIntroTicks, 9);  // the overlay, the scenery and the buttons still came
    EXPECT_EQ(Form4->Button1.left, W() - 20);
    // and the picture of that tick, overlay included, went to the now hidden window.
    EXPECT_TRUE(
        PictureAt(Frame(), Picture("Form10.Image4"), W() / 2 - 150, H() / 2 - 150 + 320).All());
    const int level = s.LevelIntroTicks;
    d.Wait(400);
    EXPECT_EQ(s.LevelIntroTicks, level);  // no further map tick
}

}  // namespace
}  // namespace vm::testing
