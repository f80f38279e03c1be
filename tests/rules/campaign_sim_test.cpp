// campaign_sim_test.cpp -- whole battles and campaigns on the rules alone.
#include "campaign_sim.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vm {
namespace {

TEST(CampaignSim, TwoHundredBattlesKeepEveryInvariant) {
    std::array<int, 13> fought{}, won{};
    int battles = 0;
    for (uint32_t start = 0; battles < 220; ++start) {
        CampaignSimulator sim(36'000'000 + start * 7'777);
        sim.NewGame();
        for (const auto& b : sim.PlayCampaign(40)) {
            ++battles;
            fought[static_cast<size_t>(b.level)]++;
            won[static_cast<size_t>(b.level)] += b.won;
            EXPECT_GT(b.ticks, 0);
        }
        for (const std::string& v : sim.violations())
            ADD_FAILURE() << v;
        const GameState& s = sim.state();
        EXPECT_GE(s.Level, 1);
        EXPECT_LE(s.Level, 12);
    }
    for (int level = 1; level <= 11; ++level) {
        std::printf("level %2d: the simple policy won %3d of %3d battles\n", level,
                    won[static_cast<size_t>(level)], fought[static_cast<size_t>(level)]);
    }
    EXPECT_GE(battles, 200);
    EXPECT_GT(fought[1], 0);
}

TEST(CampaignSim, SameClockSameCampaign) {
    CampaignSimulator a(50'000'000), b(50'000'000);
    a.NewGame();
    b.NewGame();
    const auto ra = a.PlayCampaign(5);
    const auto rb = b.PlayCampaign(5);
    ASSERT_EQ(ra.size(), rb.size());
    for (size_t i = 0; i < ra.size(); ++i) {
        EXPECT_EQ(ra[i].ticks, rb[i].ticks);
        EXPECT_EQ(ra[i].won, rb[i].won);
    }
    EXPECT_EQ(a.state().EnemyTower, b.state().EnemyTower);
    EXPECT_EQ(a.state().Achievements, b.state().Achievements);
}

}  // namespace
}  // namespace vm
