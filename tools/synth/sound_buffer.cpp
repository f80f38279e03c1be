// sound_buffer.cpp -- stereo buffer helpers and the 16-bit PCM WAV writer.
#include "sound_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

#include "dsp.h"
#include "toolkit/error.h"

namespace synth {

StereoBuffer::StereoBuffer(double seconds)
    : left(static_cast<size_t>(seconds * kRate)), right(static_cast<size_t>(seconds * kRate)) {}

void StereoBuffer::Add(size_t i, double v, double pan) {
    if (i >= left.size()) return;
    left[i] += v * std::sqrt(0.5 * (1.0 - pan));
    right[i] += v * std::sqrt(0.5 * (1.0 + pan));
}

void StereoBuffer::Normalise(double peak) {
    double top = 1e-9;
    for (size_t i = 0; i < left.size(); ++i)
        top = std::max({top, std::fabs(left[i]), std::fabs(right[i])});
    const double k = peak / top;
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] *= k;
        right[i] *= k;
    }
}

void StereoBuffer::FadeEdges(double seconds) {
    const size_t n = std::min(left.size() / 2, static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < n; ++i) {
        const double k = static_cast<double>(i) / n;
        left[i] *= k;
        right[i] *= k;
        left[left.size() - 1 - i] *= k;
        right[right.size() - 1 - i] *= k;
    }
}

void StereoBuffer::Echo(double delaySeconds, double feedback, double mix) {
    const size_t d = static_cast<size_t>(delaySeconds * kRate);
    std::vector<double> l = left, r = right;
    for (size_t i = d; i < left.size(); ++i) {
        l[i] += feedback * r[i - d];  // ping-pong between the channels
        r[i] += feedback * l[i - d];
    }
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] = (1.0 - mix) * left[i] + mix * l[i];
        right[i] = (1.0 - mix) * right[i] + mix * r[i];
    }
}

namespace {
void Put32(std::ofstream& out, uint32_t v) {
    for (int b = 0; b < 4; ++b)
        out.put(static_cast<char>((v >> (8 * b)) & 0xFF));
}
void Put16(std::ofstream& out, uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}
int16_t ToPcm(double v) {
    const double c = std::clamp(v, -1.0, 1.0);
    return static_cast<int16_t>(std::lround(c * 32767.0));
}
}  // namespace

void WriteWav(const std::string& path, const StereoBuffer& buffer) {
    std::ofstream out(path, std::ios::binary);
    if (!out) throw tk::Error("Cannot create sound file " + path);
    const uint32_t dataBytes = static_cast<uint32_t>(buffer.Frames() * 4);
    out.write("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 2);  // stereo
    Put32(out, 44100);
    Put32(out, 44100 * 4);
    Put16(out, 4);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, dataBytes);
    for (size_t i = 0; i < buffer.Frames(); ++i) {
        Put16(out, static_cast<uint16_t>(ToPcm(buffer.left[i])));
        Put16(out, static_cast<uint16_t>(ToPcm(buffer.right[i])));
    }
    if (!out) throw tk::Error("Cannot write sound file " + path);
}

}  // namespace synth
