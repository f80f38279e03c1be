// map_tick_rules.cpp -- the order of the rule steps in a map tick and in a map click.
#include "rules/map_tick_rules.h"

#include "rules/achievements.h"
#include "rules/end_of_battle.h"
#include "rules/resources_and_limits.h"
#include "rules/turn_cycle.h"

namespace vm {

void ChangeDisplaySnapshot(GameState& s) {
    if (s.TurnPhase <= 0 || s.DeltaTicks != 0) return;
    s.SnapPlayerBlue = s.PlayerBlue;
    s.SnapPlayerRed = s.PlayerRed;
    s.SnapPlayerYellow = s.PlayerYellow;
    s.SnapPlayerTower = s.PlayerTower;
    s.SnapPlayerGreen = s.PlayerGreen;
}

void MapTickBeforeFrame(GameState& s) {
    s.JustSaved = 0;
    ChangeDisplaySnapshot(s);
    StartTick(s);
}

bool MapTickRules(Duel duel, TickHooks& hooks) {
    MapTickBeforeFrame(duel.state);
    hooks.OnFrameBegin();
    return MapTickInFrame(duel, hooks);
}

bool MapTickInFrame(Duel duel, TickHooks& hooks) {
    GameState& s = duel.state;
    hooks.OnSceneDraw();
    DropFall(s);
    hooks.OnHudDraw();
    AdvancePlayerMove(s, hooks);
    ApplyPlayerEffect(duel);
    RefillHand(s);
    BeginEnemyMove(s);
    RunEnemyMove(duel, hooks);
    EndEnemyMove(s);
    EndTurn(s);
    hooks.OnChangeDisplay();
    if (s.DeltaTicks > 0) s.DeltaTicks -= 1;
    PerTickAchievements(s);
    const bool ended = EndTest(s);
    if (ended) hooks.OnBattleEnded();
    HandAchievements(s);
    hooks.OnSceneFinish();
    return ended;
}

void MapClickRules(Duel duel, bool onFlask) {
    GameState& s = duel.state;
    if (s.TurnPhase != 1) return;
    if (s.HoverSlot > 0 && s.PlayerMoveTicks == 0) PlayOrDiscard(duel, s.HoverSlot);
    BurnTick(s);
    UseFlask(duel, onFlask);
}

}  // namespace vm
