// sound_bank.h -- how the rules ask for the game's twenty sounds, without knowing the players.
#pragma once

#include "state/sounds.h"

namespace vm {

// The application's bank plays them through the title window's players; tests pass a recording
// fake. The defaults do nothing.
class SoundBank {
  public:
    virtual ~SoundBank() = default;
    virtual void Play(Sound sound) { (void)sound; }
    virtual void Stop(Sound sound) { (void)sound; }
    virtual void Rewind(Sound sound) { (void)sound; }
};

}  // namespace vm
