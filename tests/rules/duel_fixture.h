// duel_fixture.h -- a fresh duel with the cost table filled and a sound bank that records.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "rules/duel.h"
#include "state/card_costs.h"

namespace vm::testing {

struct RecordingSounds : SoundBank {
    std::vector<std::pair<char, int>> calls;  // 'P'lay, 'S'top, 'R'ewind
    void Play(Sound n) override { calls.push_back({'P', SoundNumber(n)}); }
    void Stop(Sound n) override { calls.push_back({'S', SoundNumber(n)}); }
    void Rewind(Sound n) override { calls.push_back({'R', SoundNumber(n)}); }
    int Plays(int n) const {
        int count = 0;
        for (auto [op, sound] : calls)
            count += op == 'P' && sound == n;
        return count;
    }
};

class DuelTest : public ::testing::Test {
  protected:
    DuelTest() {
        FillCardCosts(s);
        s.HandCard = {0, 1, 1, 1, 1, 1};
        s.random.Reseed(777);
    }
    Duel duel() { return Duel{s, sounds}; }

    GameState s;
    RecordingSounds sounds;
};

}  // namespace vm::testing
