// card_animations.cpp -- what a move looks like: bolts, rings, the cards' own pictures, the
// enemy's skull and card.
#include "screens/map/card_animations.h"

#include "state/cards.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "screens/map/map_layout.h"

namespace vm {

namespace {

using tk::Rgb;

constexpr tk::Color kBlack = Rgb(0, 0, 0);
constexpr int kFirstTick = 99;
constexpr std::string_view kStarburst = "Form5.Image1";
constexpr std::string_view kSkull = "Form6.Image15";

using SegmentColours = std::array<tk::Color, 10>;  // segment 1..10 at index 0..9

// The player's blue, darkening toward the enemy; the rings darken the same way as t runs down.
constexpr SegmentColours kPlayerBlues = {
    Rgb(0x77, 0x77, 0xFF), Rgb(0x66, 0x66, 0xEE), Rgb(0x55, 0x55, 0xDD), Rgb(0x44, 0x44, 0xCC),
    Rgb(0x33, 0x33, 0xBB), Rgb(0x22, 0x22, 0xAA), Rgb(0x11, 0x11, 0x99), Rgb(0x00, 0x00, 0x88),
    Rgb(0x00, 0x00, 0x77), Rgb(0x00, 0x00, 0x66)};
constexpr SegmentColours kEnemyReds = {
    Rgb(0x66, 0x00, 0x00), Rgb(0x77, 0x00, 0x00), Rgb(0x88, 0x00, 0x00), Rgb(0x99, 0x11, 0x11),
    Rgb(0xAA, 0x22, 0x22), Rgb(0xBB, 0x33, 0x33), Rgb(0xCC, 0x44, 0x44), Rgb(0xDD, 0x55, 0x55),
    Rgb(0xEE, 0x66, 0x66), Rgb(0xFF, 0x77, 0x77)};

// One side's bolt: its colours, the highlighted segment's colour and the way the highlight runs.
struct BoltLook {
    const SegmentColours& colours;
    tk::Color highlight;
    int sparkStep;
};
constexpr BoltLook kPlayerBolt{kPlayerBlues, Rgb(0xAA, 0xAA, 0xFF), +1};
constexpr BoltLook kEnemyBolt{kEnemyReds, Rgb(0xFF, 0xFF, 0xFF), -1};

// Where a picture of a card's own animation goes.
enum class Place {
    Centre,      // x = W div 2 + dx, y = H - up
    Left,        // x = dx, y = H - up
    Arrow,       // flies from the left edge to the right edge as t runs down
    EnemyTower,  // over the enemy's tower at its drawn height
};
struct AnimPicture {
    std::string_view picture;
    Place place;
    int dx;
    int up;
};
struct PictureAnimation {
    int card;
    Sound sound;    // started on the first tick
    bool blackSky;  // the sky goes black first
    bool beam;      // card 37's flickering beam follows the figure
    int count;      // pictures used
    std::array<AnimPicture, 2> pictures;
};

constexpr PictureAnimation Anim(int card, Sound sound, AnimPicture a) {
    return {card, sound, false, false, 1, {a, {}}};
}
constexpr PictureAnimation Anim(int card, Sound sound, AnimPicture a, AnimPicture b) {
    return {card, sound, false, false, 2, {a, b}};
}
constexpr AnimPicture Centre(std::string_view picture, int dx, int up) {
    return {picture, Place::Centre, dx, up};
}

constexpr std::array<PictureAnimation, 27> kPictureAnimations = {{
    Anim(2, Sound::Architect, {"Form4.Image12", Place::Left, 0, 307}),
    Anim(3, Sound::None, Centre("Form10.Image17", -250, 389)),
    Anim(5, Sound::BlackSheep, Centre("Form4.Image22", -236, 377),
         Centre("Form4.Image24", -66, 350)),
    Anim(11, Sound::Courtesan, Centre("Form4.Image20", -240, 290)),
    Anim(15, Sound::None, Centre("Form10.Image23", -132, 400)),
    Anim(17, Sound::Rose, Centre("Form4.Image8", -212, 450)),
    Anim(19, Sound::Seduction, Centre("Form4.Image19", -100, 350)),
    Anim(23, Sound::Warrioress, {"Form4.Image13", Place::Arrow, 0, 250}),
    Anim(24, Sound::Warrioress, Centre("Form4.Image17", -100, 350)),
    Anim(25, Sound::Warrioress, Centre("Form10.Image24", -138, 500)),
    Anim(27, Sound::Architect, {"Form4.Image12", Place::Left, 0, 307}),
    Anim(28, Sound::Drake, Centre("Form10.Image18", -138, 400)),
    Anim(33, Sound::Architect, {"Form4.Image12", Place::Left, 0, 307}),
    {37, Sound::Titan, false, true, 1, {Centre("Form5.Image2", -200, 396), {}}},
    Anim(39, Sound::WarBeast, Centre("Form4.Image14", -100, 350)),
    Anim(40, Sound::Warrioress, Centre("Form4.Image23", -100, 350)),
    Anim(44, Sound::Drake, Centre("Form4.Image16", -250, 225)),
    Anim(45, Sound::Druids, Centre("Form4.Image22", -236, 377), Centre("Form4.Image21", -236, 220)),
    Anim(46, Sound::Drake, Centre("Form10.Image25", -270, 500)),
    Anim(49, Sound::Drake, Centre("Form4.Image15", -250, 225)),
    Anim(50, Sound::Frost, {"Form4.Image25", Place::EnemyTower, 0, 0}),
    Anim(51, Sound::Haunt, Centre("Form10.Image22", -95, 389)),
    Anim(54, Sound::Lightning, Centre("Form4.Image9", -250, 500)),
    Anim(56, Sound::None, Centre("Form10.Image19", -202, 429)),
    {63, Sound::Blacklight, true, false, 1, {Centre("Form4.Image7", -210, 420), {}}},
    Anim(64, Sound::Drake, Centre("Form10.Image20", -326, 400)),
    {68, Sound::WarBeast, true, false, 1, {Centre("Form10.Image21", -250, 640), {}}},
}};

// Every card the card table gives a picture animation has one row above, and no other card.
constexpr bool RowsMatchTheCardTable() {
    int cards = 0;
    for (int c = 1; c <= kCardCount; ++c)
        cards += AnimKindOfCard(c) == AnimKind::Picture;
    for (std::size_t i = 0; i < kPictureAnimations.size(); ++i) {
        if (AnimKindOfCard(kPictureAnimations[i].card) != AnimKind::Picture) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (kPictureAnimations[j].card == kPictureAnimations[i].card) return false;
    }
    return cards == int(kPictureAnimations.size());
}
static_assert(RowsMatchTheCardTable(), "a picture animation for every picture card in cards.h");

// Card 37's beam flickers in one of these greens, picked afresh each tick.
constexpr std::array<tk::Color, 5> kBeamGreens = {Rgb(0x00, 0xFF, 0x00), Rgb(0xAA, 0xFF, 0xAA),
                                                  Rgb(0xFF, 0xFF, 0xFF), Rgb(0xDD, 0xFF, 0xDD),
                                                  Rgb(0x77, 0xFF, 0x77)};

const PictureAnimation* AnimationOf(int card) {
    const auto it = std::find_if(kPictureAnimations.begin(), kPictureAnimations.end(),
                                 [card](const PictureAnimation& a) { return a.card == card; });
    return it == kPictureAnimations.end() ? nullptr : &*it;
}

void DrawAnimPicture(const MapView& v, const AnimPicture& p, int t) {
    switch (p.place) {
        case Place::Centre:
            v.Draw(v.W / 2 + p.dx, v.H - p.up, p.picture);
            break;
        case Place::Left:
            v.Draw(p.dx, v.H - p.up, p.picture);
            break;
        case Place::Arrow:
            v.Draw((100 - t) * (v.W / 100), v.H - p.up, p.picture);
            break;
        case Place::EnemyTower:
            v.Draw(v.W - 245, v.H - v.state.EnemyTowerShown - 100, p.picture);
            break;
    }
}

void DrawBeam(const MapView& v, int t) {
    const int h = v.W / 2;
    v.canvas.SetPenColor(kBeamGreens[std::size_t(v.state.random.Below(5))]);
    v.Draw(v.W - 125, v.H - 143 + t / 5, "Form4.Image6");
    for (int i = 1; i <= 5; ++i)
        v.canvas.Line(h - 70, v.H - 376, v.W - 100, v.H - 120 + i + t / 5);
}

void DrawPictureAnimation(const MapView& v, const PictureAnimation& a, int t) {
    if (a.blackSky) {
        v.canvas.SetPenColor(kBlack);
        v.Rows(0, v.W, 0, v.H - 100);
    }
    for (int i = 0; i < a.count; ++i)
        DrawAnimPicture(v, a.pictures[std::size_t(i)], t);
    if (a.beam) DrawBeam(v, t);
    if (t == kFirstTick && a.sound != Sound::None) v.sounds.Play(a.sound);
}

// Ten jagged segments from above the player's tower to above the enemy's; the random drop of
// each joint grows with its number.
void DrawBolt(const MapView& v, const BoltLook& look) {
    GameState& s = v.state;
    s.BoltStepX = (v.W - 193) / 10;
    s.BoltStepY = (s.PlayerTower - s.EnemyTower) / 10;
    const int startY = v.H - s.PlayerTower - 50;
    v.canvas.MoveTo(120, startY);
    s.BoltSpark += look.sparkStep;
    if (look.sparkStep > 0 && s.BoltSpark > 10) s.BoltSpark = 1;
    if (look.sparkStep < 0 && s.BoltSpark == 0) s.BoltSpark = 10;
    for (int k = 1; k <= 10; ++k) {
        v.canvas.SetPenColor(k == s.BoltSpark ? look.highlight : look.colours[std::size_t(k - 1)]);
        const int r = s.random.Below(3);
        v.canvas.LineTo(120 + k * s.BoltStepX, startY + k * s.BoltStepY + k * r);
    }
}

void DrawRings(const MapView& v, int t) {
    if (t == kFirstTick) v.sounds.Play(Sound::ShowCard);
    v.canvas.SetPenColor(kPlayerBlues[std::size_t(std::clamp(9 - t / 10, 0, 9))]);
    const int top = v.H - v.state.PlayerTowerShown;
    for (int m = 1; m <= 5; ++m)
        v.canvas.Ellipse(100 - m * t, top - m * t, 100 + m * t, top + m * t);
}

}  // namespace

void DrawStarburst(const MapView& v) {
    const GameState& s = v.state;
    if (s.AnimKind == 2 && s.PlayerMoveTicks > 0) {
        v.Draw(-98, v.H - s.PlayerTowerShown - 150, kStarburst);
    }
}

void DrawPlayerMove(const MapView& v, int t) {
    const GameState& s = v.state;
    // The played card shows on the first tick only: the rules clear it later in that tick.
    v.DrawCard(280, v.H - 370, s.PendingPlayerCard);
    // The hand is dimmed with the pen the tick has at this point.
    const int left = HandLeft(v.W);
    for (int i = 1; i <= 140; ++i)
        v.canvas.Line(left, 2 * i, left + 960, 2 * i);
    if (const PictureAnimation* a = AnimationOf(s.AnimCard)) DrawPictureAnimation(v, *a, t);
    if (s.AnimKind == 0) {
        if (t == kFirstTick) v.sounds.Play(Sound::ShowCard);
        v.Draw(v.W / 2 - 200, v.H - 410, kStarburst);
        DrawBolt(v, kPlayerBolt);
    }
    if (s.AnimKind == 2) DrawRings(v, t);
}

void DrawEnemyMoveBegin(const MapView& v) {
    const GameState& s = v.state;
    if (!(5 < s.EnemyMoveTicks && s.EnemyMoveTicks < 21)) return;
    v.Draw(v.W / 2 - 170, v.H - 400, kSkull);
    if (s.EnemyCanAfford > 0) DrawBolt(v, kEnemyBolt);
}

void DrawEnemyCountdown(const MapView& v) {
    const GameState& s = v.state;
    const int left = v.W - 580;
    if (s.EnemyMoveTicks < 21) v.DrawCard(left, v.H - 370, s.EnemyCard);
    // A discard: every second column of the card's place goes black, also before it shows.
    if (s.EnemyCanAfford == 0) v.HatchColumns(left + 2, v.H - 370, v.H - 100, 80);
}

}  // namespace vm
