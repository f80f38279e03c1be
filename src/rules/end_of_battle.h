// end_of_battle.h -- the end test of a battle and the preparation of the next one.
#pragma once

#include "rules/duel.h"

namespace vm {

// Sets BattleResult from the towers (a loss overrides a win found in the same tick) and, when the
// battle is over, runs the end achievements. Returns true when it is over: the map screen then
// hands over to the result screen (timers, music 16 stop, show and hide).
bool EndTest(GameState& state);

// The level screen's click starts the battle of Level: the player's tower at 400 - 10 Level,
// the title music stopped, the drums rewound for the map screen, the level intro overlay on.
void StartBattle(Duel duel);

// The result screen's click: resets the duel, moves Level on after a win (keeps it after a
// loss), earns slot 24 at Level 6, gives the enemy Level handicap gifts and restarts music 1.
// Returns the new Level: below 12 the level screen follows, 12 the final screen.
int32_t NextBattle(Duel duel);

}  // namespace vm
