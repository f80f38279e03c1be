// vellmoor-soak CAMPAIGNS [FIRST_CLOCK]: whole campaigns through the real screens on the headless
// host, played by clicks with a simple policy in fast mode, the window size changed between
// battles. Fails (status 1) on any error report, broken invariant, stuck battle or memory that
// grows from campaign to campaign.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include "rules/affordability.h"
#include "screens/final/final_form.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "screens/map/map_layout.h"
#include "screens/result/result_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"

namespace {

constexpr std::array<std::pair<int, int>, 6> kSizes = {
    {{640, 480}, {997, 700}, {1920, 1080}, {2560, 1440}, {1280, 720}, {1024, 768}}};
constexpr long kMaxTicksPerBattle = 200000;

struct Totals {
    long battles = 0, won = 0, ticks = 0, moves = 0, flasks = 0;
};

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "soak: %s\n", why.c_str());
    std::exit(1);
}

long ResidentKiB() {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

void CheckInvariants(const vm::GameState& s) {
    auto bad = [](const char* what, int v) { Fail(std::string(what) + " = " + std::to_string(v)); };
    if (s.MoonPhase < 1 || s.MoonPhase > 4) bad("MoonPhase", s.MoonPhase);
    if (s.TurnPhase < 0 || s.TurnPhase > 3) bad("TurnPhase", s.TurnPhase);
    if (s.Flask < 0 || s.Flask > 80) bad("Flask", s.Flask);
    if (s.Level < 1 || s.Level > 12) bad("Level", s.Level);
    for (int k = 1; k <= 5; ++k)
        if (s.HandCard[k] < 0 || s.HandCard[k] > 70) bad("HandCard", s.HandCard[k]);
    for (int a : s.Achievements)
        if (a != 0 && a != 1) bad("Achievements", a);
}

// The x of a point well inside hand slot k that the window can show, or -1.
int SlotPoint(int w, int slot) {
    const int lo = std::max(vm::SlotLeft(w, slot) + 1, 0);
    const int hi = std::min(vm::SlotLeft(w, slot + 1) - 1, w - 1);
    return lo <= hi ? (lo + hi) / 2 : -1;
}

// The simple policy: the leftmost card the player can afford, else discard the leftmost.
int ChooseSlot(const vm::GameState& s, int w) {
    int fallback = 0;
    for (int k = 1; k <= 5; ++k) {
        if (SlotPoint(w, k) < 0 || s.HandCard[k] == 0) continue;
        if (vm::CanAfford(s, vm::kPlayerSide, s.HandCard[k])) return k;
        if (!fallback) fallback = k;
    }
    return fallback;
}

void PlayBattle(vm::GameDriver& d, Totals& t) {
    vm::GameState& s = vm::Game();
    const int w = vm::Form4->W();
    const std::int64_t start = d.Host().NowMs();
    while (vm::Form4->Visible()) {
        if (s.TurnPhase == 1 && s.PlayerMoveTicks == 0 && s.Flask == 80) {
            d.Click(*vm::Form4, 10, 150);  // pour the full flask onto the tower
            ++t.flasks;
        }
        if (s.TurnPhase == 1 && s.PlayerMoveTicks == 0 && s.HandCard[1] && s.HandCard[5]) {
            if (const int slot = ChooseSlot(s, w)) {
                d.Move(*vm::Form4, SlotPoint(w, slot), 150);
                d.Wait(40);  // the hit test runs in the tick
                if (vm::Form4->Visible()) {
                    d.Click(*vm::Form4, SlotPoint(w, slot), 150);
                    ++t.moves;
                }
            }
        }
        d.Wait(40);
        CheckInvariants(s);
        for (const std::string& e : d.TakeErrors())
            Fail("error report: " + e);
        if ((d.Host().NowMs() - start) / 40 > kMaxTicksPerBattle) Fail("a battle did not end");
    }
    t.ticks += (d.Host().NowMs() - start) / 40;  // fast mode: a tick every 40 ms
}

void PlayCampaign(vm::GameDriver& d, Totals& t, std::size_t& sizeIndex) {
    vm::GameState& s = vm::Game();
    d.Click(*vm::Form1, 380, 400);  // START
    d.Wait(100);
    d.Click(*vm::Form2, 300, 300);
    d.Wait(100);
    d.Click(*vm::Form11, 300, 300);
    bool fastModeSet = false;
    while (!d.Ended()) {
        if (vm::Form6->Visible()) {
            const auto [w, h] = kSizes[sizeIndex++ % kSizes.size()];
            d.SetSize(w, h);
            d.Wait(80);
            d.Click(*vm::Form6, 5, 5);
            d.Wait(80);
            if (!fastModeSet) {
                d.Click(*vm::Form4, 75, 25);  // the speed switch
                fastModeSet = true;
            }
            PlayBattle(d, t);
            ++t.battles;
            if (s.BattleResult == 1) ++t.won;
        } else if (vm::Form7->Visible()) {
            d.Wait(40);
            d.Click(*vm::Form7, 300, 300);
        } else if (vm::Form8->Visible()) {
            d.Wait(40);
            d.Click(*vm::Form8, 300, 300);
        } else {
            Fail("no screen is visible between battles");
        }
        for (const std::string& e : d.TakeErrors())
            Fail("error report: " + e);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int campaigns = argc > 1 ? std::atoi(argv[1]) : 20;
    const long firstClock = argc > 2 ? std::atol(argv[2]) : 1000;
    Totals t;
    std::size_t sizeIndex = 0;
    long baseline = 0, last = 0;
    for (int c = 0; c < campaigns; ++c) {
        try {
            vm::GameDriver d(std::uint32_t(firstClock + 7919L * c) % 86400000u);
            PlayCampaign(d, t, sizeIndex);
        } catch (const std::exception& e) {
            Fail(std::string("the game stopped: ") + e.what());
        }
        last = ResidentKiB();
        if (c == 1) baseline = last;  // the first campaign warms caches up
        std::printf("campaign %d: battles %ld (won %ld), ticks %ld, resident %ld KiB\n", c + 1,
                    t.battles, t.won, t.ticks, last);
        std::fflush(stdout);
    }
    if (campaigns > 2 && last > baseline + 16 * 1024)
        Fail("memory grew from " + std::to_string(baseline) + " KiB to " + std::to_string(last) +
             " KiB");
    std::printf(
        "soak: %d campaigns, %ld battles, %ld won, %ld moves, %ld flasks, %ld ticks: no fault\n",
        campaigns, t.battles, t.won, t.moves, t.flasks, t.ticks);
    return 0;
}
