// mastering.cpp -- level, fade-out and loop cut of a finished sound.
#include "mastering.h"

#include <algorithm>
#include <cmath>

#include "dsp.h"
#include "sound_measure.h"
#include "toolkit/error.h"

namespace synth {
namespace {

// Linear below the knee, then bending smoothly towards the ceiling without reaching it.
double RoundOff(double x, double ceiling) {
    const double knee = 0.6 * ceiling;
    const double a = std::fabs(x);
    if (a <= knee) return x;
    const double room = ceiling - knee;
    return std::copysign(knee + room * std::tanh((a - knee) / room), x);
}

}  // namespace

void SetLevel(StereoBuffer& sound, double levelDb, double ceilingDb) {
    const double ceiling = std::pow(10.0, ceilingDb / 20.0);
    // Rounding off the peaks lowers the level a little, so scale and round off until it holds.
    for (int pass = 0; pass < 6; ++pass) {
        const double k = std::pow(10.0, (levelDb - LevelDb(sound)) / 20.0);
        for (size_t i = 0; i < sound.Frames(); ++i) {
            sound.left[i] = RoundOff(sound.left[i] * k, ceiling);
            sound.right[i] = RoundOff(sound.right[i] * k, ceiling);
        }
        if (std::fabs(LevelDb(sound) - levelDb) < 0.05) break;
    }
}

void HighPass(StereoBuffer& sound, double hz) {
    const double w = 2.0 * kPi * hz / kRate, alpha = std::sin(w) / std::sqrt(2.0);
    const double a0 = 1.0 + alpha;
    const double b0 = (1.0 + std::cos(w)) / 2.0 / a0, b1 = -(1.0 + std::cos(w)) / a0, b2 = b0;
    const double a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
    for (auto* channel : {&sound.left, &sound.right}) {
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
        for (double& x : *channel) {
            const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            x = y;
        }
    }
}

void FadeOut(StereoBuffer& sound, double seconds) {
    const size_t n = std::min(sound.Frames(), static_cast<size_t>(seconds * kRate));
    for (size_t k = 0; k < n; ++k) {
        // k frames before the end; the very last frame is silent.
        const double g = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(k) / n);
        sound.left[sound.Frames() - 1 - k] *= g;
        sound.right[sound.Frames() - 1 - k] *= g;
    }
}

StereoBuffer CutLoop(const StereoBuffer& render, size_t start, size_t length, size_t crossfade) {
    if (crossfade > length || start + length + crossfade > render.Frames())
        throw tk::Error("the render is too short to cut a loop from");
    StereoBuffer out;
    out.left.assign(render.left.begin() + start, render.left.begin() + start + length);
    out.right.assign(render.right.begin() + start, render.right.begin() + start + length);
    for (size_t i = 0; i < crossfade; ++i) {
        const double in = 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / crossfade);
        const size_t after = start + length + i;  // what followed the turn in the render
        out.left[i] = in * out.left[i] + (1.0 - in) * render.left[after];
        out.right[i] = in * out.right[i] + (1.0 - in) * render.right[after];
    }
    return out;
}

}  // namespace synth
