// mixer.cpp -- the sum of all playing sound players, with saturation.
#include "toolkit/sound/mixer.h"

#include <algorithm>
#include <cstring>

#include "toolkit/sound/media_player.h"

namespace tk {

Mixer::Mixer() {
    players_.reserve(32);
}
Mixer::~Mixer() = default;

void Mixer::Attach(MediaPlayer* player) {
    std::lock_guard guard(lock_);
    players_.push_back(player);
}

void Mixer::Detach(MediaPlayer* player) {
    std::lock_guard guard(lock_);
    players_.erase(std::remove(players_.begin(), players_.end(), player), players_.end());
}

int Mixer::PlayerCount() const {
    std::lock_guard guard(lock_);
    return int(players_.size());
}

void Mixer::Mix(std::int16_t* stereo, int frames) {
    // Summed in 32 bits in blocks on the stack, so nothing is allocated on the audio thread.
    constexpr int kBlock = 512;
    std::int32_t sum[kBlock * 2];
    std::lock_guard guard(lock_);
    while (frames > 0) {
        int n = std::min(frames, kBlock);
        std::memset(sum, 0, sizeof(std::int32_t) * std::size_t(n) * 2);
        for (MediaPlayer* player : players_)
            player->MixInto(sum, n);
        for (int i = 0; i < n * 2; ++i)
            stereo[i] = std::int16_t(std::clamp(sum[i], -32768, 32767));
        stereo += n * 2;
        frames -= n;
    }
}

}  // namespace tk
