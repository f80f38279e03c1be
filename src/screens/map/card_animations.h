// card_animations.h -- the pictures of a move: the player's play animation (bolt, rings or a
// picture of the card's own with its sound) and the enemy's skull, bolt, card and discard hatch.
#pragma once

#include "screens/map/map_view.h"

namespace vm {

// Tick step: the blue starburst behind the player's tower top while a rings animation (and the
// two ticks after it) runs.
void DrawStarburst(const MapView& view);

// Inside the player's move countdown, on every tick of the play animation; t runs 99 .. 2 and
// AnimKind is already chosen. Sounds start only when t is 99.
void DrawPlayerMove(const MapView& view, int t);

// At the start of the enemy's move step: the skull and, when the enemy can pay, its bolt.
void DrawEnemyMoveBegin(const MapView& view);
// Right after the enemy's countdown: its card for the last 20 ticks, and the discard hatch.
void DrawEnemyCountdown(const MapView& view);

}  // namespace vm
