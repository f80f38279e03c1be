// resources_and_limits.h -- limits of the towers and stocks, ward, burn, pendants, drops, flask.
#pragma once

#include "rules/duel.h"

namespace vm {

// The per-tick limits: every stock, rare value and green of both sides and both towers raised to
// 0, then towers above 500 lowered to 500. Incomes are left alone.
void ApplyTickLimits(GameState& state);
// A tower below its height before the card effect gets back half the loss if warded (the ward is
// then spent). With sound, a player's loss plays sound 18, an enemy's only while AnimKind = 0.
void ApplyWard(Duel duel, bool withSound);
// Right after a player move (some slot empty): each burning tower loses 10 and one burn move.
void BurnTick(GameState& state);
// The player's resources change by the pendant kind 0..5 of the slot moved with.
void PendantBonus(GameState& state, int kind);
// Every slot's pendant is cleared, then with 5 in 100 gets a new one of kind 1..5.
void RollPendants(GameState& state);
// With 15 in 100 a new blood drop starts on a random slot; otherwise there is none.
void RollDrop(GameState& state);
// One step of the drop's fall while the player may move.
void DropFall(GameState& state);
// A click on the flask with a full flask pours 50 onto the player's tower (sound 17). Where the
// flask lies on the window is the map screen's business: it says whether the click hit it.
void UseFlask(Duel duel, bool onFlask);

}  // namespace vm
