// resources_and_limits.cpp -- the limits and side rules of both towers and their resources.
#include "screens/map/rules/resources_and_limits.h"

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
    if (sounds) duel.sounds.Play(18);
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

void PendantBonus(GameState& s, int kind) {
    switch (kind) {
        case 1:
            s.PlayerBlue += 1;
            break;
        case 2:
            s.PlayerRed += 1;
            break;
        case 3:
            s.PlayerYellow += 1;
            break;
        case 4:
            s.PlayerGreen += 1;
            break;
        case 5:
            s.PlayerYellow -= 1;
            s.PlayerRed -= 1;
            s.PlayerBlue -= 1;
            s.PlayerGreen -= 1;
            break;
        default:
            break;
    }
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

bool InFlaskArea(int x, int y) {
    return x < 64 && y > 100 && y < 200;
}

void UseFlask(Duel duel) {
    GameState& s = duel.state;
    if (!InFlaskArea(s.MouseX, s.MouseY) || s.Flask != 80) return;
    s.PlayerTower += 50;
    duel.sounds.Play(17);
    s.Flask = 0;
}

}  // namespace vm
