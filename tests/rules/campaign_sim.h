// campaign_sim.h -- plays whole battles and campaigns on the rules alone, checking invariants.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "state/sound_bank.h"

namespace vm {

// The simple policy: pour a full flask, then play the first card the player can pay, else
// discard the first. It clicks as the map screen would, between ticks, and runs the ticks with a
// virtual clock that reseeds the generator at every frame as the screen does (80 ms a tick).
class CampaignSimulator {
  public:
    explicit CampaignSimulator(uint32_t startMsOfDay);

    struct Battle {
        int32_t level = 0;
        bool won = false;
        int64_t ticks = 0;
    };

    // START's setup (once, at the start).
    void NewGame();
    // One battle from the level screen's click to the result screen's click (NextBattle).
    Battle PlayBattle();
    // Battles until the campaign is won (Level 12) or maxBattles have been fought.
    std::vector<Battle> PlayCampaign(int maxBattles);

    GameState& state() { return state_; }
    // Every broken invariant, with the tick and what was wrong; empty when all held.
    const std::vector<std::string>& violations() const { return violations_; }

  private:
    void CheckAfterTick(bool refilled, int64_t tick);
    void Violation(int64_t tick, const std::string& what);

    GameState state_;
    SoundBank sounds_;
    uint32_t clockMs_;
    std::vector<std::string> violations_;
};

}  // namespace vm
