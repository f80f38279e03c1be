// card_costs.h -- what each of the seventy cards costs in the seven resources.
#pragma once

#include <array>
#include <cstdint>

#include "state/cards.h"
#include "state/game_state.h"

namespace vm {

// One card's price, in the order of the seven cost arrays.
struct CardCost {
    int32_t blue, red, yellow, blueRare, redRare, yellowRare, green;
};

// kCardCosts[n - 1] is card n's price; the values never change.
extern const std::array<CardCost, kCardCount> kCardCosts;

// Writes the table into the seven CardCost* arrays of the state (cards 1..70).
void FillCardCosts(GameState& state);

}  // namespace vm
