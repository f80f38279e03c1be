// wav_test.cpp -- WAV parsing: the formats the game's sounds come in, and broken files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "toolkit/error.h"
#include "toolkit/sound/wav.h"
#include "wav_fixture.h"

using soundtest::MakeWav;
using soundtest::Pcm16;
using soundtest::WavSpec;

namespace {

tk::SoundData Decode(const std::vector<std::uint8_t>& bytes) {
    return tk::DecodeWav(bytes.data(), bytes.size(), "test.wav");
}

// The message of the error a broken file raises; empty if it decodes.
std::string ErrorOf(const std::vector<std::uint8_t>& bytes) {
    try {
        Decode(bytes);
    } catch (const tk::Error& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(WavDecoding, ConvertsEveryFormatToStereo16At44k) {
    // 16-bit stereo at the mix rate passes through unchanged.
    auto stereo = Decode(MakeWav({.channels = 2}, Pcm16({100, -200, 32767, -32768})));
    EXPECT_EQ(stereo.samples, (std::vector<std::int16_t>{100, -200, 32767, -32768}));

    // Mono goes to both ears.
    auto mono = Decode(MakeWav({.channels = 1}, Pcm16({5, -7})));
    EXPECT_EQ(mono.samples, (std::vector<std::int16_t>{5, 5, -7, -7}));

    // 8-bit is unsigned around 128: 0 is the most negative, 255 just under full scale.
    auto eight = Decode(MakeWav({.channels = 1, .bits = 8}, {128, 0, 255}));
    EXPECT_EQ(eight.samples, (std::vector<std::int16_t>{0, 0, -32768, -32768, 32512, 32512}));
}

TEST(WavDecoding, ResamplesLinearly) {
    // 22050 Hz doubles the frame count; every second output frame lies halfway between two
    // input frames. The last input frame has no successor, so it is held.
    auto half = Decode(MakeWav({.channels = 1, .rate = 22050}, Pcm16({0, 1000, -1000})));
    EXPECT_EQ(half.Frames(), 6);
    std::vector<std::int16_t> left;
    for (std::size_t i = 0; i < half.samples.size(); i += 2)
        left.push_back(half.samples[i]);
    EXPECT_EQ(left, (std::vector<std::int16_t>{0, 500, 1000, 0, -1000, -1000}));

    // One second at 8000 Hz is one second at the mix rate.
    std::vector<int> second(8000, 0);
    EXPECT_EQ(Decode(MakeWav({.rate = 8000}, Pcm16(second))).Frames(), 44100);
}

TEST(WavDecoding, SkipsUnknownChunksAndOddPadding) {
    // A "LIST" chunk of odd size (padded to even) sits between fmt and data.
    auto bytes = MakeWav({.channels = 1}, Pcm16({42}));
    std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    soundtest::PutU32(bytes, 4, std::uint32_t(bytes.size() - 8));
    EXPECT_EQ(Decode(bytes).samples, (std::vector<std::int16_t>{42, 42}));
}

TEST(WavDecoding, BrokenFilesRaiseAnErrorNamingTheFile) {
    auto good = MakeWav({.channels = 1}, Pcm16({1, 2, 3, 4}));
    ASSERT_EQ(ErrorOf(good), "");

    // Every truncation of a good file is refused, none crashes.
    for (std::size_t n = 0; n < good.size(); ++n) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + n);
        std::string message = ErrorOf(cut);
        EXPECT_EQ(message.rfind("Cannot open sound test.wav: ", 0), 0u) << n << ": " << message;
    }

    // A data chunk claiming more than the file holds.
    auto lying = good;
    soundtest::PutU32(lying, 40, 1000);
    EXPECT_NE(ErrorOf(lying).find("truncated"), std::string::npos);

    // Wrong magic, unsupported encodings, inconsistent block size.
    auto notRiff = good;
    notRiff[0] = 'X';
    EXPECT_NE(ErrorOf(notRiff).find("not a RIFF/WAVE"), std::string::npos);
    EXPECT_NE(ErrorOf(MakeWav({.formatTag = 3, .bits = 16}, Pcm16({1}))).find("not PCM"),
              std::string::npos);
    EXPECT_NE(ErrorOf(MakeWav({.channels = 6}, Pcm16({1}))).find("channel"), std::string::npos);
    EXPECT_NE(ErrorOf(MakeWav({.bits = 24}, Pcm16({1}))).find("sample size"), std::string::npos);
    EXPECT_NE(ErrorOf(MakeWav({.rate = 0}, Pcm16({1}))).find("sample rate"), std::string::npos);
    EXPECT_NE(ErrorOf(MakeWav({.blockAlign = 0}, Pcm16({1}))).find("block size"),
              std::string::npos);

    // No samples at all (or only part of one frame) would play as silence without a word.
    EXPECT_EQ(ErrorOf(MakeWav({.channels = 1}, {})),
              "Cannot open sound test.wav: no samples (the data chunk is empty)");
    EXPECT_NE(ErrorOf(MakeWav({.channels = 2}, {1, 2, 3})).find("no samples"), std::string::npos);

    // A low rate with a long data chunk would need gigabytes: refused, not allocated.
    std::vector<std::uint8_t> longData(std::size_t(6) * 1000 * 1000, 0);
    EXPECT_NE(ErrorOf(MakeWav({.rate = 1000, .bits = 8}, longData)).find("too long"),
              std::string::npos);
}

TEST(WavFile, MissingFileIsNamed) {
    try {
        tk::LoadWavFile("no-such-sound.wav");
        FAIL() << "a missing file must raise";
    } catch (const tk::Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open sound no-such-sound.wav: ", 0), 0u);
    }

    auto bytes = MakeWav({.channels = 2}, Pcm16({9, -9}));
    const char* path = "wav_test_fixture.wav";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    EXPECT_EQ(tk::LoadWavFile(path).samples, (std::vector<std::int16_t>{9, -9}));
    std::remove(path);
}

// A folder or a pipe under a sound's name: refused at once with the sound's name, never a bare
// library message and never a start-up that waits for a writer on the pipe.
TEST(WavFile, FolderOrPipeUnderASoundsNameIsNamed) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "wav_not_files";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.wav");
    const std::string pipe = (dir / "pipe.wav").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {(dir / "folder.wav").string(), pipe}) {
        try {
            tk::LoadWavFile(path);
            ADD_FAILURE() << path << " loaded";
        } catch (const tk::Error& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open sound " + path + ": not a file");
        }
    }
    fs::remove_all(dir);
}
