// Each screen's tick on the headless host, beside the floor every tick pays: clearing a frame of
// the window's size and copying it to the window.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "screens/final/final_form.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "screens/result/result_form.h"
#include "screens/shell/screen_form.h"
#include "screens/story/story_form.h"
#include "screens/title/title_form.h"
#include "script/game_driver.h"
#include "state/game_state.h"
#include "state/new_game.h"

namespace {

enum class Screen { Intro, Story, Level, Map, MapAnimating, Result, Final };

vm::ScreenForm& FormOf(Screen s) {
    switch (s) {
        case Screen::Intro:
            return *vm::Form2;
        case Screen::Story:
            return *vm::Form11;
        case Screen::Level:
            return *vm::Form6;
        case Screen::Map:
        case Screen::MapAnimating:
            return *vm::Form4;
        case Screen::Result:
            return *vm::Form7;
        case Screen::Final:
            return *vm::Form8;
    }
    return *vm::Form2;
}

// Keeps a battle going: towers mid-way, and for the animated case a card picture animation in
// full swing (card 37's beam and picture) on every tick.
void KeepBattleRunning(bool animating) {
    vm::GameState& s = vm::Game();
    s.PlayerTower = s.EnemyTower = 300;
    s.BattleResult = 0;
    if (animating) {
        s.TurnPhase = 1;
        s.PendingPlayerCard = 37;
        s.AnimCard = 37;
        s.PlayerMoveTicks = 60;
    }
}

void ScreenTick(benchmark::State& state, Screen screen) {
    const int w = int(state.range(0)), h = int(state.range(1));
    vm::GameDriver d(43200000, w, h);
    vm::NewGame(vm::Game(), vm::Sounds(), 43200000);
    vm::Form1->Hide();
    vm::ScreenForm& form = FormOf(screen);
    form.Show();
    vm::Game().Level = 5;
    const bool battle = screen == Screen::Map || screen == Screen::MapAnimating;
    for (auto _ : state) {
        if (battle) KeepBattleRunning(screen == Screen::MapAnimating);
        form.Timer1Timer();
        if (!form.Visible()) form.Show();  // a hand-over in the middle would hide it
    }
    benchmark::DoNotOptimize(d.Frame(form).pixels.data());
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h));
}

// The floor: clear a frame of the window's size and hand it to the window.
void ClearPlusCopy(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    vm::GameDriver d(43200000, w, h);
    vm::ScreenForm& form = *vm::Form8;
    form.Show();
    tk::Bitmap frame(std::min(w, 2000), std::min(h, 3000));
    for (auto _ : state) {
        std::fill(frame.pixels.begin(), frame.pixels.end(), tk::Color(0));
        d.App().GetHost().Present(form.Window(), frame);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h));
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);
}

BENCHMARK(ClearPlusCopy)->Apply(Sizes);
BENCHMARK_CAPTURE(ScreenTick, intro, Screen::Intro)->Apply(Sizes);
BENCHMARK_CAPTURE(ScreenTick, story, Screen::Story)->Apply(Sizes);
BENCHMARK_CAPTURE(ScreenTick, level, Screen::Level)->Apply(Sizes);
BENCHMARK_CAPTURE(ScreenTick, map, Screen::Map)->Apply(Sizes);
BENCHMARK_CAPTURE(ScreenTick, map_animating, Screen::MapAnimating)->Apply(Sizes);
BENCHMARK_CAPTURE(ScreenTick, result, Screen::Result)->Apply(Sizes);
BENCHMARK_CAPTURE(ScreenTick, final, Screen::Final)->Apply(Sizes);

}  // namespace
