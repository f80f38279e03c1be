// sound_buffer.h -- a stereo sample buffer and the WAV writer of the sound bank.
#pragma once

#include <string>
#include <vector>

namespace synth {

struct StereoBuffer {
    std::vector<double> left, right;
    explicit StereoBuffer(double seconds = 0.0);
    size_t Frames() const { return left.size(); }
    // Adds a mono sample at frame i, placed by pan (-1 left .. 1 right).
    void Add(size_t i, double v, double pan = 0.0);
    // Scales the whole buffer so that its peak sits at the given level (0..1).
    void Normalise(double peak);
    // Short fades at both ends so no sound starts or stops with a click.
    void FadeEdges(double seconds);
    // Feedback echo for a sense of stone halls.
    void Echo(double delaySeconds, double feedback, double mix);
};

// Writes 16-bit PCM, 44.1 kHz stereo. Throws tk::Error naming the file when it cannot.
void WriteWav(const std::string& path, const StereoBuffer& buffer);

// Reads a WAV file of the game's own format (16-bit PCM, 44.1 kHz, stereo; mono is spread to
// both channels). Anything else, missing or truncated throws tk::Error naming the file.
StereoBuffer ReadWav(const std::string& path);

}  // namespace synth
