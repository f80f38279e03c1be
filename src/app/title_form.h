// title_form.h -- the title window Form1: the main window, START, Instructions, the watchdog and
// the sound bank of twenty players that every screen plays through.
#pragma once

#include <array>
#include <memory>

#include "state/sound_bank.h"
#include "toolkit/sound/media_player.h"
#include "toolkit/ui/button.h"
#include "toolkit/ui/form.h"
#include "toolkit/ui/image.h"
#include "toolkit/ui/memo.h"
#include "toolkit/ui/timer.h"

namespace vm {

// The sound files of the bank, by sound number 1..20 (index 0 unused).
extern const std::array<const char*, 21> kSoundFiles;

class TForm1 : public tk::Form, public SoundBank {
  public:
    // Opens the twenty sound files; raises tk::Error naming the first that cannot be opened.
    explicit TForm1(tk::Application& app);

    tk::Image& Image1;
    tk::Memo& Memo1;
    tk::Button& Button1;  // "START"
    tk::Button& Button2;  // "Instructions"
    tk::Timer Timer1;     // the watchdog

    // Sound N is MediaPlayer(N), 1..20.
    tk::MediaPlayer& MediaPlayer(int n) { return *players_.at(std::size_t(n)); }

    void Play(int n) override;
    void Stop(int n) override;
    void Rewind(int n) override;

    void Button1Click();
    void Button2Click();
    void Timer1Timer();

  private:
    std::array<std::unique_ptr<tk::MediaPlayer>, 21> players_;
};

}  // namespace vm
