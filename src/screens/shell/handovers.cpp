// handovers.cpp -- the table of every hand-over: which windows start and stop their ticks, show
// and hide, in the order each handler takes them. All steps of one hand-over run in one handler,
// so no tick of either screen can fall between them.
#include "screens/shell/handovers.h"

#include <initializer_list>

namespace vm {

namespace {

enum class Act {
    Show,    // visible and in front
    Unhide,  // visible, but a window already showing stays where it is
    Hide,
    StartTick,  // enable the window's Timer1
    StopTick,   // disable it
    Close,      // close the window; closing the title ends the program
};

struct Step {
    Act act;
    Window window;
};

struct Row {
    Handover handover;
    std::initializer_list<Step> steps;
};

using enum Act;
using W = Window;

const Row kTable[] = {
    {Handover::TitleStart, {{Show, W::Intro}, {Hide, W::Title}, {StartTick, W::Intro}}},
    {Handover::TitleInstructions, {{Show, W::Instructions}}},
    {Handover::IntroClick,
     {{StopTick, W::Intro}, {StartTick, W::Story}, {Show, W::Story}, {Hide, W::Intro}}},
    {Handover::StoryClick,
     {{StopTick, W::Story}, {Show, W::Level}, {StartTick, W::Level}, {Hide, W::Story}}},
    {Handover::LevelClick,
     {{StopTick, W::Level}, {Show, W::Map}, {StartTick, W::Map}, {Hide, W::Level}}},
    {Handover::LevelQuit, {{StopTick, W::Level}, {Hide, W::Level}}},
    {Handover::BattleEnded,
     {{StopTick, W::Map}, {StartTick, W::Result}, {Show, W::Result}, {Hide, W::Map}}},
    {Handover::MapHelp, {{Show, W::Instructions}}},
    {Handover::MapExit, {{Close, W::Title}}},
    {Handover::ResultToLevel,
     {{StopTick, W::Result}, {StartTick, W::Level}, {Show, W::Level}, {Hide, W::Result}}},
    {Handover::ResultToFinal,
     {{StopTick, W::Result}, {StartTick, W::Final}, {Show, W::Final}, {Hide, W::Result}}},
    {Handover::FinalClick, {{Close, W::Title}}},
    {Handover::Watchdog, {{Unhide, W::Title}, {StopTick, W::Intro}}},
};

// The watchdog looks at the screens in this order; the first visible one ends its test.
constexpr Window kScreens[] = {W::Story, W::Final, W::Result, W::Level, W::Map, W::Intro};

}  // namespace

void Handovers::Register(Window window, tk::Form& form, tk::Timer* timer) {
    At(window) = {&form, timer};
}

Handovers::Entry& Handovers::At(Window window) {
    return windows_[std::size_t(window)];
}
const Handovers::Entry& Handovers::At(Window window) const {
    return windows_[std::size_t(window)];
}

void Handovers::Run(Handover handover) {
    for (const Row& row : kTable) {
        if (row.handover != handover) continue;
        for (const Step& step : row.steps) {
            const Entry& e = At(step.window);
            switch (step.act) {
                case Show:
                    e.form->Show();
                    break;
                case Unhide:
                    if (!e.form->Visible()) e.form->Show();
                    break;
                case Hide:
                    e.form->Hide();
                    break;
                case StartTick:
                    e.timer->SetEnabled(true);
                    break;
                case StopTick:
                    e.timer->SetEnabled(false);
                    break;
                case Close:
                    e.form->Close();
                    break;
            }
        }
        return;
    }
}

bool Handovers::AnyScreenVisible() const {
    for (Window w : kScreens)
        if (At(w).form->Visible()) return true;
    return false;
}

}  // namespace vm
