// sound_bank.h -- how the rules ask for the game's twenty sounds, without knowing the players.
#pragma once

namespace vm {

// Sounds are numbered 1..20 as the title window's sound players. The application's bank plays
// them through the toolkit; tests pass a recording fake. The defaults do nothing.
class SoundBank {
  public:
    virtual ~SoundBank() = default;
    virtual void Play(int n) { (void)n; }
    virtual void Stop(int n) { (void)n; }
    virtual void Rewind(int n) { (void)n; }
};

}  // namespace vm
