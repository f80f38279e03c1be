// play_pictures_test.cpp -- the pictures the battle draws over or behind something else: the
// flask over its gauge, the frost over the enemy's tower, and the pictures laid on the black sky.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assets/asset_library.h"

namespace {

bool IsKey(const tk::Picture& picture, int x, int y) {
    return (picture.Pixels().At(x, y) & 0xFFFFFF) == (picture.KeyColor() & 0xFFFFFF);
}

// The gauge is a bar over x 3..62 that rises from row 98 of the flask to row 18 when full.
TEST(PlayPictures, FlaskIsClearGlassOverTheWholeGauge) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    const tk::Picture& flask = library.Get("Form5.Image9");
    ASSERT_TRUE(flask.Transparent());
    const int width = flask.Width();
    for (int y = 18; y <= 98; ++y) {
        // The key runs of this row that reach into the bar's columns: the bar may show through
        // exactly one of them, and that one must be closed by a wall on either side.
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < width;) {
            if (!IsKey(flask, x, y)) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < width && IsKey(flask, x, y))
                ++x;
            if (x - 1 >= 3 && first <= 62) runs.emplace_back(first, x - 1);
        }
        ASSERT_EQ(runs.size(), 1u)
            << "row " << y << ": the bar shows outside the glass or not at all";
        EXPECT_GT(runs[0].first, 0) << "row " << y << ": no left wall";
        EXPECT_LT(runs[0].second, width - 1) << "row " << y << ": no right wall";
    }
}

// Card 50 draws the frost at the enemy's tower's own origin; the crag below row 400 stays bare.
TEST(PlayPictures, FrostCoversTheEnemyTowerAboveItsCrag) {
    constexpr int kCragTop = 400;
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    const tk::Picture& tower = library.Get("Form3.Image2");
    const tk::Picture& frost = library.Get("Form4.Image25");
    ASSERT_EQ(frost.Width(), tower.Width());
    ASSERT_EQ(frost.Height(), tower.Height());
    long towerPixels = 0, covered = 0;
    for (int y = 0; y < kCragTop; ++y)
        for (int x = 0; x < tower.Width(); ++x)
            if (!IsKey(tower, x, y)) {
                ++towerPixels;
                covered += !IsKey(frost, x, y);
            }
    ASSERT_GT(towerPixels, 10000);
    EXPECT_GE(covered * 10, towerPixels * 9)
        << covered << " of " << towerPixels << " tower pixels frozen";
    // The left quarter holds the turret: it must be frozen too.
    long turret = 0, turretCovered = 0;
    for (int y = 100; y < 360; ++y)
        for (int x = 0; x < tower.Width() / 3; ++x)
            if (!IsKey(tower, x, y)) {
                ++turret;
                turretCovered += !IsKey(frost, x, y);
            }
    EXPECT_GE(turretCovered * 10, turret * 9);
}

// The level scenery is drawn with its bottom row on the ground's top edge: a tree, the graves or
// the cog whose lowest row is all key would float above the ground.
TEST(PlayPictures, LevelSceneryStandsOnTheGround) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    for (const char* name :
         {"Form10.Image12", "Form10.Image13", "Form10.Image14", "Form10.Image16"}) {
        const tk::Picture& picture = library.Get(name);
        const int bottom = picture.Height() - 1;
        int standing = 0;
        for (int x = 0; x < picture.Width(); ++x)
            standing += !IsKey(picture, x, bottom);
        EXPECT_GE(standing * 4, picture.Width()) << name << " touches the ground over " << standing
                                                 << " of " << picture.Width() << " columns";
    }
}

// The moons, the logo and the dove are opaque and drawn on the black sky: no box may show.
TEST(PlayPictures, SkyPicturesFadeToBlackAtEveryEdge) {
    const vm::AssetLibrary library(VELLMOOR_GAME_DIR);
    // The moons, the logo and the dove, and the battle's pictures drawn opaque on the night: the
    // starburst, the flares, the cat's eyes, the rose, the purple strike, the panther, the green
    // flames and the enemy's skull.
    for (const char* name :
         {"Form3.Image13", "Form3.Image80", "Form3.Image81", "Form3.Image82", "Form3.Image4",
          "Form10.Image23", "Form5.Image1", "Form4.Image4", "Form4.Image7", "Form4.Image8",
          "Form4.Image9", "Form4.Image14", "Form4.Image18", "Form4.Image22", "Form6.Image15"}) {
        const tk::Bitmap& pixels = library.Get(name).Pixels();
        int brightest = 0;
        auto look = [&](int x, int y) {
            const tk::Color c = pixels.At(x, y);
            brightest =
                std::max({brightest, int(tk::RedOf(c)), int(tk::GreenOf(c)), int(tk::BlueOf(c))});
        };
        for (int x = 0; x < pixels.width; ++x) {
            look(x, 0);
            look(x, pixels.height - 1);
        }
        for (int y = 0; y < pixels.height; ++y) {
            look(0, y);
            look(pixels.width - 1, y);
        }
        EXPECT_LE(brightest, 16) << name << " shows an edge on the black sky";
    }
}

}  // namespace
