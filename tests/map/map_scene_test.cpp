// map_scene_test.cpp -- the scene of the map screen in real frames: towers and their shown
// heights, ward marks, the level intro and the level scenery.
#include "map_fixture.h"

namespace vm::testing {
namespace {

TEST_F(MapScreen, TowersStandAtTheirShownHeightsWhichFollowTheTrueOnesOnePixelATick) {
    EnterBattle();
    s.PlayerTower = 310;
    s.PlayerTowerShown = 300;
    s.EnemyTower = 250;
    s.EnemyTowerShown = 252;
    Tick();
    const tk::Picture& player = Picture("Form3.Image1");
    const tk::Picture& enemy = Picture("Form3.Image2");
    // The upper part of each tower, clear of the flask and the hand.
    EXPECT_TRUE(PictureAt(Frame(), player, 0, H() - 400, 64, 0, 176, 100).All());
    EXPECT_FALSE(PictureAt(Frame(), player, 0, H() - 401, 64, 0, 176, 100).All());
    EXPECT_TRUE(PictureAt(Frame(), enemy, W() - 245, H() - 352, 0, 0, 247, 100).All());
    EXPECT_EQ(s.PlayerTowerShown, 301);
    EXPECT_EQ(s.EnemyTowerShown, 251);
    Tick();
    EXPECT_TRUE(PictureAt(Frame(), player, 0, H() - 401, 64, 0, 176, 100).All());
    EXPECT_TRUE(PictureAt(Frame(), enemy, W() - 245, H() - 351, 0, 0, 247, 100).All());
    EXPECT_EQ(s.EnemyTowerShown, 250);
    Tick();
    EXPECT_EQ(s.EnemyTowerShown, 250);  // arrived: it stays
}

TEST_F(MapScreen, TheWardMarkSitsAtTheTrueHeightWhileTheTowerStillMoves) {
    EnterBattle();
    s.PlayerWard = 1;
    s.EnemyWard = 1;
    s.PlayerTower = 350;
    s.PlayerTowerShown = 300;
    s.EnemyTower = 300;
    s.EnemyTowerShown = 290;
    Tick();
    const tk::Picture& shield = Picture("Form4.Image3");
    EXPECT_TRUE(PictureAt(Frame(), shield, 0, H() - 500).All());
    EXPECT_TRUE(PictureAt(Frame(), shield, W() - 60, H() - 450).All());
    // The glows' top rows show above the shields.
    EXPECT_TRUE(PictureAt(Frame(), Picture("Form4.Image4"), -7, H() - 505, 0, 0, 60, 5).All());
    EXPECT_TRUE(
        PictureAt(Frame(), Picture("Form4.Image18"), W() - 67, H() - 455, 0, 0, 60, 5).All());
    EXPECT_LT(PictureAt(Frame(), shield, 0, H() - 450).Share(), 0.5);  // not at the shown height

    s.PlayerWard = 0;
    Tick();
    EXPECT_LT(PictureAt(Frame(), shield, 0, H() - 500).Share(), 0.5);
}

TEST_F(MapScreen, TheLevelIntroSlidesUpOnePixelATickFor50TicksThenGoes) {
    EnterBattle(4);
    s.LevelIntroTicks = 50;
    const int u = W() / 2 - 150, v = H() / 2 - 150;
    const tk::Picture& title = Picture("Form10.Image4");
    const tk::Picture& picture = Picture("Form6.Image19");
    Tick();
    EXPECT_TRUE(PictureAt(Frame(), title, u, v + 50 + 310).All());
    EXPECT_GT(PictureAt(Frame(), picture, u, v + 50).Share(), 0.9);  // under its frame
    EXPECT_EQ(s.LevelIntroTicks, 49);
    Tick(24);
    EXPECT_TRUE(PictureAt(Frame(), title, u, v + 26 + 310).All());
    Tick(25);
    EXPECT_TRUE(PictureAt(Frame(), title, u, v + 1 + 310).All());
    EXPECT_EQ(s.LevelIntroTicks, 0);
    Tick();
    EXPECT_LT(PictureAt(Frame(), picture, u, v).Share(), 0.5);
    EXPECT_EQ(s.LevelIntroTicks, 0);
}

TEST_F(MapScreen, EachLevelHasItsSceneryInFrontOfEverythingAndLevels4And5And10HaveNone) {
    EnterBattle(1);
    struct Piece {
        const char* picture;
        int x, up;
    };
    const Piece trees[] = {{"Form10.Image16", 180, 354},
                           {"Form10.Image16", -180, 284},
                           {"Form10.Image16", W() - 150, 354}};
    const Piece others[] = {{"Form10.Image12", 250, 418},
                            {"Form10.Image13", 250, 205},
                            {"Form10.Image14", 250, 223},
                            {"Form10.Image15", 200, 223}};
    auto shows = [&](const Piece& p) {
        return PictureAt(Frame(), Picture(p.picture), p.x, H() - p.up).All();
    };
    for (int level = 1; level <= 11; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        s.Level = level;
        Tick();
        const bool forest = level == 1 || level == 9 || level == 11;
        for (const Piece& p : trees)
            EXPECT_EQ(shows(p), forest);
        EXPECT_EQ(shows(others[0]), level == 2 || level == 8);
        EXPECT_EQ(shows(others[1]), level == 3);
        EXPECT_EQ(shows(others[2]), level == 6);
        EXPECT_EQ(shows(others[3]), level == 7);
    }
}

TEST_F(MapScreen, TheMoonShowsItsPhaseAndTheMarkerStandsAtTheSideWhoseTurnItIs) {
    EnterBattle();
    const char* moons[] = {"Form3.Image13", "Form3.Image80", "Form3.Image81", "Form3.Image82"};
    const tk::Picture& marker = Picture("Form6.Image14");
    for (int phase = 1; phase <= 4; ++phase) {
        s.MoonPhase = phase;
        Tick();
        EXPECT_GT(
            PictureAt(Frame(), Picture(moons[phase - 1]), W() - 100, 0, 0, 0, 100, 236).Share(),
            0.97)
            << phase;  // a few stars may lie on it
        EXPECT_TRUE(PictureAt(Frame(), marker, -40, H() - 137, 0, 0, 247, 37).All());
    }
}

TEST_F(MapScreen, AnyWindowSizeTicksWithoutAnErrorAndTheFrameCoversTheWindow) {
    EnterBattle(1);
    s.LevelIntroTicks = 50;
    s.PlayerWard = s.EnemyWard = s.PlayerBurn = s.EnemyBurn = 1;
    s.DeltaTicks = 20;
    for (auto [w, h] :
         {std::pair{1, 1}, {97, 60}, {640, 480}, {899, 700}, {2600, 1500}, {1500, 3400}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        d.SetSize(w, h);
        for (int card : {63, 37, 1, 6}) {
            s.PlayerTower = s.EnemyTower = 300;  // the battle goes on whatever the cards do
            s.TurnPhase = 1;
            s.PlayerMoveTicks = 100;
            s.AnimCard = s.PendingPlayerCard = card;
            Tick(2);
        }
        s.PlayerMoveTicks = 0;
        s.TurnPhase = 2;
        s.EnemyCard = 30;
        s.EnemyMoveTicks = 20;
        s.EnemyCanAfford = 0;
        PointAt(w / 2, 5);
        Tick(2);
        // The client size: a display beyond 2000 x 3000 is shared out in whole blocks.
        EXPECT_EQ(Frame().width, w > 2000 || h > 3000 ? (w + 1) / 2 : w);
        EXPECT_EQ(Frame().height, w > 2000 || h > 3000 ? (h + 1) / 2 : h);
        EXPECT_TRUE(d.TakeErrors().empty());
        EXPECT_TRUE(Form4->Visible());
    }
}

}  // namespace
}  // namespace vm::testing
