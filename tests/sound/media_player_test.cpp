// media_player_test.cpp -- the sound player rules and the mixer, pulled by hand.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/sound/media_player.h"
#include "toolkit/sound/mixer.h"

namespace {

// A stereo sound of `frames` frames whose left sample is the frame number and right its
// negation, so that the mixed output tells exactly which frames were played.
tk::SoundData Ramp(int frames, int offset = 0) {
    tk::SoundData s;
    for (int i = 0; i < frames; ++i) {
        s.samples.push_back(std::int16_t(offset + i));
        s.samples.push_back(std::int16_t(-(offset + i)));
    }
    return s;
}

tk::SoundData Constant(int frames, int value) {
    tk::SoundData s;
    s.samples.assign(std::size_t(frames) * 2, std::int16_t(value));
    return s;
}

// Pulls `frames` frames and returns the left channel.
std::vector<int> PullLeft(tk::Mixer& mixer, int frames) {
    std::vector<std::int16_t> buffer(std::size_t(frames) * 2, 12345);
    mixer.Mix(buffer.data(), frames);
    std::vector<int> left;
    for (int i = 0; i < frames; ++i)
        left.push_back(buffer[std::size_t(i) * 2]);
    return left;
}

}  // namespace

TEST(MediaPlayer, PlayStopRewindFollowTheGameRules) {
    tk::Mixer mixer;
    tk::MediaPlayer drums(mixer, "drums", Ramp(10, 1));

    // A fresh player is silent and at the start.
    EXPECT_FALSE(drums.IsPlaying());
    EXPECT_EQ(PullLeft(mixer, 3), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(drums.Position(), 0);

    drums.Play();
    EXPECT_TRUE(drums.IsPlaying());
    EXPECT_EQ(PullLeft(mixer, 3), (std::vector<int>{1, 2, 3}));

    // Play on a playing sound lets it go on: no restart.
    drums.Play();
    EXPECT_EQ(PullLeft(mixer, 2), (std::vector<int>{4, 5}));

    // Stop keeps the position; Play resumes there (music switched off and on again).
    drums.Stop();
    EXPECT_FALSE(drums.IsPlaying());
    EXPECT_EQ(PullLeft(mixer, 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(drums.Position(), 5);
    drums.Play();
    EXPECT_EQ(PullLeft(mixer, 2), (std::vector<int>{6, 7}));

    // Rewind goes to the start and stops.
    drums.Rewind();
    EXPECT_FALSE(drums.IsPlaying());
    EXPECT_EQ(drums.Position(), 0);
    EXPECT_EQ(PullLeft(mixer, 1), (std::vector<int>{0}));
    drums.Play();
    EXPECT_EQ(PullLeft(mixer, 2), (std::vector<int>{1, 2}));
}

TEST(MediaPlayer, PlayingThroughStopsAtTheEndAndPlayRestarts) {
    tk::Mixer mixer;
    tk::MediaPlayer boom(mixer, "boom", Ramp(4, 1));
    boom.Play();
    // The sound ends inside the buffer: the rest is silence, the player stops at its end.
    EXPECT_EQ(PullLeft(mixer, 6), (std::vector<int>{1, 2, 3, 4, 0, 0}));
    EXPECT_FALSE(boom.IsPlaying());
    EXPECT_TRUE(boom.AtEnd());
    EXPECT_EQ(boom.Position(), 4);

    // Play on a finished sound plays it again from the start (the music loop of the map).
    boom.Play();
    EXPECT_TRUE(boom.IsPlaying());
    EXPECT_EQ(PullLeft(mixer, 2), (std::vector<int>{1, 2}));

    // The restart sequence Stop, Rewind, Play starts from the beginning mid-sound too.
    boom.Stop();
    boom.Rewind();
    boom.Play();
    EXPECT_EQ(PullLeft(mixer, 1), (std::vector<int>{1}));

    // An empty sound never plays.
    tk::MediaPlayer empty(mixer, "empty", tk::SoundData{});
    empty.Play();
    EXPECT_FALSE(empty.IsPlaying());
    EXPECT_TRUE(empty.AtEnd());
}

TEST(Mixer, SumsPlayingPlayersWithSaturation) {
    tk::Mixer mixer;
    tk::MediaPlayer a(mixer, "a", Ramp(5, 10));
    tk::MediaPlayer b(mixer, "b", Ramp(3, 100));
    a.Play();
    b.Play();
    std::vector<std::int16_t> buffer(10);
    mixer.Mix(buffer.data(), 5);
    // Both channels: the right ones carry the negated ramps.
    EXPECT_EQ(buffer,
              (std::vector<std::int16_t>{110, -110, 112, -112, 114, -114, 13, -13, 14, -14}));

    // Loud sounds clip at the 16-bit limits instead of wrapping around.
    tk::MediaPlayer loud1(mixer, "loud1", Constant(2, 30000));
    tk::MediaPlayer loud2(mixer, "loud2", Constant(2, 30000));
    tk::MediaPlayer quiet1(mixer, "quiet1", Constant(2, -30000));
    tk::MediaPlayer quiet2(mixer, "quiet2", Constant(2, -30000));
    loud1.Play();
    loud2.Play();
    EXPECT_EQ(PullLeft(mixer, 1), (std::vector<int>{32767}));
    loud1.Stop();
    loud2.Stop();
    quiet1.Play();
    quiet2.Play();
    EXPECT_EQ(PullLeft(mixer, 1), (std::vector<int>{-32768}));
}

TEST(Mixer, LongBuffersAndDetachedPlayers) {
    tk::Mixer mixer;
    {
        // Longer than the mixer's internal block: the ramp continues across block edges.
        tk::MediaPlayer music(mixer, "music", Ramp(3000));
        music.Play();
        auto left = PullLeft(mixer, 2000);
        for (int i = 0; i < 2000; ++i)
            ASSERT_EQ(left[std::size_t(i)], i);
        EXPECT_EQ(music.Position(), 2000);
        EXPECT_EQ(mixer.PlayerCount(), 1);
    }
    // A destroyed player is no longer mixed.
    EXPECT_EQ(mixer.PlayerCount(), 0);
    EXPECT_EQ(PullLeft(mixer, 2), (std::vector<int>{0, 0}));
}
