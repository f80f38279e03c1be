// card_effects.h -- what each of the seventy cards does when a side plays it.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/duel.h"

namespace vm {

// A side's value that a card changes.
enum class CardValue {
    Tower,
    Blue,
    Red,
    Yellow,
    BlueRare,
    RedRare,
    YellowRare,
    Green,
    BlueIncome,
    RedIncome,
    YellowIncome,
    Burn,
    Ward
};

// One change of a card: own side or the other; add amount (negative takes away), set the value
// to amount, or take away amount plus a random draw below randomBound; a positive randomBound
// with Add adds amount plus the draw.
struct CardChange {
    enum class Who { Own, Other } who;
    CardValue what;
    enum class Op { Add, Set, Sub } op;
    int32_t amount;
    int32_t randomBound = 0;
};

// The card's changes as the player plays it, in the order they are made. For the enemy the
// mirror rule swaps own and other, except cards 25 and 29, which have enemy changes of their own.
// Cards 43, 53 and 67 add code after (or instead of) these changes: see ApplyCardEffect.
const std::vector<CardChange>& CardChanges(int card, SideId playedBy);

// Applies card 1..70 for the side that plays it, on the values as they stand, without limits.
void ApplyCardEffect(GameState& state, int card, SideId playedBy);

}  // namespace vm
