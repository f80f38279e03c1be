// affordability.cpp -- the seven-cost test and the payment, for either side.
#include "rules/affordability.h"

#include <array>
#include <utility>

namespace vm {
namespace {

using CostArray = std::array<int32_t, 71> GameState::*;

// Each cost array with the side's resource that pays it.
std::array<std::pair<CostArray, StateValue>, 7> Columns(const Side& side) {
    return {{{&GameState::CardCostBlue, side.Blue},
             {&GameState::CardCostRed, side.Red},
             {&GameState::CardCostYellow, side.Yellow},
             {&GameState::CardCostBlueRare, side.BlueRare},
             {&GameState::CardCostRedRare, side.RedRare},
             {&GameState::CardCostYellowRare, side.YellowRare},
             {&GameState::CardCostGreen, side.Green}}};
}

}  // namespace

bool CanAfford(const GameState& state, const Side& side, int card) {
    for (auto [cost, stock] : Columns(side)) {
        if ((state.*cost)[static_cast<size_t>(card)] > state.*stock) return false;
    }
    return true;
}

void PayCard(GameState& state, const Side& side, int card) {
    for (auto [cost, stock] : Columns(side))
        state.*stock -= (state.*cost)[static_cast<size_t>(card)];
}

}  // namespace vm
