// wav.h -- reading RIFF/WAVE sound files into the one format the mixer plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tk {

constexpr int kMixRate = 44100;  // every sound is converted to this rate, stereo, 16-bit

// A decoded sound: interleaved stereo 16-bit samples at kMixRate.
struct SoundData {
    std::vector<std::int16_t> samples;  // left, right, left, right, ...
    std::int64_t Frames() const { return std::int64_t(samples.size() / 2); }
};

// Decodes a PCM WAV file (8 or 16 bit, mono or stereo, 1000 .. 192000 Hz) held in memory and
// converts it once to kMixRate stereo (linear resampling). Every chunk size is checked against
// the data; anything missing, truncated, unsupported or without a single sample raises
// tk::Error("Cannot open sound <name>: <reason>"). `name` only labels the message.
SoundData DecodeWav(const std::uint8_t* data, std::size_t size, const std::string& name);

// Reads and decodes the file; a file that cannot be read raises the same kind of tk::Error.
SoundData LoadWavFile(const std::string& fileName);

}  // namespace tk
