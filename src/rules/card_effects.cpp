// card_effects.cpp -- the effect table of the cards and the few cards that need code.
#include "rules/card_effects.h"

#include "state/cards.h"

#include <array>

namespace vm {
namespace {

using V = CardValue;
using Who = CardChange::Who;
using Op = CardChange::Op;

constexpr CardChange own(V v, int32_t n) {
    return {Who::Own, v, Op::Add, n};
}
constexpr CardChange other(V v, int32_t n) {
    return {Who::Other, v, Op::Add, n};
}
constexpr CardChange ownSet(V v, int32_t n) {
    return {Who::Own, v, Op::Set, n};
}
constexpr CardChange otherSet(V v, int32_t n) {
    return {Who::Other, v, Op::Set, n};
}
// Takes away a random 0 .. bound-1.
constexpr CardChange ownLose(V v, int32_t bound) {
    return {Who::Own, v, Op::Sub, 0, bound};
}
constexpr CardChange otherLose(V v, int32_t bound) {
    return {Who::Other, v, Op::Sub, 0, bound};
}
// Adds base plus a random 0 .. bound-1.
constexpr CardChange ownGain(V v, int32_t base, int32_t bound) {
    return {Who::Own, v, Op::Add, base, bound};
}

// Player-side changes of each card, index = card number.
// Entry 0 is the empty slot; a row more or fewer than the cards does not compile.
const std::array<std::vector<CardChange>, kCardCount + 1> kCardChanges = std::to_array<
    std::vector<CardChange>>({
    {},
    /* 1 Abandon */ {own(V::BlueRare, 3)},
    /* 2 Architect */ {own(V::Tower, 30)},
    /* 3 Assassin */ {other(V::Red, -1), other(V::RedRare, -3)},
    /* 4 Babel */ {own(V::Yellow, 3)},
    /* 5 Black Sheep */ {other(V::BlueIncome, -1)},
    /* 6 Blood Feud */ {other(V::RedIncome, -1)},
    /* 7 Bloodline */ {own(V::BlueRare, 3)},
    /* 8 Conscript */ {own(V::Red, 3)},
    /* 9 Consolidate */ {own(V::BlueIncome, 1)},
    /* 10 Conversion */
    {other(V::Red, -2), own(V::Red, 2), other(V::Blue, -2), own(V::Blue, 2), other(V::Yellow, -2),
     own(V::Yellow, 2)},
    /* 11 Courtesan */ {other(V::BlueRare, -2)},
    /* 12 Demob */ {own(V::Blue, 3)},
    /* 13 Harlequin */ {other(V::Blue, -3)},
    /* 14 Nobles */ {own(V::BlueIncome, 1)},
    /* 15 Peace */ {own(V::Red, -10), other(V::Red, -10)},
    /* 16 Princess */ {other(V::RedRare, -3), own(V::RedRare, 3)},
    /* 17 The Rose */ {own(V::BlueRare, 3)},
    /* 18 Royalty */ {own(V::Red, 2), own(V::RedRare, 1)},
    /* 19 Seduction */ {other(V::Blue, -3), own(V::Blue, 9)},
    /* 20 Slander */ {other(V::Blue, -3), other(V::BlueRare, -2)},
    /* 21 Trader */ {own(V::Green, 3)},
    /* 22 Ambush */ {other(V::Red, -5)},
    /* 23 Archers */ {other(V::Red, -3), other(V::Tower, -30)},
    /* 24 Barbarian */ {other(V::Tower, -35)},
    /* 25 Cavalry */ {other(V::Red, -3), other(V::Tower, -20)},
    /* 26 Defend */ {ownSet(V::Ward, 1)},
    /* 27 Engineer */ {own(V::Tower, 45)},
    /* 28 Enrage */ {own(V::RedRare, 2), other(V::Tower, -30)},
    /* 29 From Above */ {other(V::Tower, -50)},
    /* 30 Ghost Rider */ {other(V::RedRare, -2), other(V::Tower, -45)},
    /* 31 Infiltration */
    {other(V::Red, -5), other(V::Yellow, -5), other(V::Blue, -5), other(V::Green, -5),
     own(V::Red, 3), own(V::Yellow, 3), own(V::Blue, 3), own(V::Green, 3), other(V::Tower, -40)},
    /* 32 Mercenary */ {own(V::RedRare, -1), other(V::Tower, -50)},
    /* 33 Reinforce */ {own(V::Tower, 45)},
    /* 34 Siege */
    {other(V::Tower, -60), other(V::Red, -5), other(V::Yellow, -5), other(V::Blue, -5),
     other(V::Green, -5)},
    /* 35 Slavery */ {other(V::Blue, -6), own(V::Red, 2), own(V::Green, 3)},
    /* 36 Thief */
    {other(V::Red, -3), other(V::Yellow, -3), other(V::Blue, -3), other(V::Green, -3),
     own(V::Yellow, 3), own(V::Blue, 3), own(V::Green, 3)},
    /* 37 Titan */ {other(V::Tower, -80)},
    /* 38 Trebuchet */ {other(V::Tower, -30)},
    /* 39 War Beast */ {other(V::Tower, -40)},
    /* 40 Warrioress */ {other(V::Tower, -25)},
    /* 41 Alchemist */ {own(V::Green, 3)},
    /* 42 Blood */ {other(V::BlueIncome, -1), other(V::RedIncome, -1), other(V::YellowIncome, -1)},
    /* 43 Confusion: code */ {},
    /* 44 Drake */ {other(V::Tower, -45)},
    /* 45 Druids */ {own(V::Tower, 45)},
    /* 46 Endurance */ {ownSet(V::Ward, 1), other(V::Tower, -45)},
    /* 47 Exhaustion */ {other(V::Yellow, -5)},
    /* 48 Fear */ {other(V::Yellow, -5)},
    /* 49 Firebolt */ {other(V::Tower, -35), otherSet(V::Burn, 3)},
    /* 50 Frost */ {other(V::Tower, -30)},
    /* 51 Haunt */ {other(V::Red, -3), other(V::Yellow, -3), other(V::Blue, -3)},
    /* 52 Healer */ {own(V::BlueRare, 2)},
    /* 53 Horror: then code */
    {other(V::Red, -3), other(V::Yellow, -3), other(V::Blue, -3), otherLose(V::Tower, 20)},
    /* 54 Lightning */ {other(V::Tower, -30)},
    /* 55 Locusts */ {other(V::Red, -4), other(V::Blue, -4)},
    /* 56 Nature */ {own(V::YellowRare, 3)},
    /* 57 Pacify */ {otherSet(V::Red, 0)},
    /* 58 Plague */
    {other(V::BlueIncome, -1), other(V::YellowIncome, -1), other(V::RedIncome, -1),
     other(V::Red, -2), other(V::Yellow, -2), other(V::Blue, -2), other(V::YellowRare, -1),
     other(V::BlueRare, -1)},
    /* 59 Prayer */ {ownSet(V::Ward, 1)},
    /* 60 Sorcery */ {own(V::YellowIncome, 1)},
    /* 61 Tornado */ {other(V::Tower, -70)},
    /* 62 Void */
    {ownLose(V::Yellow, 5), ownLose(V::Blue, 5), ownLose(V::Red, 5), otherLose(V::Yellow, 10),
     otherLose(V::Blue, 10), otherLose(V::Red, 10)},
    /* 63 Blacklight */
    {own(V::Tower, -50), other(V::Tower, -50), ownSet(V::Burn, 2), otherSet(V::Burn, 2)},
    /* 64 Devastate */ {other(V::Tower, -80), otherSet(V::Burn, 3)},
    /* 65 Emerald */ {ownGain(V::Green, 1, 5)},
    /* 66 Sacrifice: the incomes stay */
    {other(V::Tower, -70), ownSet(V::Red, 0), ownSet(V::Yellow, 0), ownSet(V::Blue, 0),
     ownSet(V::YellowRare, 0), ownSet(V::BlueRare, 0), ownSet(V::RedRare, 0), ownSet(V::Green, 0)},
    /* 67 Stone: code */ {},
    /* 68 Summoner */ {other(V::Tower, -65)},
    /* 69 Unleash */
    {other(V::Tower, -70), other(V::Red, -3), other(V::Yellow, -3), other(V::Blue, -3),
     other(V::Green, -3)},
    /* 70 Wisdom */ {ownGain(V::YellowRare, 3, 3), ownSet(V::Ward, 1)},
});

// The two cards that hit the player harder when the enemy plays them.
const std::vector<CardChange> kEnemyCavalry = {other(V::Red, -3), other(V::Tower, -50)};
const std::vector<CardChange> kEnemyFromAbove = {other(V::Tower, -50), other(V::Red, -5)};

StateValue ValueOf(const Side& side, CardValue what) {
    switch (what) {
        case V::Tower:
            return side.Tower;
        case V::Blue:
            return side.Blue;
        case V::Red:
            return side.Red;
        case V::Yellow:
            return side.Yellow;
        case V::BlueRare:
            return side.BlueRare;
        case V::RedRare:
            return side.RedRare;
        case V::YellowRare:
            return side.YellowRare;
        case V::Green:
            return side.Green;
        case V::BlueIncome:
            return side.BlueIncome;
        case V::RedIncome:
            return side.RedIncome;
        case V::YellowIncome:
            return side.YellowIncome;
        case V::Burn:
            return side.Burn;
        case V::Ward:
            return side.Ward;
    }
    return side.Tower;
}

}  // namespace

const std::vector<CardChange>& CardChanges(int card, SideId playedBy) {
    if (playedBy == SideId::Enemy && card == 25) return kEnemyCavalry;
    if (playedBy == SideId::Enemy && card == 29) return kEnemyFromAbove;
    return kCardChanges[static_cast<size_t>(card)];
}

void ApplyCardEffect(GameState& state, int card, SideId playedBy) {
    const Side& own = SideOf(playedBy);
    const Side& other = SideOf(Opponent(playedBy));
    for (const CardChange& change : CardChanges(card, playedBy)) {
        int32_t& value = state.*ValueOf(change.who == Who::Own ? own : other, change.what);
        int32_t amount = change.amount;
        if (change.randomBound > 0) amount += state.random.Below(change.randomBound);
        switch (change.op) {
            case Op::Add:
                value += amount;
                break;
            case Op::Set:
                value = amount;
                break;
            case Op::Sub:
                value -= amount;
                break;
        }
    }
    if (card == 43) {
        // Confusion turns the other side's stocks round: red <- yellow <- blue <- red.
        const int32_t oldRed = state.*other.Red;
        state.*other.Red = state.*other.Yellow;
        state.*other.Yellow = state.*other.Blue;
        state.*other.Blue = oldRed;
    } else if (card == 53) {
        // Horror's second blow grows with the player's own yellow; none when it is spent.
        state.*other.Tower -= state.random.Below(state.*own.Yellow);
    } else if (card == 67) {
        // Stone counts the stocks as they stand after its own cost was paid.
        state.*own.Tower += 60 + state.*own.Red + state.*own.Blue + state.*own.Green +
                            state.*own.Yellow + state.random.Below(10);
    }
}

}  // namespace vm
