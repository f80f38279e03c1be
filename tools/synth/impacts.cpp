// impacts.cpp -- debris, cracks, steel, thunder and plucked strings for the effects.
#include "impacts.h"

#include <cmath>
#include <vector>

#include "dsp.h"

namespace synth {
namespace {

size_t At(double seconds) {
    return static_cast<size_t>(std::max(0.0, seconds) * kRate);
}

}  // namespace

void Debris(StereoBuffer& out, uint32_t seed, double start, double length, double level) {
    Noise noise(seed);
    const int grains = static_cast<int>(90 * length);
    for (int g = 0; g < grains; ++g) {
        // Early grains are many, late ones few: squaring the spread packs them to the front.
        const double u = std::fabs(noise.Next());
        const double when = start + length * u * u;
        const double hz = 900.0 + 4200.0 * std::fabs(noise.Next());
        const double loud = level * (0.3 + 0.7 * std::fabs(noise.Next())) * (1.0 - 0.6 * u);
        const double decay = 0.004 + 0.012 * std::fabs(noise.Next());
        const double pan = 0.8 * noise.Next();
        Resonator r;
        const size_t from = At(when);
        for (size_t k = 0; k < At(8 * decay) && from + k < out.Frames(); ++k) {
            r.Run(noise.Next(), hz, 3.0);
            out.Add(from + k, loud * r.Band() * Strike(k / kRate, 0.0004, decay), pan);
        }
    }
}

void Crack(StereoBuffer& out, uint32_t seed, double start, double length, double level) {
    Noise noise(seed);
    Resonator snap, tear;
    const size_t from = At(start);
    double spark = 0.0;
    for (size_t k = 0; k < At(length) && from + k < out.Frames(); ++k) {
        const double t = k / kRate;
        const double x = noise.Next();
        snap.Run(x, 3500.0, 0.7);
        // Crackle: the tearing gets its grain from a randomly gated second band.
        if (std::fabs(noise.Next()) > 0.97) spark = 1.0;
        spark *= 0.995;
        tear.Run(x * spark, 1800.0 + 1500.0 * t / length, 1.5);
        const double env = Strike(t, 0.0005, 0.03);
        const double tail = Strike(t, 0.002, length / 3.0);
        out.Add(from + k, level * (1.6 * snap.Band() * env + 1.2 * tear.Band() * tail), 0.2);
    }
}

void SteelClang(StereoBuffer& out, double start, double baseHz, double decay, double level,
                double pan) {
    // Partials of a free plate, each dying faster the higher it rings.
    const double ratios[] = {1.0, 2.32, 4.25, 6.63, 9.38, 12.6};
    const double weights[] = {0.7, 1.0, 0.8, 0.55, 0.4, 0.25};
    const size_t from = At(start);
    for (size_t k = 0; from + k < out.Frames(); ++k) {
        const double t = k / kRate;
        double v = 0.0;
        for (int p = 0; p < 6 && baseHz * ratios[p] < 0.45 * kRate; ++p)
            v += weights[p] * Sine(baseHz * ratios[p] * t * (1.0 + 0.0015 * p)) *
                 Strike(t, 0.0008, decay / (1.0 + 0.5 * p));
        if (t > 8 * decay) break;
        out.Add(from + k, level * 0.35 * v, pan);
    }
}

void RollingThunder(StereoBuffer& out, uint32_t seed, double start, double length, double level) {
    Noise noise(seed);
    LowPass dark1, dark2, wave;
    Resonator grit;
    const size_t from = At(start);
    for (size_t k = 0; k < At(length) && from + k < out.Frames(); ++k) {
        const double t = k / kRate;
        const double x = noise.Next();
        // A dark roar with a band of grit above it, so small speakers still carry the roll.
        const double body = 6.0 * dark2.Run(dark1.Run(x, 700.0), 700.0);
        grit.Run(x, 450.0 + 150.0 * std::sin(t * 2.3), 2.0);
        // Uneven waves: slow filtered noise lifts and drops the roll.
        const double surge = 0.6 + 0.4 * std::tanh(12.0 * wave.Run(noise.Next(), 2.5));
        const double env = Adsr(t, length * 0.3, 0.08, 0.2, 0.8, length * 0.7);
        out.Add(from + k, level * surge * surge * env * (body + 0.8 * grit.Band()),
                0.5 * std::sin(t * 1.3));
    }
}

void Pluck(StereoBuffer& out, uint32_t seed, double start, double note, double decay, double level,
           double pan) {
    Noise noise(seed);
    const size_t n = static_cast<size_t>(kRate / MidiHz(note));
    std::vector<double> line(n);
    for (double& v : line)
        v = noise.Next();
    // Each trip round the string loses a little, so it rings for about `decay` seconds.
    const double loss = std::pow(0.001, static_cast<double>(n) / (decay * kRate));
    LowPass soften;
    const size_t from = At(start);
    size_t pos = 0;
    for (size_t k = 0; k < At(decay * 1.5) && from + k < out.Frames(); ++k) {
        const size_t next = (pos + 1) % n;
        const double y = loss * 0.5 * (line[pos] + line[next]);
        line[pos] = y;
        pos = next;
        const double attack = std::fmin(1.0, k / (0.001 * kRate));
        out.Add(from + k, level * attack * soften.Run(y, 5000.0), pan);
    }
}

}  // namespace synth
