// card_animations_test.cpp -- the play animation and the enemy's move in real frames: the bolt,
// the rings, the black sky, the played card, the sounds of the first tick, the enemy's skull,
// bolt, card and discard hatch.
#include "map_fixture.h"
#include "rules/turn_cycle.h"

namespace vm::testing {
namespace {

class Animation : public MapScreen {
  protected:
    void SetUp() override { EnterBattle(); }
    // Plays `card` from slot 1; the next tick is the first of its animation (t = 99).
    void Play(int card) {
        Rich();
        s.HandCard[1] = card;
        HoverSlot(1);
        Tick();
        ClickAt(SlotLeft(W(), 1) + 80, 100);
        ASSERT_EQ(s.PlayerMoveTicks, 100);
    }
    bool Playing(int sound) const { return Form1->MediaPlayer(sound).IsPlaying(); }
    // Columns strictly inside the bolt's k-th segment in which some pixel has the colour.
    int ColumnsWith(int k, tk::Color colour) const {
        const int x1 = 120 + (k - 1) * s.BoltStepX, x2 = 120 + k * s.BoltStepX;
        int columns = 0;
        for (int x = x1 + 1; x < x2; ++x)
            columns += CountColour(Frame(), colour, x, 0, x + 1, H() - 100) > 0;
        return columns;
    }
};

TEST_F(Animation, TheBoltsTenthSegmentIsDarkestBlueUnlessItIsTheHighlightedOne) {
    ASSERT_EQ(AnimKindOf(6), 0);
    Play(6);
    s.BoltSpark = 0;
    Tick();
    EXPECT_EQ(s.BoltSpark, 1);
    EXPECT_EQ(s.BoltStepX, (W() - 193) / 10);
    const int inside = s.BoltStepX - 1;
    EXPECT_EQ(ColumnsWith(10, 0x000066), inside);
    EXPECT_EQ(ColumnsWith(1, 0xAAAAFF), inside);
    EXPECT_EQ(ColumnsWith(5, 0x3333BB), inside);
    EXPECT_TRUE(Playing(15));
    // The played card shows for this first tick only, at (280, H - 370).
    const tk::Picture& card = *MapPictures(Assets()).Card(6);
    EXPECT_TRUE(PictureAt(Frame(), card, 280, H() - 370, 0, 0, 160, 250).All());

    Form1->MediaPlayer(15).Stop();
    s.BoltSpark = 9;
    Tick();
    EXPECT_FALSE(Playing(15));  // the sound starts on the first tick only
    EXPECT_EQ(ColumnsWith(10, 0xAAAAFF), inside);
    EXPECT_EQ(ColumnsWith(10, 0x000066), 0);
    EXPECT_LT(PictureAt(Frame(), card, 280, H() - 370, 0, 0, 160, 250).Share(), 0.5);
    Tick();
    EXPECT_EQ(s.BoltSpark, 1);  // 11 wraps to 1
}

TEST_F(Animation, TheHandIsHatchedWhileTheAnimationRuns) {
    Play(6);
    Tick();
    const int left = HandLeft(W());
    // Every second row from 2 down (the bolt, drawn later, may cross the lowest ones).
    for (int y : {2, 100, 200})
        EXPECT_EQ(CountColour(Frame(), 0, left, y, left + 960, y + 1), 960);
    EXPECT_LT(CountColour(Frame(), 0, left + 160, 101, left + 960, 102), 700);
}

TEST_F(Animation, RingsCircleThePlayersTowerTopAndTheStarburstShowsBehindIt) {
    ASSERT_EQ(AnimKindOf(1), 2);
    Play(1);
    Tick();
    const int top = H() - s.PlayerTowerShown;  // drawn after this tick's step of the heights
    for (int m = 1; m <= 3; ++m) {
        const int r = m * 99;
        // The outline passes through the top and the left of its box.
        EXPECT_GT(CountColour(Frame(), 0x7777FF, 95, top - r - 1, 106, top - r + 2), 0) << m;
    }
    EXPECT_TRUE(Playing(15));
    Tick(40);  // t = 59, the tower top has moved on
    const int later = H() - s.PlayerTowerShown;
    EXPECT_GT(CountColour(Frame(), 0x3333BB, 95, later - 59 - 1, 106, later - 59 + 2), 0);
    // The starburst lies behind the tower top on the later ticks (the rings are over it).
    EXPECT_GT(PictureAt(Frame(), Picture("Form5.Image1"), -98, H() - s.PlayerTowerShown - 150, 110,
                        0, 40, 40)
                  .Share(),
              0.8);
}

TEST_F(Animation, Cards63And68BlackenTheWholeSkyForTheirAnimationButNotTheGround) {
    for (int card : {63, 68}) {
        SCOPED_TRACE(card);
        while (s.TurnPhase != 1 || s.PlayerMoveTicks != 0)
            Tick();
        Play(card);
        Tick();
        EXPECT_TRUE(Playing(card == 63 ? 13 : 8));
        for (auto [x, y] : {std::pair{W() - 50, 100},
                            {150, H() - 300},
                            {SlotLeft(W(), 1) + 50, 100},
                            {300, H() - 300},
                            {W() - 150, H() - 200}})
            EXPECT_EQ(Pixel(x, y), 0x000000u) << x << "," << y;
        EXPECT_GT(PictureAt(Frame(), Picture("Form3.Image79"), 10, H() - 90).Share(), 0.9);
        Tick(60);
        EXPECT_EQ(Pixel(W() - 50, 100), 0x000000u);
        EXPECT_EQ(Pixel(150, H() - 300), 0x000000u);
    }
}

TEST_F(Animation, APictureAnimationStartsItsSoundOnceAndTheArrowCrossesTheScreen) {
    Play(23);
    Tick();
    EXPECT_TRUE(Playing(9));
    EXPECT_FALSE(Playing(15));  // no bolt
    const tk::Picture& arrow = Picture("Form4.Image13");
    EXPECT_TRUE(PictureAt(Frame(), arrow, 1 * (W() / 100), H() - 250).All());
    Form1->MediaPlayer(9).Stop();
    Tick(49);  // t = 50
    EXPECT_TRUE(PictureAt(Frame(), arrow, 50 * (W() / 100), H() - 250).All());
    EXPECT_FALSE(Playing(9));
}

TEST_F(Animation, Card37sBeamFlickersFromTheFigureToTheRisingPictureAndCard50FrostsTheEnemy) {
    Play(37);
    Tick();
    EXPECT_TRUE(Playing(7));
    const int h = W() / 2;
    EXPECT_GT(PictureAt(Frame(), Picture("Form5.Image2"), h - 200, H() - 396).Share(), 0.95);
    EXPECT_GT(PictureAt(Frame(), Picture("Form4.Image6"), W() - 125, H() - 143 + 99 / 5).Share(),
              0.8);
    // (the beam ends on it, so some of its pixels are the beam's). Halfway along the beam, one of
    // its five greens.
    const int mx = (h - 70 + W() - 100) / 2, my = (H() - 376 + H() - 120 + 3 + 99 / 5) / 2;
    int green = 0;
    for (tk::Color c : {0x00FF00u, 0xAAFFAAu, 0xFFFFFFu, 0xDDFFDDu, 0x77FF77u})
        green += CountColour(Frame(), c, mx - 1, my - 4, mx + 2, my + 5);
    EXPECT_GE(green, 3);
    Tick(50);  // t = 49: the small picture has risen by ten
    EXPECT_GT(PictureAt(Frame(), Picture("Form4.Image6"), W() - 125, H() - 143 + 49 / 5).Share(),
              0.8);

    while (s.TurnPhase != 1 || s.PlayerMoveTicks != 0)
        Tick();
    s.PlayerTower = s.EnemyTower = 300;
    Play(50);
    Tick();
    EXPECT_TRUE(Playing(11));
    // The frost stands on the enemy's tower down to its foot; the panels drawn after it cover
    // what reaches below the ground line.
    EXPECT_TRUE(PictureAt(Frame(), Picture("Form4.Image25"), W() - 245,
                          H() - s.EnemyTowerShown - 100, 0, 0, -1, s.EnemyTowerShown)
                    .All());
}

TEST_F(Animation, TheEnemyShowsItsSkullBoltAndCardOrHatchesTheCardItCannotPay) {
    Tick();
    s.TurnPhase = 2;
    s.EnemyCard = 12;
    s.EnemyCanAfford = 1;
    s.EnemyMoveTicks = 21;
    s.BoltSpark = 0;
    Tick();  // 21 at the start: no skull yet, the card shows from 20
    const tk::Picture& skull = Picture("Form6.Image15");
    const tk::Picture& card = *MapPictures(Assets()).Card(12);
    EXPECT_LT(PictureAt(Frame(), skull, W() / 2 - 170, H() - 400, 100, 80, 100, 140).Share(), 0.5);
    EXPECT_TRUE(PictureAt(Frame(), card, W() - 580, H() - 370, 0, 0, 160, 100).All());
    Tick();  // 20 at the start: skull and the enemy's red bolt
    EXPECT_GT(PictureAt(Frame(), skull, W() / 2 - 170, H() - 400, 100, 80, 100, 140).Share(), 0.9);
    EXPECT_EQ(s.BoltSpark, -1);  // from 0 it goes below 1 and highlights nothing
    EXPECT_GT(ColumnsWith(1, 0x660000), s.BoltStepX / 2);
    EXPECT_EQ(ColumnsWith(10, 0xFF7777), s.BoltStepX - 1);

    // A card the enemy cannot pay: every second column of its place goes black.
    s.EnemyCanAfford = 0;
    Tick();
    const int left = W() - 580;
    for (int i = 1; i <= 80; ++i)
        ASSERT_EQ(CountColour(Frame(), 0, left + 2 * i, H() - 370, left + 2 * i + 1, H() - 100),
                  270)
            << i;
    EXPECT_TRUE(PictureAt(Frame(), card, left, H() - 370, 1, 0, 1, 200).All());
}

}  // namespace
}  // namespace vm::testing
