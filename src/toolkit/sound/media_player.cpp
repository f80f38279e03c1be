// media_player.cpp -- Play, Stop and Rewind on one opened sound.
#include "toolkit/sound/media_player.h"

#include <algorithm>
#include <mutex>

namespace tk {

MediaPlayer::MediaPlayer(Mixer& mixer, const std::string& fileName)
    : MediaPlayer(mixer, fileName, LoadWavFile(fileName)) {}

MediaPlayer::MediaPlayer(Mixer& mixer, std::string name, SoundData sound)
    : mixer_(mixer), name_(std::move(name)), sound_(std::move(sound)) {
    mixer_.Attach(this);
}

MediaPlayer::~MediaPlayer() {
    mixer_.Detach(this);
}

void MediaPlayer::Play() {
    std::lock_guard guard(mixer_.lock_);
    if (playing_) return;
    if (position_ >= Length()) position_ = 0;
    playing_ = Length() > 0;  // an empty sound has nothing to play
}

void MediaPlayer::Stop() {
    std::lock_guard guard(mixer_.lock_);
    playing_ = false;
}

void MediaPlayer::Rewind() {
    std::lock_guard guard(mixer_.lock_);
    playing_ = false;
    position_ = 0;
}

bool MediaPlayer::IsPlaying() const {
    std::lock_guard guard(mixer_.lock_);
    return playing_;
}

std::int64_t MediaPlayer::Position() const {
    std::lock_guard guard(mixer_.lock_);
    return position_;
}

bool MediaPlayer::AtEnd() const {
    std::lock_guard guard(mixer_.lock_);
    return position_ >= Length();
}

void MediaPlayer::MixInto(std::int32_t* sum, int frames) {
    if (!playing_) return;
    std::int64_t n = std::min<std::int64_t>(frames, Length() - position_);
    const std::int16_t* src = sound_.samples.data() + position_ * 2;
    for (std::int64_t i = 0; i < n * 2; ++i)
        sum[i] += src[i];
    position_ += n;
    if (position_ >= Length()) playing_ = false;  // played through: stops at its end
}

}  // namespace tk
