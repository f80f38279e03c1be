// sound_files_test.cpp -- the twenty built WAVs: 16-bit PCM at 44.1 kHz, the lengths asked,
// audible.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Wav {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;  // interleaved
    double Seconds() const { return channels ? samples.size() / double(channels) / rate : 0.0; }
};

uint32_t Le(const std::string& s, size_t at, int bytes) {
    uint32_t v = 0;
    for (int b = bytes - 1; b >= 0; --b)
        v = (v << 8) | static_cast<unsigned char>(s[at + b]);
    return v;
}

// Walks the RIFF chunks; fails the test on anything malformed.
Wav ReadWav(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::string s((std::istreambuf_iterator<char>(in)), {});
    Wav w;
    if (s.size() < 12 || s.compare(0, 4, "RIFF") || s.compare(8, 4, "WAVE")) {
        ADD_FAILURE() << name << " is not a RIFF WAVE file";
        return w;
    }
    for (size_t at = 12; at + 8 <= s.size();) {
        const std::string id = s.substr(at, 4);
        const size_t len = Le(s, at + 4, 4);
        if (at + 8 + len > s.size()) {
            ADD_FAILURE() << name << ": chunk " << id << " runs past the end";
            return w;
        }
        if (id == "fmt ") {
            w.format = Le(s, at + 8, 2);
            w.channels = Le(s, at + 10, 2);
            w.rate = Le(s, at + 12, 4);
            w.bits = Le(s, at + 22, 2);
        } else if (id == "data") {
            for (size_t i = 0; i + 1 < len; i += 2)
                w.samples.push_back(static_cast<int16_t>(Le(s, at + 8 + i, 2)));
        }
        at += 8 + len + (len & 1);
    }
    return w;
}

double Rms(const Wav& w) {
    double sum = 0;
    for (int16_t v : w.samples)
        sum += double(v) * v;
    return w.samples.empty() ? 0.0 : std::sqrt(sum / w.samples.size());
}

const char* kEffects[] = {"architect", "blacksheep2", "courtesan",  "rose",   "seduction",
                          "titan",     "warbeast",    "warrioress", "druids", "frost",
                          "lightning", "blacklight",  "drake",      "showb",  "shatter",
                          "boom",      "drip",        "haunt2"};

void ExpectPlayable(const std::string& name, const Wav& w) {
    EXPECT_EQ(w.format, 1) << name;
    EXPECT_EQ(w.bits, 16) << name;
    EXPECT_EQ(w.rate, 44100) << name;
    EXPECT_TRUE(w.channels == 1 || w.channels == 2) << name;
    EXPECT_GT(Rms(w), 300.0) << name << " is (nearly) silent";
}

TEST(SoundFiles, EffectsArePcmOfEffectLength) {
    for (const char* effect : kEffects) {
        const std::string name = std::string(effect) + ".wav";
        const Wav w = ReadWav(name);
        ExpectPlayable(name, w);
        EXPECT_GE(w.Seconds(), 0.3) << name;
        EXPECT_LE(w.Seconds(), 3.0) << name;
    }
}

TEST(SoundFiles, TitleThemeIsAMinuteLong) {
    const Wav w = ReadWav("carpathian.wav");
    ExpectPlayable("carpathian.wav", w);
    EXPECT_GE(w.Seconds(), 60.0);
}

// The battle music is played again from its start when it ends: the step from its last frame
// to its first must be no larger than the steps inside the loop.
TEST(SoundFiles, DrumLoopHasNoClickAtTheSeam) {
    const Wav w = ReadWav("drums.wav");
    ExpectPlayable("drums.wav", w);
    EXPECT_GE(w.Seconds(), 20.0);
    ASSERT_GT(w.samples.size(), size_t(4 * w.channels));
    for (int c = 0; c < w.channels; ++c) {
        const int last = w.samples[w.samples.size() - w.channels + c];
        const int first = w.samples[c];
        EXPECT_LT(std::abs(last - first), 1500) << "channel " << c;
    }
}

}  // namespace
