// title_form.h -- the title window Form1: the main window, START, Instructions, the watchdog and
// the sound bank of twenty players that every screen plays through.
#pragma once

#include <array>
#include <memory>

#include "screens/shell/screen_services.h"
#include "state/sound_bank.h"
#include "toolkit/sound/media_player.h"
#include "toolkit/ui/button.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/image.h"
#include "toolkit/ui/memo.h"
#include "toolkit/ui/timer.h"

namespace vm {

// The credits shown in the silver box.
extern const char* const kCreditsFile;

class TForm1 : public tk::Form, public SoundBank {
  public:
    // Lays out the window, shows the title picture and the credits, and opens the twenty sound
    // files; raises tk::Error naming the first sound that cannot be opened, which stops start-up.
    // Credits that cannot be read are reported and leave the box empty: the game still runs.
    explicit TForm1(const ScreenServices& services);

    // Declared in tab order: START, the credits, then Instructions.
    tk::Image& Image1;
    tk::Button& Button1;  // "START"
    tk::Memo& Memo1;      // the credits: silver, editable, no scroll bar
    tk::Button& Button2;  // "Instructions"
    tk::Timer Timer1;     // the watchdog, every second

    // Sound N is MediaPlayer(N), 1..20.
    tk::MediaPlayer& MediaPlayer(int n) { return *players_.at(std::size_t(n)); }

    void Play(Sound sound) override;
    void Stop(Sound sound) override;
    void Rewind(Sound sound) override;

    // START: a new game seeded from the clock, then the intro.
    void Button1Click();
    // Instructions: the help window beside the title.
    void Button2Click();
    // The watchdog: brings the title back when no game screen is showing.
    void Timer1Timer();

  private:
    const ScreenServices& services_;
    std::array<std::unique_ptr<tk::MediaPlayer>, 21> players_;
};

}  // namespace vm
