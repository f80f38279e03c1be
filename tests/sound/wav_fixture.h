// wav_fixture.h -- builds small WAV files in memory for the sound tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

struct WavSpec {
    int formatTag = 1;
    int channels = 1;
    int rate = 44100;
    int bits = 16;
    int blockAlign = -1;  // -1: derived from channels and bits
};

// A complete RIFF/WAVE file with a fmt chunk and a data chunk holding `data` as it stands.
std::vector<std::uint8_t> MakeWav(const WavSpec& spec, const std::vector<std::uint8_t>& data);

// 16-bit little-endian bytes of the given samples.
std::vector<std::uint8_t> Pcm16(const std::vector<int>& samples);

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);

}  // namespace soundtest
