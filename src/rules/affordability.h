// affordability.h -- whether a side can pay a card, and the payment itself.
#pragma once

#include "rules/duel.h"

namespace vm {

// True when each of the side's seven resources is at least the card's cost in it (card 1..70).
bool CanAfford(const GameState& state, const Side& side, int card);
// Subtracts all seven costs of the card from the side's resources, without any bound.
void PayCard(GameState& state, const Side& side, int card);

}  // namespace vm
