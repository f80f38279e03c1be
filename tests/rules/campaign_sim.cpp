// campaign_sim.cpp -- the rules-only player of whole battles, with its invariant checks.
#include "campaign_sim.h"

#include "rules/affordability.h"
#include "rules/end_of_battle.h"
#include "rules/map_tick_rules.h"
#include "state/new_game.h"

namespace vm {
namespace {

constexpr uint32_t kMsPerDay = 86'400'000;
constexpr int64_t kMaxTicksPerBattle = 2'000'000;

// Reseeds at every frame from a clock that moves 80 ms per tick, like the screen's timer.
class ClockHooks : public TickHooks {
  public:
    ClockHooks(GameState& state, uint32_t& clockMs) : state_(state), clockMs_(clockMs) {}
    void OnFrameBegin() override {
        clockMs_ = (clockMs_ + 80) % kMsPerDay;
        state_.random.Reseed(clockMs_);
    }

  private:
    GameState& state_;
    uint32_t& clockMs_;
};

}  // namespace

CampaignSimulator::CampaignSimulator(uint32_t startMsOfDay) : clockMs_(startMsOfDay % kMsPerDay) {}

void CampaignSimulator::NewGame() {
    vm::NewGame(state_, sounds_, clockMs_);
}

void CampaignSimulator::Violation(int64_t tick, const std::string& what) {
    if (violations_.size() < 50) {
        violations_.push_back("level " + std::to_string(state_.Level) + ", tick " +
                              std::to_string(tick) + ": " + what);
    }
}

void CampaignSimulator::CheckAfterTick(bool refilled, int64_t tick) {
    const GameState& s = state_;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) Violation(tick, what);
    };
    // A battle that goes on has both towers strictly inside the limits.
    expect(s.PlayerTower >= 1 && s.PlayerTower <= 499,
           "PlayerTower " + std::to_string(s.PlayerTower));
    expect(s.EnemyTower >= 1 && s.EnemyTower <= 499, "EnemyTower " + std::to_string(s.EnemyTower));
    for (int slot = 1; slot <= 5; ++slot) {
        expect(s.HandCard[slot] >= 1 && s.HandCard[slot] <= 70, "empty or bad hand slot");
        expect(s.SlotPendant[slot] >= 0 && s.SlotPendant[slot] <= 5, "bad pendant");
    }
    expect(s.TurnPhase == 1 || s.TurnPhase == 2, "TurnPhase " + std::to_string(s.TurnPhase));
    expect(s.MoonPhase >= 1 && s.MoonPhase <= 4, "MoonPhase");
    expect(s.Flask >= 0 && s.Flask <= 80, "Flask " + std::to_string(s.Flask));
    expect(s.DropSlot >= 0 && s.DropSlot <= 5, "DropSlot");
    expect(s.PlayerMoveTicks >= 0 && s.PlayerMoveTicks <= 99, "PlayerMoveTicks");
    expect(s.EnemyMoveTicks >= 0 && s.EnemyMoveTicks <= 29, "EnemyMoveTicks");
    expect(s.DeltaTicks >= 0 && s.DeltaTicks <= 19, "DeltaTicks");
    for (int32_t flag : s.Achievements)
        expect(flag == 0 || flag == 1, "achievement flag");
    if (refilled) {
        expect(s.PlayerBlue <= 21 && s.PlayerRed <= 21 && s.PlayerYellow <= 21,
               "player stock above 21 after a refill");
    }
    if (s.DeltaTicks == 19) {  // the tick that ended a turn
        for (int32_t v : {s.PlayerBlueIncome, s.PlayerRedIncome, s.PlayerYellowIncome,
                          s.EnemyBlueIncome, s.EnemyRedIncome, s.EnemyYellowIncome}) {
            expect(v >= 0 && v <= 5, "income " + std::to_string(v) + " after the end of a turn");
        }
        for (int32_t v : {s.PlayerBlue, s.PlayerRed, s.PlayerYellow, s.PlayerBlueRare,
                          s.PlayerRedRare, s.PlayerYellowRare, s.EnemyBlue, s.EnemyRed,
                          s.EnemyYellow, s.EnemyBlueRare, s.EnemyRedRare, s.EnemyYellowRare}) {
            expect(v >= 0, "negative stock after the end of a turn");
        }
    }
}

CampaignSimulator::Battle CampaignSimulator::PlayBattle() {
    GameState& s = state_;
    Duel duel{s, sounds_};
    ClockHooks hooks(s, clockMs_);
    Battle battle;
    battle.level = s.Level;
    StartBattle(duel);
    for (int64_t tick = 1;; ++tick) {
        if (tick > kMaxTicksPerBattle) {
            Violation(tick, "the battle did not end");
            break;
        }
        if (s.TurnPhase == 1 && s.PlayerMoveTicks == 0) {
            if (s.Flask == 80) {
                s.MouseX = 10;
                s.MouseY = 150;
                s.HoverSlot = 0;
                MapClickRules(duel, true);
            }
            int slot = 1;
            for (int k = 5; k >= 1; --k) {
                if (CanAfford(s, kPlayerSide, s.HandCard[k])) slot = k;
            }
            s.MouseX = 500;
            s.MouseY = 150;
            s.HoverSlot = slot;
            MapClickRules(duel, false);
        }
        bool refilled = false;
        for (int k = 1; k <= 5; ++k)
            refilled = refilled || s.HandCard[k] == 0;
        if (MapTickRules(duel, hooks)) {
            battle.ticks = tick;
            break;
        }
        CheckAfterTick(refilled, tick);
    }
    battle.won = s.BattleResult == 1;
    NextBattle(duel);
    return battle;
}

std::vector<CampaignSimulator::Battle> CampaignSimulator::PlayCampaign(int maxBattles) {
    std::vector<Battle> battles;
    while (static_cast<int>(battles.size()) < maxBattles && state_.Level < 12) {
        battles.push_back(PlayBattle());
    }
    return battles;
}

}  // namespace vm
