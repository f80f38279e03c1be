// handovers.h -- every change of window in the game, written once as a table.
#pragma once

#include <array>

#include "toolkit/ui/form.h"
#include "toolkit/ui/timer.h"

namespace vm {

// The windows that take part in hand-overs, by their role.
enum class Window { Title, Intro, Map, Level, Result, Final, Instructions, Story, Count };

// Each hand-over a handler makes; its steps, in their order, are in handovers.cpp.
enum class Handover {
    TitleStart,         // START: to the intro
    TitleInstructions,  // Instructions beside the title
    IntroClick,         // to the story
    StoryClick,         // to the level screen
    LevelClick,         // into the battle
    LevelQuit,          // nothing visible: the watchdog brings the title back
    BattleEnded,        // to the result screen
    MapHelp,            // "?": the instructions in front, the battle goes on
    MapExit,            // "X": the program ends
    ResultToLevel,      // the next battle's level screen
    ResultToFinal,      // after the eleventh battle
    FinalClick,         // the program ends
    Watchdog,           // no game screen showing: the title again
};

// The windows, filled in as they are created, and the table run over them.
class Handovers {
  public:
    // A window and, for the ones that tick, its timer.
    void Register(Window window, tk::Form& form, tk::Timer* timer);
    // Runs the steps of one hand-over.
    void Run(Handover handover);
    // True when one of the six full-screen screens is visible (the watchdog's test).
    bool AnyScreenVisible() const;

  private:
    struct Entry {
        tk::Form* form = nullptr;
        tk::Timer* timer = nullptr;
    };
    Entry& At(Window window);
    const Entry& At(Window window) const;
    std::array<Entry, std::size_t(Window::Count)> windows_{};
};

}  // namespace vm
