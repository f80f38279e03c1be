// The map screen's tick on the headless host at two window sizes: through the play animations
// (bolt, rings, beam, black sky, arrow, picture) and with the pointer resting on a card while the
// enemy moves. Each reports its median tick beside the median of clearing and copying one frame
// of the same size, timed in the same run (processor time of the thread, so that a busy machine
// does not blur the comparison), and how many description files the ticks read.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <vector>

#include "screens/map/map_form.h"
#include "screens/map/map_layout.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"
#include "state/new_game.h"

namespace {

// The thread's own processor time, so that other programs on a busy machine do not count.
double CpuMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double Median(std::vector<double>& v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Median processor microseconds of clearing a frame of the window's size and giving it to the
// window.
double ClearCopyMedian(vm::GameDriver& d, int w, int h) {
    tk::Bitmap frame(std::min(w, 2000), std::min(h, 3000));
    std::vector<double> times;
    for (int i = 0; i < 300; ++i) {
        const double start = CpuMicroseconds();
        std::fill(frame.pixels.begin(), frame.pixels.end(), tk::Color(0));
        d.App().GetHost().Present(vm::Form4->Window(), frame);
        benchmark::ClobberMemory();
        times.push_back(CpuMicroseconds() - start);
    }
    return Median(times);
}

// A battle on the map screen that never ends: both towers mid-way.
void EnterBattle() {
    vm::NewGame(vm::Game(), vm::Sounds(), 43200000);
    vm::Form1->Hide();
    vm::Form4->Show();
    vm::Game().Level = 1;  // with scenery
    vm::Game().LevelIntroTicks = 0;
}

void KeepGoing(vm::GameState& s) {
    s.PlayerTower = s.EnemyTower = 300;
    s.BattleResult = 0;
}

// The cards whose animations the run goes through, one play after another.
constexpr std::array<int, 6> kPlays = {6, 1, 37, 63, 23, 54};

enum class Scene { Animations, RestingOnCard };

void MapTick(benchmark::State& state, Scene scene) {
    const int w = int(state.range(0)), h = int(state.range(1));
    vm::GameDriver d(43200000, w, h);
    EnterBattle();
    vm::GameState& s = vm::Game();
    vm::TForm4& form = *vm::Form4;
    std::size_t next = 0;
    auto prepare = [&] {
        KeepGoing(s);
        if (scene == Scene::Animations) {
            if (s.PlayerMoveTicks < 3) {
                s.TurnPhase = 1;
                s.PlayerMoveTicks = 100;
                s.AnimCard = s.PendingPlayerCard = kPlays[next++ % kPlays.size()];
            }
        } else {
            // The enemy moves (skull, bolt, its card) while the tooltip shows the hovered card.
            s.PlayerMoveTicks = 0;
            s.TurnPhase = 2;
            s.EnemyCanAfford = 1;
            if (s.EnemyMoveTicks < 3) {
                s.EnemyCard = 12;
                s.EnemyMoveTicks = 30;
            }
        }
    };
    if (scene == Scene::RestingOnCard) d.Move(form, vm::SlotLeft(w, 3) + 80, 120);
    for (int i = 0; i < 200; ++i) {  // every picture, glyph and description met once
        prepare();
        form.Timer1Timer();
    }
    const double clearCopy = ClearCopyMedian(d, w, h);
    const auto readsBefore = form.Descriptions().FileReads();
    std::vector<double> ticks;
    ticks.reserve(1 << 20);
    for (auto _ : state) {
        prepare();
        const double start = CpuMicroseconds();
        form.Timer1Timer();
        if (ticks.size() < ticks.capacity()) ticks.push_back(CpuMicroseconds() - start);
    }
    const double tick = Median(ticks);
    state.counters["tick_median_us"] = tick;
    state.counters["clear_copy_median_us"] = clearCopy;
    state.counters["tick_per_clear_copy"] = clearCopy > 0 ? tick / clearCopy : 0;
    state.counters["file_reads"] = double(form.Descriptions().FileReads() - readsBefore);
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h));
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMicrosecond)->MinTime(2.0);
}

BENCHMARK_CAPTURE(MapTick, animations, Scene::Animations)->Apply(Sizes);
BENCHMARK_CAPTURE(MapTick, resting_on_card, Scene::RestingOnCard)->Apply(Sizes);

}  // namespace
