// sound_balance_test.cpp -- the built sounds are heard on small speakers, sit at one level, end
// in silence without clicks, the battle loop has no seam, and a score renders the same each time.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "score.h"
#include "score_render.h"
#include "sound_files.h"
#include "sound_measure.h"
#include "toolkit/error.h"

namespace {

using synth::SoundUse;

TEST(SoundBalance, EveryFileIsHeardAndEndsCleanly) {
    for (const auto& file : synth::kSoundFiles) {
        SCOPED_TRACE(file.name);
        const synth::StereoBuffer sound = synth::ReadWav(file.name);  // throws on another format
        const bool loop = file.use == SoundUse::Loop;
        EXPECT_GE(synth::ShareAbove(sound, 200.0), 0.30) << "too little above 200 Hz";
        EXPECT_EQ(synth::CountClicks(sound, loop), 0);
        if (!loop) {
            EXPECT_LT(synth::TailDb(sound), -50.0) << "still sounding at its end";
        }
    }
}

TEST(SoundBalance, EffectsShareOneLevelAndTheMusicSitsUnderThem) {
    double loudest = -200.0, quietest = 0.0;
    for (const auto& file : synth::kSoundFiles) {
        if (file.use != SoundUse::Effect) continue;
        const double level = synth::LevelDb(synth::ReadWav(file.name));
        loudest = std::max(loudest, level);
        quietest = std::min(quietest, level);
    }
    EXPECT_LE(loudest - quietest, 6.0);
    for (const auto& file : synth::kSoundFiles) {
        if (file.use == SoundUse::Effect) continue;
        EXPECT_LT(synth::LevelDb(synth::ReadWav(file.name)), quietest - 2.0) << file.name;
    }
}

// Played round, the loop's last frame runs into its first like any two frames inside it (the
// click count of the first test already runs across the seam).
TEST(SoundBalance, BattleLoopHasNoSeam) {
    EXPECT_LT(synth::SeamStepRatio(synth::ReadWav("drums.wav")), 3.0);
}

class ScoreFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("vellmoor-score-test-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path) << text;
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(ScoreFile, RendersTheSameSamplesEveryTime) {
    const std::string path = Write("phrase.score",
                                   "tempo 120\nlevel -20\ntail 1\n"
                                   "part harp channel 0 program 46 chorus 40\n"
                                   "part strings channel 1 program 48\n"
                                   "part kit channel 9 program 0\n"
                                   "harp: mf D4:1/2 F4 A4 D5 A4 F4 D4 A3 | f C#5:2 D5:2 |\n"
                                   "strings: p D3+A3:4 | mp A2+E3:2 D3+A3:2 |\n"
                                   "kit: f 36:1 38 36 38 | 36:1/2 38 38 38 49:2 |\n");
    const auto setup = score::ConfiguredFluidSetup();
    const synth::StereoBuffer first = score::RenderScore(path, setup, dir_.string());
    const synth::StereoBuffer second = score::RenderScore(path, setup, dir_.string());
    ASSERT_GT(first.Frames(), 44100u * 4);
    EXPECT_NEAR(synth::LevelDb(first), -20.0, 0.5);
    EXPECT_TRUE(first.left == second.left && first.right == second.right);
}

TEST_F(ScoreFile, MistakesAreReportedWithFileAndLine) {
    const char* bad[] = {
        "part a channel 0 program 0\na: C4:1 D4:1 E4:1 | F4:1 |\n",  // bar line mid-bar
        "part a channel 0 program 0\na: H4:1\n",                     // not a note
        "part a channel 0 program 0\nvibrato 3\n",                   // unknown directive
        "part a channel 0 program 0\nb: C4:1\n",                     // unknown part
        "part a channel 0 program 0\ntail -5\n",                     // out of range
    };
    for (const char* text : bad) {
        try {
            score::ParseScore(text, "bad.score");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const tk::Error& e) {
            EXPECT_EQ(std::string(e.what()).rfind("bad.score:2: ", 0), 0u) << e.what();
        }
    }
    EXPECT_THROW(score::RenderScore((dir_ / "missing.score").string(),
                                    score::ConfiguredFluidSetup(), dir_.string()),
                 tk::Error);
}

}  // namespace
