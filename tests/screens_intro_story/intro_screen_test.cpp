// intro_screen_test.cpp -- the intro's night scene on the headless host: its state, and whole
// frames compared with the scene put together from the pictures at their expected places.
#include <gtest/gtest.h>

#include <set>

#include "frame_compare.h"
#include "screens/intro/intro_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"

namespace vm {
namespace {

constexpr int W = 1280, H = 720;
constexpr tk::Color kSilver = 0xC0C0C0;
constexpr int kNoBolt = -100000;

struct Intro : ::testing::Test {
    GameDriver d{43200000, W, H};

    // START, with every streak held still above the window: only the rain a test sets shows.
    void SetUp() override {
        d.Click(*Form1, Form1->Button1.left + 5, Form1->Button1.top + 5);
        for (int i = 1; i <= 500; ++i) {
            Game().RainY[i] = -200;
            Game().RainSpeed[i] = 0;
        }
    }
    void Tick(int n = 1) { d.Wait(10 * n); }
    void Mouse(tk::EventType type, int x, int y) {
        tk::Event e;
        e.type = type;
        e.window = Form2->Window();
        e.x = x;
        e.y = y;
        d.App().DeliverEvent(e);
    }
    // Back to front: clouds, logo, moon, bolt, tower, cliffs, credit line.
    static tk::Bitmap Scene(int cloudX, int towerX, int towerY, int cliffX, int cliffY,
                            int boltX = kNoBolt) {
        tk::Bitmap b(W, H);
        tk::Canvas c(b);
        c.Draw(cloudX, 350, Assets().Get("Form3.Image6"));
        c.Draw(5, 5, Assets().Get("Form3.Image4"));
        c.Draw(W - 343, 50, Assets().Get("Form3.Image13"));
        if (boltX != kNoBolt) c.Draw(boltX, 200, Assets().Get("Form3.Image3"));
        c.Draw(towerX, towerY, Assets().Get("Form3.Image1"));
        c.Draw(cliffX, cliffY, Assets().Get("Form3.Image5"));
        c.SetFontSize(20);
        c.SetFontColor(kSilver);
        c.TextOut(5, H - 32,
                  "A game by Hollowcandle Studio - 1.7(b) 12/04/10 - hollowcandle.example");
        return b;
    }
    int Differences(const tk::Bitmap& want) { return testing::Differences(d.Frame(*Form2), want); }
};

TEST_F(Intro, TheFirstTickHasTheTowerRisenFiveJustAboveTheBottomEdge) {
    Tick();
    EXPECT_EQ(Game().TowerRise, 5);
    EXPECT_EQ(Game().CloudHalfStep, 1);
    EXPECT_EQ(Game().CloudScroll, 0);
    EXPECT_EQ(Differences(Scene(-2, -27, H - 105, -52, H - 190)), 0);  // still behind the cliffs
    Tick(29);
    EXPECT_EQ(Game().TowerRise, 150);
    EXPECT_EQ(Differences(Scene(-17, -20, H - 250, -37, H - 190)), 0);
    EXPECT_GT(Differences(Scene(-17, -20, H, -37, H - 190)), 300) << "the tower should show";
}

TEST_F(Intro, TheTowerStopsAt500AndTheCloudsAt1500) {
    Game().TowerRise = 495;
    Game().CloudScroll = 1499;
    Game().CloudHalfStep = 1;
    for (int t = 0; t < 60; ++t) {
        Tick();
        ASSERT_EQ(Game().TowerRise, 500);
        ASSERT_EQ(Game().CloudScroll, 1500);
        ASSERT_EQ(Game().CloudHalfStep, 0);
    }
    EXPECT_EQ(Differences(Scene(-1502, -2, H - 600, -2, H - 190)), 0);
}

TEST_F(Intro, LightningStrikesOnThe251stTickAndAgainThreeTicksLater) {
    Tick(250);
    EXPECT_EQ(Differences(Scene(-127, -2, H - 600, -2, H - 190)), 0);
    Tick();
    Random clock;  // the tick reseeded from the clock; the strike is its first draw
    clock.Reseed(d.Host().MsOfDayUtc());
    const int r = clock.Below(W), x = r < 400 ? r : r - 200;
    EXPECT_EQ(Game().LightningX, x);
    EXPECT_EQ(Game().LightningTick, 251);
    EXPECT_EQ(Differences(Scene(-127, -2, H - 600, -2, H - 190, x)), 0);
    EXPECT_GT(Differences(Scene(-127, -2, H - 600, -2, H - 190)), 1000) << "the bolt should show";
    Tick(2);
    EXPECT_EQ(Differences(Scene(-128, -2, H - 600, -2, H - 190)), 0);
    Tick();
    EXPECT_EQ(Differences(Scene(-129, -2, H - 600, -2, H - 190, x)), 0);
    Tick(22);  // the 276th tick ends the cycle with a pause of 0 .. 49 ticks
    EXPECT_LE(Game().LightningTick, 1);
    EXPECT_GE(Game().LightningTick, -48);
}

TEST_F(Intro, RainWrapsAtTheEdgesAndMouseShiftsTruncateTowardZero) {
    Tick(10);
    // Dragged out past the top-left corner: the held button keeps the moves coming.
    Mouse(tk::EventType::MouseMove, 50, 50);
    Mouse(tk::EventType::MouseDown, 50, 50);
    Mouse(tk::EventType::MouseMove, -9, -19);
    Mouse(tk::EventType::MouseUp, -9, -19);
    Tick(10);  // the trail comes to rest
    ASSERT_EQ(Game().IntroMouseX, -9);
    ASSERT_EQ(Game().IntroMouseY, -19);
    GameState& g = Game();
    g.RainX[1] = 600, g.RainY[1] = 300, g.RainSpeed[1] = 7;
    g.RainX[2] = -98;
    g.RainX[3] = -97;
    g.RainY[4] = H + 93, g.RainSpeed[4] = 7;
    g.RainY[5] = H + 94, g.RainSpeed[5] = 7;
    Tick();
    EXPECT_EQ(g.RainX[1], 597);
    EXPECT_EQ(g.RainY[1], 307);
    EXPECT_EQ(g.RainX[2], W + 200);
    EXPECT_EQ(g.RainX[3], -100);
    EXPECT_EQ(g.RainY[4], H + 100);
    EXPECT_EQ(g.RainY[5], -200);
    // Rise 105: tower x 5 - (-9 / 100 = 0) - 27, y H + (-19 / 50 = 0) - 205; cliffs x
    // 10 - (-9 / 25 = 0) - 52, y H + (-19 / 12 = -1) - 190; rain shifted by -9 / 8 = -1 and
    // -19 / 10 = -1. Rounding down instead would move every one of them.
    tk::Bitmap want = Scene(-12, -22, H - 205, -42, H - 191);
    tk::Canvas c(want);
    c.SetPenColor(kSilver);
    c.Line(601, 299, 598, 306);
    EXPECT_EQ(Differences(want), 0);
    EXPECT_EQ(d.VisibleLine(), "visible Form2");
}

TEST_F(Intro, TheTrailFollowsTheMouseAndHasShrunkToNothingNineTicksAfterItStops) {
    Tick();
    for (int j = 0; j < 10; ++j) {
        d.Move(*Form2, 400 + 30 * j, 200);
        Tick();
    }
    auto colours = [&] {
        std::set<tk::Color> seen;
        for (int x = 380; x < 700; ++x)
            if (tk::Color c = d.Pixel(*Form2, x, 200)) seen.insert(c);
        return seen;
    };
    const tk::Color fade[10] = {0,        0xFFFFFF, 0xCCCCFF, 0x9999FF, 0x6666FF,
                                0x3333FF, 0x0000CC, 0x000099, 0x000066, 0x000033};
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(d.Pixel(*Form2, 670 - 30 * k + 15, 200), fade[k]) << "segment " << k;
    Tick(8);
    EXPECT_EQ(colours(), std::set<tk::Color>{0x000033});
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(Game().TrailX[k], 670) << k;
    Tick();
    EXPECT_TRUE(colours().empty());
}

}  // namespace
}  // namespace vm
