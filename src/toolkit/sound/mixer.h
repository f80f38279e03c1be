// mixer.h -- sums every playing sound player into the host's audio stream.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "toolkit/host/host.h"

namespace tk {

class MediaPlayer;

// The one AudioSource of the game: hand it to Host::StartAudio. Mix adds the samples of all
// playing players with saturation and advances them; it never allocates.
//
// Threads: on SdlHost Mix runs on the audio thread. The mixer guards its players with a lock
// of its own, which every MediaPlayer operation takes, so callers need not take the host's
// audio lock. A Mixer must outlive the players attached to it.
class Mixer : public AudioSource {
  public:
    Mixer();
    ~Mixer() override;
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    void Mix(std::int16_t* stereo, int frames) override;

    // Number of players attached (for tests).
    int PlayerCount() const;

  private:
    friend class MediaPlayer;
    void Attach(MediaPlayer* player);
    void Detach(MediaPlayer* player);

    mutable std::mutex lock_;
    std::vector<MediaPlayer*> players_;  // only changed by Attach/Detach under lock_
};

}  // namespace tk
