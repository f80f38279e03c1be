// turn_cycle.h -- the player's move, the enemy's move and the end of a turn.
#pragma once

#include "rules/duel.h"
#include "rules/tick_hooks.h"

namespace vm {

// The player's move with hand slot 1..5: a play when the card can be paid, else a discard.
// Needs TurnPhase 1 and PlayerMoveTicks 0 (the click checks both).
void PlayOrDiscard(Duel duel, int slot);

// The tick's rule steps, in the order the map tick runs them.
void StartTick(GameState& state);                            // phase 0 becomes 1
void AdvancePlayerMove(GameState& state, TickHooks& hooks);  // the move's countdown
void ApplyPlayerEffect(Duel duel);  // the played card's effect, ward with sound, limits
void RefillHand(GameState& state);  // new cards into empty slots, each with the income
void BeginEnemyMove(GameState& state);
void RunEnemyMove(Duel duel, TickHooks& hooks);
void EndEnemyMove(GameState& state);
void EndTurn(GameState& state);  // enemy income, moon, new cycle gifts, income limits

// The moon's gift to a side that discards card n.
void MoonBonus(GameState& state, SideId side, int card);
// The animation kind of a played card: 2 rings, 1 a picture of its own, 0 the bolt.
int AnimKindOf(int card);

}  // namespace vm
