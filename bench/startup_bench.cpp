// Start-up to the title window's first frame, and the peak memory once every screen was shown.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "screens/final/final_form.h"
#include "screens/intro/intro_form.h"
#include "screens/level/level_form.h"
#include "screens/map/map_form.h"
#include "screens/result/result_form.h"
#include "screens/shell/screen_form.h"
#include "screens/story/story_form.h"
#include "script/game_driver.h"

namespace {

// The title's first frame is drawn when the loop shows the main window, inside the driver.
void StartUpToTitleFrame(benchmark::State& state) {
    for (auto _ : state) {
        vm::GameDriver d;
        benchmark::DoNotOptimize(d.Frame(d.FormNamed("Form1")).pixels.data());
    }
    state.SetLabel("start-up to the title's first frame");
}
BENCHMARK(StartUpToTitleFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

long PeakResidentKiB() {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Every screen shown and ticked at 1920 x 1080 a few times; the counter is the process's peak.
void PeakMemoryAfterEveryScreen(benchmark::State& state) {
    // The peak from here on: the benchmarks before this one may have needed more.
    std::ofstream("/proc/self/clear_refs") << "5";
    for (auto _ : state) {
        vm::GameDriver d(43200000, 1920, 1080);
        d.Click(d.FormNamed("Form1"), 380, 400);  // START
        for (vm::ScreenForm* form :
             {static_cast<vm::ScreenForm*>(vm::Form2), static_cast<vm::ScreenForm*>(vm::Form11),
              static_cast<vm::ScreenForm*>(vm::Form6), static_cast<vm::ScreenForm*>(vm::Form4),
              static_cast<vm::ScreenForm*>(vm::Form7), static_cast<vm::ScreenForm*>(vm::Form8)}) {
            form->Show();
            for (int i = 0; i < 5; ++i)
                form->Timer1Timer();
            form->Hide();
        }
        d.FormNamed("Form9").Show();
    }
    state.counters["peak_MiB"] = double(PeakResidentKiB()) / 1024.0;
}
BENCHMARK(PeakMemoryAfterEveryScreen)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
