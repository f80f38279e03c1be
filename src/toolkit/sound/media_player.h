// media_player.h -- one sound of the game's sound bank: a WAV opened by name and its position.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/sound/mixer.h"
#include "toolkit/sound/wav.h"

namespace tk {

// A sound player bound to one file for its whole life. The rules the game relies on:
// - Play starts from the current position and returns at once; a player at the end of its
//   sound first goes back to the start; Play on a playing player lets it go on.
// - Stop stops and keeps the position; Rewind goes to the start and leaves it stopped.
// - A sound that plays through stops at its end (AtEnd() is then true).
// Every operation is safe against the mixer running on the audio thread.
class MediaPlayer {
  public:
    // Opens the WAV file now; raises tk::Error("Cannot open sound <file>: ...") if it can't.
    MediaPlayer(Mixer& mixer, const std::string& fileName);
    // A player over sound data already decoded (tests, fuzzing, generated sounds).
    MediaPlayer(Mixer& mixer, std::string name, SoundData sound);
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void Play();
    void Stop();
    void Rewind();

    bool IsPlaying() const;
    std::int64_t Position() const;  // in frames at kMixRate, 0 .. Length()
    std::int64_t Length() const { return sound_.Frames(); }
    bool AtEnd() const;
    const std::string& FileName() const { return name_; }

  private:
    friend class Mixer;
    // Called by the mixer under its lock: adds up to `frames` frames into `sum` and advances.
    void MixInto(std::int32_t* sum, int frames);

    Mixer& mixer_;
    std::string name_;
    SoundData sound_;
    std::int64_t position_ = 0;  // guarded by the mixer's lock
    bool playing_ = false;       // guarded by the mixer's lock
};

}  // namespace tk
