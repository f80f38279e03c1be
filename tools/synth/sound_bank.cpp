// sound_bank.cpp -- the synthesised effects of the game: card sounds and the sounds of the duel.
#include "sound_bank.h"

#include <cmath>

#include "dsp.h"
#include "impacts.h"

namespace synth {
namespace {

double T(size_t i) {
    return static_cast<double>(i) / kRate;
}

// Stone struck by a chisel, then a bright chime.
StereoBuffer Architect() {
    StereoBuffer out(2.0);
    Noise noise(3);
    for (int hit = 0; hit < 3; ++hit) {
        Resonator r;
        const size_t at = static_cast<size_t>(hit * 0.22 * kRate);
        for (size_t k = 0; k < 9000; ++k) {
            r.Run(noise.Next(), 2500.0 + 400 * hit, 6.0);
            out.Add(at + k, r.Band() * Strike(T(k), 0.0005, 0.03), hit - 1.0);
        }
    }
    for (size_t i = static_cast<size_t>(0.7 * kRate); i < out.Frames(); ++i) {
        const double t = T(i) - 0.7;
        const double v =
            (Sine(1568 * t) + 0.5 * Sine(2350 * t) + 0.3 * Sine(3920 * t)) * Strike(t, 0.002, 0.4);
        out.Add(i, 0.5 * v, 0.3);
    }
    out.Normalise(0.8);
    out.FadeEdges(0.005);
    return out;
}

// A plucked string or bell run: notes at the given midi pitches and start times.
void Plucks(StereoBuffer& out, const int* notes, int count, double step, double decay,
            double bell) {
    for (int n = 0; n < count; ++n) {
        const double hz = MidiHz(notes[n]);
        const size_t at = static_cast<size_t>(n * step * kRate);
        const double pan = -0.6 + 1.2 * n / (count > 1 ? count - 1 : 1);
        for (size_t k = 0; at + k < out.Frames(); ++k) {
            const double t = T(k);
            const double v = (Sine(hz * t) + 0.4 * Sine(2 * hz * t) + bell * Sine(2.76 * hz * t)) *
                             Strike(t, 0.002, decay);
            out.Add(at + k, 0.3 * v, pan);
        }
    }
}

StereoBuffer Rose() {
    StereoBuffer out(2.5);
    const int notes[] = {84, 91};
    Plucks(out, notes, 2, 0.35, 0.9, 0.6);
    out.Echo(0.31, 0.3, 0.3);
    out.Normalise(0.6);
    out.FadeEdges(0.01);
    return out;
}

// A breathy pad: filtered noise and soft fifths swelling and sighing away.
StereoBuffer Seduction() {
    StereoBuffer out(2.6);
    Noise noise(19);
    Resonator breath;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double env = Adsr(t, 1.6, 0.8, 0.3, 0.8, 0.9);
        breath.Run(noise.Next(), 900.0 + 500.0 * std::sin(t * 2.0), 2.0);
        const double pad = Triangle(MidiHz(57) * t) + Triangle(MidiHz(64) * t * 1.003) +
                           0.5 * Triangle(MidiHz(72) * t);
        out.Add(i, (0.6 * breath.Band() + 0.15 * pad) * env, std::sin(t * 1.5) * 0.5);
    }
    out.Normalise(0.7);
    out.FadeEdges(0.01);
    return out;
}

// A whoosh of filtered noise: the band sweeps from lowHz to highHz over the sound's length.
void Whoosh(StereoBuffer& out, uint32_t seed, double lowHz, double highHz, double start,
            double length, double level) {
    Noise noise(seed);
    Resonator r;
    for (size_t i = static_cast<size_t>(start * kRate); i < out.Frames(); ++i) {
        const double t = T(i) - start;
        if (t > length) break;
        const double x = t / length;
        r.Run(noise.Next(), lowHz + (highHz - lowHz) * x, 2.5);
        out.Add(i, level * r.Band() * std::sin(kPi * x), -0.8 + 1.6 * x);
    }
}

// A boom: a deep falling thump under rumbling low noise.
void Boom(StereoBuffer& out, uint32_t seed, double start, double level, double decay) {
    Noise noise(seed);
    LowPass lp, lp2;
    double phase = 0;
    for (size_t i = static_cast<size_t>(start * kRate); i < out.Frames(); ++i) {
        const double t = T(i) - start;
        phase += (38.0 + 80.0 * std::exp(-t / 0.08)) / kRate;
        const double rumble = lp2.Run(lp.Run(noise.Next(), 300.0), 200.0) * 4.0;
        out.Add(i, level * (Sine(phase) + rumble) * Strike(t, 0.003, decay), 0.0);
    }
}

// The outcast: a sly falling figure plucked on a dark string, and green fire flaring up around
// her.
StereoBuffer BlackSheep() {
    StereoBuffer out(2.0);
    const double figure[][2] = {{64, 0.0}, {63, 0.14}, {59, 0.28}, {58, 0.42}, {52, 0.62}};
    for (int n = 0; n < 5; ++n)
        Pluck(out, 60 + n, figure[n][1], figure[n][0], 0.9, 0.9, -0.4 + 0.2 * n);
    Whoosh(out, 61, 500.0, 3200.0, 0.45, 1.2, 1.3);
    Crack(out, 62, 0.55, 0.9, 0.25);
    out.FadeEdges(0.005);
    return out;
}

// The titan strides in: a heavy footfall with grit, then his great blade rings on steel.
StereoBuffer Titan() {
    StereoBuffer out(2.4);
    Whoosh(out, 37, 300.0, 2400.0, 0.0, 0.6, 0.9);
    Boom(out, 38, 0.55, 0.5, 0.3);
    Debris(out, 36, 0.56, 0.8, 0.5);
    SteelClang(out, 0.57, 310.0, 0.5, 1.0, 0.2);
    SteelClang(out, 0.59, 437.0, 0.35, 0.6, -0.3);
    Crack(out, 39, 0.56, 0.12, 0.5);
    out.FadeEdges(0.005);
    return out;
}

// A roar: a low buzzing voice through a moving formant, with rasping noise.
void Roar(StereoBuffer& out, uint32_t seed, double baseHz, double length, double formantHz) {
    Noise noise(seed);
    Resonator f1, f2;
    double phase = 0;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double x = t / length;
        const double hz = baseHz * (1.0 + 0.3 * std::sin(kPi * x)) * (1.0 + 0.05 * noise.Next());
        phase += hz / kRate;
        const double src = Saw(phase) * (1.0 + 0.8 * noise.Next()) + 0.5 * noise.Next();
        f1.Run(src, formantHz * (0.7 + 0.6 * std::sin(kPi * x)), 4.0);
        f2.Run(src, formantHz * 2.4, 5.0);
        out.Add(i,
                (f1.Band() + 0.5 * f2.Band()) * Adsr(t, length * 0.7, 0.12, 0.2, 0.8, length * 0.3),
                0.0);
    }
}

StereoBuffer WarBeast() {
    StereoBuffer out(1.8);
    Roar(out, 39, 70.0, 1.7, 500.0);
    out.Normalise(0.9);
    out.FadeEdges(0.01);
    return out;
}

StereoBuffer Drake() {
    StereoBuffer out(2.4);
    Roar(out, 44, 110.0, 2.3, 800.0);
    Whoosh(out, 45, 300.0, 1500.0, 0.2, 2.0, 0.6);  // the fire behind the roar
    out.Echo(0.23, 0.3, 0.25);
    out.Normalise(0.9);
    out.FadeEdges(0.01);
    return out;
}

// Two blades meeting, then a rising battle cry.
StereoBuffer Warrioress() {
    StereoBuffer out(2.0);
    Noise noise(23);
    for (int hit = 0; hit < 2; ++hit) {
        Resonator ring;
        const size_t at = static_cast<size_t>(hit * 0.25 * kRate);
        for (size_t k = 0; at + k < out.Frames(); ++k) {
            const double t = T(k);
            ring.Run(noise.Next(), 3200.0 - 500 * hit, 40.0);
            const double metal = Sine(2900 * t) * 0.3 + Sine(4170 * t) * 0.2;
            out.Add(at + k, (ring.Band() * 0.8 + metal) * Strike(t, 0.0005, 0.18),
                    hit ? 0.5 : -0.5);
        }
    }
    Resonator voice;
    double phase = 0;
    for (size_t i = static_cast<size_t>(0.55 * kRate); i < out.Frames(); ++i) {
        const double t = T(i) - 0.55;
        phase += (260.0 + 120.0 * std::fmin(t, 0.5) + 6.0 * Sine(t * 6.0)) / kRate;
        voice.Run(Saw(phase) + 0.2 * noise.Next(), 900.0 + 600.0 * std::fmin(t, 0.6), 4.0);
        out.Add(i, 0.7 * voice.Band() * Adsr(t, 0.9, 0.25, 0.2, 0.8, 0.4), 0.0);
    }
    out.Normalise(0.85);
    out.FadeEdges(0.01);
    return out;
}

// Ice spreading over the tower: a shimmer of high partials and the small cracks of freezing,
// each a tiny ringing tick rather than a bare sample.
StereoBuffer Frost() {
    StereoBuffer out(2.2);
    Noise noise(50);
    const double partials[] = {2093, 2637, 3136, 3951, 4699};
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        double shimmer = 0;
        for (int p = 0; p < 5; ++p)
            shimmer += Sine(partials[p] * t) * (0.5 + 0.5 * Sine(t * (3.0 + 1.7 * p)));
        const double env = Adsr(t, 1.5, 0.3, 0.2, 0.8, 0.7);
        out.Add(i, 0.12 * shimmer * env, Sine(t * 0.7) * 0.6);
    }
    for (int c = 0; c < 40; ++c) {
        const double when = 0.05 + 1.6 * std::fabs(noise.Next());
        SteelClang(out, when, 2400.0 + 1800.0 * std::fabs(noise.Next()), 0.012,
                   0.25 + 0.25 * std::fabs(noise.Next()), noise.Next());
    }
    out.FadeEdges(0.01);
    return out;
}

// The crack of the strike tearing the air, then thunder rolling away.
StereoBuffer Lightning() {
    StereoBuffer out(2.8);
    Crack(out, 54, 0.0, 0.45, 1.2);
    Boom(out, 55, 0.02, 0.35, 0.35);
    RollingThunder(out, 56, 0.15, 2.5, 1.3);
    Debris(out, 57, 0.05, 0.6, 0.25);
    out.FadeEdges(0.005);
    return out;
}

// Darkness falls: detuned tones rising out of nothing, beating against each other, with a cold
// glitter above them.
StereoBuffer Blacklight() {
    StereoBuffer out(2.6);
    double a = 0, b = 0, c = 0, d = 0;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double rise = 1.0 + 0.12 * t;
        a += 220.0 * rise / kRate;
        b += 223.1 * rise / kRate;
        c += 329.6 * rise / kRate;
        d += 1318.5 * rise / kRate;
        const double env = Adsr(t, 1.9, 1.4, 0.1, 1.0, 0.6);
        const double glitter = 0.25 * Sine(d) * (0.5 + 0.5 * Sine(t * 7.0));
        out.Add(i, (0.6 * Triangle(a) + 0.6 * Triangle(b) + 0.4 * Sine(c) + glitter) * env,
                Sine(t * 0.9) * 0.7);
    }
    out.FadeEdges(0.01);
    return out;
}

StereoBuffer ShowB() {
    StereoBuffer out(1.2);
    Whoosh(out, 15, 300.0, 5000.0, 0.0, 1.1, 1.0);
    const int notes[] = {84, 88, 91, 96};
    Plucks(out, notes, 4, 0.12, 0.25, 0.4);
    out.Normalise(0.8);
    out.FadeEdges(0.01);
    return out;
}

// Breaking glass: a burst of bright noise and many small high-pitched shards.
StereoBuffer Shatter() {
    StereoBuffer out(1.5);
    Noise noise(17);
    Resonator burst;
    for (size_t i = 0; i < 6000; ++i) {
        burst.Run(noise.Next(), 5000.0, 1.0);
        out.Add(i, burst.Band() * Strike(T(i), 0.0005, 0.05), 0.0);
    }
    for (int s = 0; s < 28; ++s) {
        const double start = 0.02 + 0.9 * std::fabs(noise.Next()) * std::fabs(noise.Next());
        const double hz = 2500.0 + 4500.0 * std::fabs(noise.Next());
        const double pan = noise.Next();
        const size_t at = static_cast<size_t>(start * kRate);
        for (size_t k = 0; k < 6000; ++k)
            out.Add(at + k, 0.25 * Sine(hz * T(k)) * Strike(T(k), 0.0005, 0.03), pan);
    }
    out.Normalise(0.8);
    out.FadeEdges(0.005);
    return out;
}

// A tower is hit: the thump of the blow, the crack of stone, and debris and grit raining down.
StereoBuffer BoomSound() {
    StereoBuffer out(1.8);
    Boom(out, 18, 0.0, 0.55, 0.3);
    Crack(out, 20, 0.0, 0.2, 0.8);
    Debris(out, 21, 0.03, 1.3, 0.9);
    out.FadeEdges(0.005);
    return out;
}

// A single drop: a short pitch-rising blip and a faint echo.
StereoBuffer Drip() {
    StereoBuffer out(0.6);
    double phase = 0;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        phase += (700.0 + 1400.0 * std::fmin(t / 0.05, 1.0)) / kRate;
        out.Add(i, Sine(phase) * Strike(t, 0.001, 0.04), 0.0);
    }
    out.Echo(0.12, 0.3, 0.3);
    out.Normalise(0.7);
    out.FadeEdges(0.005);
    return out;
}

// A ghostly wail: a wavering voice gliding up and down over cold wind.
StereoBuffer Haunt() {
    StereoBuffer out(2.6);
    Noise noise(51);
    Resonator wind;
    double phase = 0;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double hz = 500.0 + 250.0 * std::sin(kPi * t / 1.3) + 20.0 * Sine(t * 5.5);
        phase += hz / kRate;
        wind.Run(noise.Next(), 400.0 + 300.0 * Sine(t * 0.5), 3.0);
        const double env = Adsr(t, 1.8, 0.5, 0.3, 0.8, 0.7);
        out.Add(i, (0.5 * Sine(phase) + 0.2 * Sine(2.01 * phase) + 0.5 * wind.Band()) * env,
                Sine(t * 0.6) * 0.8);
    }
    out.Echo(0.33, 0.4, 0.35);
    out.Normalise(0.7);
    out.FadeEdges(0.01);
    return out;
}

}  // namespace

const std::vector<SoundRecipe>& SoundBank() {
    static const std::vector<SoundRecipe> bank = {
        {vm::Sound::Architect, Architect},
        {vm::Sound::BlackSheep, BlackSheep},
        {vm::Sound::Rose, Rose},
        {vm::Sound::Seduction, Seduction},
        {vm::Sound::Titan, Titan},
        {vm::Sound::WarBeast, WarBeast},
        {vm::Sound::Warrioress, Warrioress},
        {vm::Sound::Frost, Frost},
        {vm::Sound::Lightning, Lightning},
        {vm::Sound::Blacklight, Blacklight},
        {vm::Sound::Drake, Drake},
        {vm::Sound::ShowCard, ShowB},
        {vm::Sound::Shatter, Shatter},
        {vm::Sound::Boom, BoomSound},
        {vm::Sound::Drip, Drip},
        {vm::Sound::Haunt, Haunt},
    };
    return bank;
}

}  // namespace synth
