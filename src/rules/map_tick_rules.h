// map_tick_rules.h -- one map tick's rule steps in their order, and the rules of a map click.
#pragma once

#include "rules/duel.h"
#include "rules/tick_hooks.h"

namespace vm {

// The change display's snapshot of the player's values while no display runs.
void ChangeDisplaySnapshot(GameState& state);

// The steps a map tick runs before its frame begins: JustSaved 0, the snapshot, StartTick.
void MapTickBeforeFrame(GameState& state);

// The rule steps inside the frame, with the hooks between them where the screen draws: the
// drop's fall, the player's move, its effect, the refill, the enemy's move, the end of the turn,
// the change display countdown, the per-tick achievements, the end test and the hand tests.
// Returns true in the tick in which the battle ended.
bool MapTickInFrame(Duel duel, TickHooks& hooks);

// One whole tick of the rules: MapTickBeforeFrame, OnFrameBegin, MapTickInFrame.
bool MapTickRules(Duel duel, TickHooks& hooks);

// The rules of a click on the map after the switches: nothing unless TurnPhase is 1; a move with
// HoverSlot when the last move is over; the burn tick; the flask. onFlask says whether the
// click hit the flask.
void MapClickRules(Duel duel, bool onFlask);

}  // namespace vm
