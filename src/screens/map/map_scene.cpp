// map_scene.cpp -- the sky, the two towers and the ground, and the level's own pictures.
#include "screens/map/map_scene.h"

#include <algorithm>
#include <string_view>

#include "rules/duel.h"
#include "screens/map/map_layout.h"

namespace vm {

namespace {

using tk::Rgb;

// Moon picture by MoonPhase 1 white, 2 blue, 3 red, 4 yellow.
constexpr std::array<std::string_view, 5> kMoonPictures = {"", "Form3.Image13", "Form3.Image80",
                                                           "Form3.Image81", "Form3.Image82"};

// Star colour by StarPhase 1..6: bright, dimmer, dim, darkest, dim, dimmer.
constexpr std::array<tk::Color, 7> kStarColours = {0,
                                                   Rgb(0xFF, 0xFF, 0xFF),
                                                   Rgb(0xBB, 0xBB, 0xBB),
                                                   Rgb(0x88, 0x88, 0x88),
                                                   Rgb(0x44, 0x44, 0x44),
                                                   Rgb(0x88, 0x88, 0x88),
                                                   Rgb(0xBB, 0xBB, 0xBB)};
// Only the first half of the star arrays is ever drawn; all of it twinkles.
constexpr int kStarsDrawn = 500;
constexpr int kStarCount = 1000;

constexpr int kSparkCount = 100;
constexpr int kSparkLife = 101;

using PlumeColours = std::array<tk::Color, 10>;  // by age band 0..9, 10 ages a band

// One tower of the scene: where its pictures go and which of its values they follow.
struct TowerLook {
    StateValue tower, shown, burn, ward;
    std::string_view towerPicture;
    ScreenX towerX;  // the tower and its fire
    std::string_view glowPicture;
    ScreenX glowX;
    ScreenX shieldX;
    ScreenX plumeX;  // the plume particle's x at drift 0
    PlumeColours plume;
};

constexpr TowerLook kPlayerTower{
    &GameState::PlayerTower,
    &GameState::PlayerTowerShown,
    &GameState::PlayerBurn,
    &GameState::PlayerWard,
    "Form3.Image1",
    {0, false},
    "Form4.Image4",
    {-7, false},
    {0, false},
    {72, false},
    {Rgb(0xFF, 0xFF, 0xFF), Rgb(0xDD, 0xEE, 0xFF), Rgb(0xBB, 0xDD, 0xFF), Rgb(0x99, 0xAA, 0xFF),
     Rgb(0x77, 0x77, 0xFF), Rgb(0x55, 0x55, 0xFF), Rgb(0x33, 0x33, 0xFF), Rgb(0x11, 0x11, 0xCC),
     Rgb(0x00, 0x00, 0x77), Rgb(0x00, 0x00, 0x33)}};

constexpr TowerLook kEnemyTower{
    &GameState::EnemyTower,
    &GameState::EnemyTowerShown,
    &GameState::EnemyBurn,
    &GameState::EnemyWard,
    "Form3.Image2",
    {-245, true},
    "Form4.Image18",
    {-67, true},
    {-60, true},
    {-73, true},
    {Rgb(0xFF, 0xFF, 0xFF), Rgb(0xFF, 0xDD, 0xDD), Rgb(0xFF, 0xEE, 0xBB), Rgb(0xFF, 0xDD, 0x99),
     Rgb(0xFF, 0xAA, 0x77), Rgb(0xFF, 0x55, 0x55), Rgb(0xFF, 0x33, 0x33), Rgb(0xCC, 0x11, 0x11),
     Rgb(0x77, 0x00, 0x00), Rgb(0x33, 0x00, 0x00)}};

constexpr std::array<const TowerLook*, 2> kTowers = {&kPlayerTower, &kEnemyTower};

constexpr std::string_view kFire = "Form4.Image5";
constexpr std::string_view kShield = "Form4.Image3";
constexpr std::string_view kTurnMarker = "Form6.Image14";
constexpr std::string_view kGround = "Form3.Image7";

// The top of a tower picture drawn at height h.
int TowerTop(int windowHeight, int h) {
    return windowHeight - h - 100;
}

void DrawTower(const MapView& v, const TowerLook& look) {
    v.Draw(look.towerX.At(v.W), TowerTop(v.H, v.state.*look.shown), look.towerPicture);
}

// The level intro's picture and title strip by Level 1..11.
constexpr std::array<std::string_view, 12> kLevelPictures = {"",
                                                             "Form6.Image16",
                                                             "Form6.Image17",
                                                             "Form6.Image18",
                                                             "Form6.Image19",
                                                             "Form6.Image20",
                                                             "Form6.Image21",
                                                             "Form6.Image22",
                                                             "Form6.Image23",
                                                             "Form6.Image24",
                                                             "Form6.Image25",
                                                             "Form6.Image26"};
constexpr std::array<std::string_view, 12> kLevelTitles = {"",
                                                           "Form10.Image1",
                                                           "Form10.Image2",
                                                           "Form10.Image3",
                                                           "Form10.Image4",
                                                           "Form10.Image5",
                                                           "Form10.Image6",
                                                           "Form10.Image7",
                                                           "Form10.Image8",
                                                           "Form10.Image9",
                                                           "Form10.Image10",
                                                           "Form10.Image11"};
constexpr std::string_view kLevelFrame = "Form6.Image27";

// A picture of the level's scenery; y is given up from the bottom edge.
struct ScenePiece {
    std::string_view picture;
    ScreenX x;
    int up;
};
struct LevelScenery {
    int count;
    std::array<ScenePiece, 3> pieces;
};

constexpr ScenePiece kTrees1{"Form10.Image16", {180, false}, 354};
constexpr ScenePiece kTrees2{"Form10.Image16", {-180, false}, 284};
constexpr ScenePiece kTrees3{"Form10.Image16", {-150, true}, 354};
constexpr LevelScenery kForest{3, {kTrees1, kTrees2, kTrees3}};
constexpr LevelScenery kRuin{1, {ScenePiece{"Form10.Image12", {250, false}, 418}}};
constexpr LevelScenery kNone{0, {}};

// Scenery by Level 1..11; levels 4, 5 and 10 have none.
constexpr std::array<LevelScenery, 12> kSceneryByLevel = {
    kNone,
    kForest,
    kRuin,
    LevelScenery{1, {ScenePiece{"Form10.Image13", {250, false}, 205}}},
    kNone,
    kNone,
    LevelScenery{1, {ScenePiece{"Form10.Image14", {250, false}, 223}}},
    LevelScenery{1, {ScenePiece{"Form10.Image15", {200, false}, 223}}},
    kRuin,
    kForest,
    kNone,
    kForest};

template <class Table>
bool InTable(const Table& table, int index) {
    return index >= 1 && index < int(table.size());
}

}  // namespace

void DrawMoon(const MapView& v) {
    const int phase = v.state.MoonPhase;
    if (InTable(kMoonPictures, phase)) v.Draw(v.W - 100, 0, kMoonPictures[std::size_t(phase)]);
}

void DrawStars(const MapView& v) {
    const GameState& s = v.state;
    for (int i = 1; i <= kStarsDrawn; ++i) {
        const int phase = s.StarPhase[std::size_t(i)];
        if (!InTable(kStarColours, phase)) continue;
        v.canvas.SetPenColor(kStarColours[std::size_t(phase)]);
        v.canvas.Plot(s.StarX[std::size_t(i)], s.StarY[std::size_t(i)]);
    }
}

void TwinkleStars(GameState& s) {
    for (int i = 1; i <= kStarCount; ++i) {
        int32_t& phase = s.StarPhase[std::size_t(i)];
        if (s.random.Below(3) == 2) phase += 1;
        if (phase == 7) phase = 1;
    }
}

void DrawPlumes(const MapView& v) {
    GameState& s = v.state;
    for (int i = 1; i <= kSparkCount; ++i) {
        int32_t& drift = s.SparkDrift[std::size_t(i)];
        int32_t& age = s.SparkAge[std::size_t(i)];
        const std::size_t band = std::size_t(std::clamp(age / 10, 0, 9));
        for (const TowerLook* look : kTowers) {
            v.canvas.SetPenColor(look->plume[band]);
            v.canvas.Plot(look->plumeX.At(v.W) + drift, v.H - s.*look->shown - 13 - age);
        }
        drift += s.random.Below(3) - 1;
        age += 1;
        if (age == kSparkLife) {
            age = 0;
            drift = 0;
        }
    }
}

void DrawFire(const MapView& v) {
    for (const TowerLook* look : kTowers) {
        if (v.state.*look->burn > 0) {
            v.Draw(look->towerX.At(v.W), TowerTop(v.H, v.state.*look->shown), kFire);
        }
    }
}

void DrawPlayerTower(const MapView& v) {
    DrawTower(v, kPlayerTower);
}
void DrawEnemyTower(const MapView& v) {
    DrawTower(v, kEnemyTower);
}

void DrawWardMarks(const MapView& v) {
    // The mark follows the true height, so it sits at the tower's final place at once.
    for (const TowerLook* look : kTowers) {
        if (v.state.*look->ward <= 0) continue;
        const int height = v.state.*look->tower;
        v.Draw(look->glowX.At(v.W), v.H - height - 155, look->glowPicture);
        v.Draw(look->shieldX.At(v.W), v.H - height - 150, kShield);
    }
}

void FollowTrueHeights(GameState& s) {
    for (const TowerLook* look : kTowers) {
        if (s.*look->shown < s.*look->tower) s.*look->shown += 1;
        if (s.*look->shown > s.*look->tower) s.*look->shown -= 1;
    }
}

void DrawTurnMarker(const MapView& v) {
    const GameState& s = v.state;
    // No marker while the player's own move animation runs.
    if (s.TurnPhase == 1 && s.PlayerMoveTicks < 2) v.Draw(-40, v.H - 137, kTurnMarker);
    if (s.TurnPhase > 1) v.Draw(v.W - 207, v.H - 137, kTurnMarker);
}

void DrawGround(const MapView& v) {
    v.Draw(0, v.H - 100, kGround);
}

void DrawLevelIntro(const MapView& v) {
    GameState& s = v.state;
    if (s.LevelIntroTicks <= 0) return;
    const int u = v.W / 2 - 150;
    const int top = v.H / 2 - 150 + s.LevelIntroTicks;
    if (InTable(kLevelPictures, s.Level)) {
        v.Draw(u, top, kLevelPictures[std::size_t(s.Level)]);
        v.Draw(u, top + 310, kLevelTitles[std::size_t(s.Level)]);
    }
    v.Draw(u - 10, top - 10, kLevelFrame);
    s.LevelIntroTicks -= 1;
}

void DrawScenery(const MapView& v) {
    if (!InTable(kSceneryByLevel, v.state.Level)) return;
    const LevelScenery& scenery = kSceneryByLevel[std::size_t(v.state.Level)];
    for (int i = 0; i < scenery.count; ++i) {
        const ScenePiece& piece = scenery.pieces[std::size_t(i)];
        v.Draw(piece.x.At(v.W), v.H - piece.up, piece.picture);
    }
}

}  // namespace vm
