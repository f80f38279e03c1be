// dsp.h -- the synthesiser's building blocks: oscillators, noise, envelopes and filters.
#pragma once

#include <cmath>
#include <cstdint>

namespace synth {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;

// Deterministic white noise; every sound seeds its own so renders never differ.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
    double Next() {  // -1 .. 1
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ / 4294967295.0) * 2.0 - 1.0;
    }

  private:
    uint32_t state_;
};

inline double Sine(double phase) {
    return std::sin(2.0 * kPi * phase);
}
inline double Saw(double phase) {
    return 2.0 * (phase - std::floor(phase + 0.5));
}
inline double Square(double phase) {
    return phase - std::floor(phase) < 0.5 ? 1.0 : -1.0;
}
inline double Triangle(double phase) {
    return 1.0 - 4.0 * std::fabs(phase - std::floor(phase + 0.5));
}

// Attack-decay-sustain-release on a note of the given length (all in seconds).
inline double Adsr(double t, double length, double a, double d, double s, double r) {
    if (t < 0.0) return 0.0;
    double level;
    if (t < a)
        level = t / a;
    else if (t < a + d)
        level = 1.0 - (1.0 - s) * (t - a) / d;
    else
        level = s;
    if (t > length) {
        const double k = 1.0 - (t - length) / r;
        level *= k > 0.0 ? k : 0.0;
    }
    return level;
}

// Percussive decay: quick attack, exponential fall with the given time constant.
inline double Strike(double t, double attack, double decay) {
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// One-pole low-pass; cutoff may change per sample (sweeps).
class LowPass {
  public:
    double Run(double x, double cutoffHz) {
        const double a = 1.0 - std::exp(-2.0 * kPi * cutoffHz / kRate);
        y_ += a * (x - y_);
        return y_;
    }

  private:
    double y_ = 0.0;
};

// State-variable filter: band-pass and low-pass with resonance, for voices and whooshes.
class Resonator {
  public:
    void Run(double x, double cutoffHz, double q) {
        double f = 2.0 * std::sin(kPi * std::fmin(cutoffHz, kRate / 6.0) / kRate);
        low_ += f * band_;
        const double high = x - low_ - band_ / q;
        band_ += f * high;
    }
    double Low() const { return low_; }
    double Band() const { return band_; }

  private:
    double low_ = 0.0, band_ = 0.0;
};

inline double MidiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

}  // namespace synth
