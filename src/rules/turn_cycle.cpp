// turn_cycle.cpp -- moves, countdowns and the end of a turn.
#include "rules/turn_cycle.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "rules/achievements.h"
#include "rules/affordability.h"
#include "rules/card_effects.h"
#include "rules/resources_and_limits.h"
#include "state/cards.h"

namespace vm {

int AnimKindOf(int card) {
    return static_cast<int>(AnimKindOfCard(card));
}

void MoonBonus(GameState& s, SideId id, int card) {
    const Side& side = SideOf(id);
    switch (s.MoonPhase) {
        case 1:
            if (CountsIn(card, CardRun::Silver)) {
                const StateValue rare[] = {side.BlueRare, side.RedRare, side.YellowRare,
                                           side.Green};
                s.*rare[s.random.Below(4)] += 1;
            }
            break;
        case 2:
            if (CountsIn(card, CardRun::Blue)) s.*side.Blue += 1;
            break;
        case 3:
            if (CountsIn(card, CardRun::Red)) s.*side.Red += 1;
            break;
        case 4:
            // The enemy's yellow moon also takes the last card of the red run.
            if (CountsIn(card, CardRun::Yellow) ||
                (id == SideId::Enemy && kCards[std::size_t(card)].run == CardRun::Red &&
                 !kCards[std::size_t(card)].countsInRun)) {
                s.*side.Yellow += 1;
            }
            break;
        default:
            break;
    }
}

void PlayOrDiscard(Duel duel, int slot) {
    GameState& s = duel.state;
    const int card = s.HandCard[slot];
    const int pendant = s.SlotPendant[slot];
    if (pendant > 0) duel.sounds.Play(Sound::Shatter);
    if (slot == s.DropSlot) {
        s.Flask += 5;
        duel.sounds.Play(Sound::Drip);
    }
    s.Flask = std::min(s.Flask, 80);
    s.DropSlot = 0;
    if (CanAfford(s, kPlayerSide, card)) {
        PendantBonus(s, pendant);
        s.DiscardStreak = 0;
        RollDrop(s);
        RollPendants(s);
        PayCard(s, kPlayerSide, card);
        s.PendingPlayerCard = card;
        PlayAchievements(s, card);
        s.HandCard[slot] = 0;
        s.PlayerMoveTicks = 100;
        s.AnimCard = card;
        s.AnimKind = 0;
    } else {
        RollDrop(s);
        s.DiscardStreak += 1;
        PendantBonus(s, pendant);  // the pendant read before the re-roll
        RollPendants(s);
        MoonBonus(s, SideId::Player, card);
        s.HandCard[slot] = 0;
        s.PlayerMoveTicks = 2;
    }
}

void StartTick(GameState& s) {
    if (s.TurnPhase == 0) s.TurnPhase = 1;
}

void AdvancePlayerMove(GameState& s, TickHooks& hooks) {
    if (s.PlayerMoveTicks == 0) s.PendingPlayerCard = 0;
    if (s.PlayerMoveTicks == 1) s.PlayerMoveTicks = 0;
    if (s.PlayerMoveTicks == 2) s.PlayerMoveTicks = 1;
    if (s.PlayerMoveTicks > 2) {
        s.PlayerMoveTicks -= 1;
        const int kind = AnimKindOf(s.AnimCard);
        if (kind != 0) s.AnimKind = kind;
        hooks.OnPlayAnimationTick(s.PlayerMoveTicks);
    }
}

void ApplyPlayerEffect(Duel duel) {
    GameState& s = duel.state;
    s.PlayerTowerBefore = s.PlayerTower;
    s.EnemyTowerBefore = s.EnemyTower;
    if (s.PendingPlayerCard >= 1 && s.PendingPlayerCard <= 70) {
        ApplyCardEffect(s, s.PendingPlayerCard, SideId::Player);
    }
    s.PendingPlayerCard = 0;
    ApplyWard(duel, true);
    ApplyTickLimits(s);
}

void RefillHand(GameState& s) {
    for (int slot = 1; slot <= 5; ++slot) {
        if (s.HandCard[slot] != 0) continue;
        s.HandCard[slot] = 1 + s.random.Below(70);
        s.PlayerBlue = std::min(s.PlayerBlue + s.PlayerBlueIncome, 21);
        s.PlayerYellow = std::min(s.PlayerYellow + s.PlayerYellowIncome, 21);
        s.PlayerRed = std::min(s.PlayerRed + s.PlayerRedIncome, 21);
        s.EnemyCard = 0;
    }
}

namespace {
// The cards the enemy picks from when the moon tilts its choice, by moon 1 white .. 4 yellow.
struct MoonRun {
    int first;
    int count;
};
constexpr std::array<MoonRun, 4> kMoonRuns{{{63, 7}, {1, 21}, {41, 20}, {26, 18}}};
}  // namespace

void BeginEnemyMove(GameState& s) {
    if (s.PlayerMoveTicks != 1) return;
    s.EnemyCanAfford = 1;
    s.EnemyCard = 0;
    s.TurnPhase = 2;
}

void RunEnemyMove(Duel duel, TickHooks& hooks) {
    GameState& s = duel.state;
    if (s.TurnPhase != 2) return;
    hooks.OnEnemyMoveBegin();
    if (s.EnemyCard == 0) {
        s.EnemyCard = 1 + s.random.Below(70);
        if (s.random.Below(100) < 30) {
            // The moon tilts the enemy's choice toward its own run of cards.
            if (s.MoonPhase >= 1 && s.MoonPhase <= 4) {
                const MoonRun& run = kMoonRuns[std::size_t(s.MoonPhase - 1)];
                s.EnemyCard = run.first + s.random.Below(run.count);
            }
        }
        s.EnemyCanAfford = CanAfford(s, kEnemySide, s.EnemyCard) ? 1 : 0;
        s.EnemyMoveTicks = 30;
        s.EnemyPlayedCard = s.EnemyCard;
    }
    if (s.EnemyMoveTicks > 0) s.EnemyMoveTicks -= 1;
    hooks.OnEnemyCountdown();
    if (s.EnemyMoveTicks == 1 && s.EnemyCanAfford == 0) MoonBonus(s, SideId::Enemy, s.EnemyCard);
    if (s.EnemyMoveTicks == 1) {
        if (s.EnemyCanAfford == 1) PayCard(s, kEnemySide, s.EnemyCard);
        s.PlayerTowerBefore = s.PlayerTower;
        s.EnemyTowerBefore = s.EnemyTower;
        s.EnemyPlayedCard = s.EnemyCard;
        if (s.EnemyCanAfford == 1) ApplyCardEffect(s, s.EnemyPlayedCard, SideId::Enemy);
    }
    ApplyWard(duel, false);
}

void EndEnemyMove(GameState& s) {
    if (s.TurnPhase == 2 && s.EnemyMoveTicks == 1) {
        s.DeltaTicks = 20;
        s.TurnPhase = 3;
    }
}

void EndTurn(GameState& s) {
    if (s.TurnPhase != 3) return;
    s.EnemyYellow += s.EnemyYellowIncome;
    s.EnemyRed += s.EnemyRedIncome;
    s.EnemyBlue += s.EnemyBlueIncome;
    s.MoonPhase += 1;
    if (s.MoonPhase == 5) s.MoonPhase = 1;
    const Side* sides[] = {&kPlayerSide, &kEnemySide};
    if (s.MoonPhase == 1) {
        for (const Side* side : sides) {
            for (StateValue v : {side->Green, side->BlueRare, side->RedRare, side->YellowRare}) {
                s.*v += 1;
            }
        }
        for (const Side* side : sides) {
            for (StateValue v : {side->BlueIncome, side->RedIncome, side->YellowIncome}) {
                if (s.*v == 0) s.*v = 1;
            }
        }
    }
    for (const Side* side : sides) {
        for (StateValue v : {side->BlueIncome, side->RedIncome, side->YellowIncome}) {
            s.*v = std::min(s.*v, 5);
        }
    }
    for (const Side* side : sides) {
        for (StateValue v :
             {side->BlueIncome, side->RedIncome, side->YellowIncome, side->BlueRare, side->RedRare,
              side->YellowRare, side->Blue, side->Red, side->Yellow}) {
            s.*v = std::max(s.*v, 0);
        }
    }
    s.DeltaTicks = 20;
    s.TurnPhase = 1;
}

}  // namespace vm
