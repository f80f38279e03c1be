// resources_and_limits.cpp -- the limits and side rules of both towers and their resources.
#include "rules/resources_and_limits.h"

#include <array>

#include <algorithm>

namespace vm {
namespace {

void WardTower(Duel duel, const Side& side, bool sounds) {
    GameState& s = duel.state;
    if (s.*side.Tower >= s.*side.TowerBefore) return;
    if (s.*side.Ward == 1) {
        s.*side.Tower += (s.*side.TowerBefore - s.*side.Tower) / 2;
        s.*side.Ward = 0;
    }
    if (sounds) duel.sounds.Play(Sound::Boom);
}

}  // namespace

void ApplyTickLimits(GameState& s) {
    for (const Side* side : {&kPlayerSide, &kEnemySide}) {
        for (StateValue v : {side->Blue, side->Yellow, side->Red, side->YellowRare, side->RedRare,
                             side->BlueRare, side->Green, side->Tower}) {
            s.*v = std::max(s.*v, 0);
        }
    }
    s.PlayerTower = std::min(s.PlayerTower, 500);
    s.EnemyTower = std::min(s.EnemyTower, 500);
}

void ApplyWard(Duel duel, bool withSound) {
    WardTower(duel, kPlayerSide, withSound);
    // The enemy's thud belongs to the plain bolt; the picture animations bring their own sound.
    WardTower(duel, kEnemySide, withSound && duel.state.AnimKind == 0);
}

void BurnTick(GameState& s) {
    bool anyEmpty = false;
    for (int slot = 1; slot <= 5; ++slot)
        anyEmpty = anyEmpty || s.HandCard[slot] == 0;
    if (!anyEmpty) return;
    if (s.PlayerBurn > 0) {
        s.PlayerBurn -= 1;
        s.PlayerTower -= 10;
    }
    if (s.EnemyBurn > 0) {
        s.EnemyTower -= 10;
        s.EnemyBurn -= 1;
    }
}

namespace {
// What a move with each pendant kind 1..5 adds to the player's stocks; kind 0 adds nothing.
struct PendantGift {
    int32_t blue, red, yellow, green;
};
constexpr std::array<PendantGift, 6> kPendantGifts = {{
    {0, 0, 0, 0},      // no pendant
    {1, 0, 0, 0},      // blue
    {0, 1, 0, 0},      // red
    {0, 0, 1, 0},      // yellow
    {0, 0, 0, 1},      // green
    {-1, -1, -1, -1},  // black: a price in every colour
}};
}  // namespace

void PendantBonus(GameState& s, int kind) {
    if (kind < 0 || kind >= int(kPendantGifts.size())) return;
    const PendantGift& g = kPendantGifts[std::size_t(kind)];
    s.PlayerBlue += g.blue;
    s.PlayerRed += g.red;
    s.PlayerYellow += g.yellow;
    s.PlayerGreen += g.green;
}

void RollPendants(GameState& s) {
    for (int slot = 1; slot <= 5; ++slot) {
        s.SlotPendant[slot] = 0;
        if (s.random.Below(100) < 5) s.SlotPendant[slot] = 1 + s.random.Below(5);
    }
}

void RollDrop(GameState& s) {
    s.DropSlot = 0;
    if (s.random.Below(100) < 15) {
        s.DropSlot = 1 + s.random.Below(5);
        s.DropY = 0;
        s.DropSpeed = 15;
    }
}

void DropFall(GameState& s) {
    if (s.TurnPhase != 1 || s.PlayerMoveTicks != 0 || s.DropSlot <= 0) return;
    s.DropY += s.DropSpeed;
    s.DropSpeed = std::max(s.DropSpeed - 1, 0);
}

void UseFlask(Duel duel, bool onFlask) {
    GameState& s = duel.state;
    if (!onFlask || s.Flask != 80) return;
    s.PlayerTower += 50;
    duel.sounds.Play(Sound::Shatter);
    s.Flask = 0;
}

}  // namespace vm
