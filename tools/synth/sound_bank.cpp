// sound_bank.cpp -- the twenty sounds of the game: the two pieces of music and the card effects.
#include "sound_bank.h"

#include <cmath>

#include "dsp.h"

namespace synth {
namespace {

double T(size_t i) {
    return static_cast<double>(i) / kRate;
}

// An organ-like tone: a few octave-related partials.
double Organ(double phase) {
    return Sine(phase) + 0.5 * Sine(2 * phase) + 0.25 * Sine(3 * phase) + 0.12 * Sine(4 * phase);
}

// A war drum: a falling sine thump under a short burst of filtered noise.
double Drum(double t, double pitch, Noise& noise, LowPass& lp) {
    if (t < 0.0 || t > 1.2) return 0.0;
    const double f = pitch * (1.0 + 1.5 * std::exp(-t / 0.03));
    const double body = std::sin(2 * kPi * f * t) * Strike(t, 0.002, 0.28);
    const double skin = lp.Run(noise.Next(), 900.0) * Strike(t, 0.001, 0.05);
    return body + 2.5 * skin;
}

// The title theme: a minor-key melody over drones of A and E, with a slow beat.
StereoBuffer Carpathian() {
    const double beat = 1.0;  // 60 beats a minute
    StereoBuffer out(64.0 * beat + 2.0);
    // A natural minor phrase, eight bars, played twice; 0 is a rest. (midi note, beats)
    const int melody[][2] = {{69, 2}, {72, 1}, {71, 1}, {69, 2}, {64, 2}, {65, 2},
                             {64, 1}, {62, 1}, {64, 4}, {69, 2}, {72, 1}, {74, 1},
                             {76, 3}, {74, 1}, {72, 2}, {71, 2}, {69, 4}, {0, 4}};
    Noise noise(101);
    LowPass melodyTone, drumTone;
    double phaseA = 0, phaseE = 0, phaseLow = 0, phaseMel = 0, phaseVib = 0;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double swell = 0.6 + 0.4 * std::sin(2 * kPi * t / 16.0);
        phaseA += MidiHz(45) / kRate;
        phaseE += MidiHz(52) * 1.002 / kRate;
        phaseLow += MidiHz(33) / kRate;
        double drone = 0.22 * Organ(phaseA) + 0.16 * Organ(phaseE) + 0.2 * Sine(phaseLow);
        drone *= swell * std::fmin(1.0, t / 4.0);
        // Melody: find the note that sounds at t (the phrase repeats every 32 beats).
        double pos = std::fmod(t / beat, 32.0), start = 0;
        int note = 0;
        double len = 1;
        for (const auto& n : melody) {
            if (pos < start + n[1]) {
                note = n[0];
                len = n[1];
                break;
            }
            start += n[1];
        }
        double mel = 0.0;
        if (note > 0 && t > 8.0 && t < 62.0) {
            phaseVib += 5.0 / kRate;
            const double hz = MidiHz(note - 12) * (1.0 + 0.004 * Sine(phaseVib));
            phaseMel += hz / kRate;
            const double env = Adsr((pos - start) * beat, len * beat * 0.9, 0.25, 0.4, 0.7, 0.3);
            mel = melodyTone.Run(Saw(phaseMel) + 0.6 * Saw(phaseMel * 1.005), 1200.0) * env * 0.5;
        }
        // Slow beat: a low drum on the first and third beat of every bar after the opening.
        double drum = 0.0;
        if (t > 4.0 && t < 62.0) {
            const double inBeat = std::fmod(t, 2.0 * beat);
            drum = 0.5 * Drum(inBeat, 50.0, noise, drumTone);
        }
        out.Add(i, drone, -0.3);
        out.Add(i, mel, 0.25);
        out.Add(i, drum, 0.0);
    }
    out.Echo(0.37, 0.35, 0.35);
    out.Normalise(0.8);
    out.FadeEdges(1.5);
    return out;
}

// The battle loop: eleven bars of four beats at 120 a minute. Every hit is written modulo the
// loop's length, so the tails of the last bar ring on into the first and the seam is seamless.
StereoBuffer Drums() {
    const double beat = 0.5;
    const size_t frames = static_cast<size_t>(11 * 4 * beat * kRate);
    StereoBuffer out(11 * 4 * beat);
    Noise noise(202);
    // (beat within the bar in eighths, pitch, loudness, pan)
    const double pattern[][4] = {{0, 55, 1.0, -0.2},
                                 {3, 80, 0.5, 0.4},
                                 {4, 55, 0.9, -0.2},
                                 {6, 80, 0.6, 0.4},
                                 {7, 95, 0.4, 0.5}};
    for (int bar = 0; bar < 11; ++bar) {
        for (const auto& hit : pattern) {
            const size_t at = static_cast<size_t>((bar * 4 + hit[0] * 0.5) * beat * kRate);
            LowPass lp;
            const double accent = (bar % 4 == 3 && hit[0] >= 6) ? 1.3 : 1.0;
            for (size_t k = 0; k < static_cast<size_t>(1.2 * kRate); ++k) {
                const double v = hit[2] * accent * Drum(T(k), hit[1], noise, lp);
                out.Add((at + k) % frames, v, hit[3]);
            }
        }
    }
    out.Normalise(0.85);
    return out;
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

// A shaky bleat that turns into a growl.
StereoBuffer BlackSheep() {
    StereoBuffer out(1.4);
    Noise noise(5);
    Resonator formant;
    double phase = 0;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double hz =
            (t < 0.6 ? 420.0 : 420.0 - 300.0 * (t - 0.6)) * (1.0 + 0.06 * Sine(t * 11.0));
        phase += hz / kRate;
        const double src = Saw(phase) + (t > 0.6 ? 0.6 * noise.Next() : 0.0);
        formant.Run(src, t < 0.6 ? 1100.0 : 600.0, 3.0);
        out.Add(i, formant.Band() * Adsr(t, 1.1, 0.05, 0.2, 0.8, 0.3), 0.0);
    }
    out.Normalise(0.8);
    out.FadeEdges(0.01);
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

StereoBuffer Courtesan() {
    StereoBuffer out(2.0);
    const int notes[] = {72, 75, 79, 82, 84, 87, 91, 84};
    Plucks(out, notes, 8, 0.08, 0.5, 0.2);
    out.Echo(0.19, 0.3, 0.3);
    out.Normalise(0.75);
    out.FadeEdges(0.01);
    return out;
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

StereoBuffer Titan() {
    StereoBuffer out(2.2);
    Whoosh(out, 37, 200.0, 2400.0, 0.0, 0.7, 1.0);
    Boom(out, 38, 0.65, 1.2, 0.45);
    Noise noise(39);
    Resonator clang;
    for (size_t i = static_cast<size_t>(0.65 * kRate); i < out.Frames(); ++i) {
        const double t = T(i) - 0.65;
        clang.Run(noise.Next(), 1800.0, 20.0);
        out.Add(i, 0.5 * clang.Band() * Strike(t, 0.001, 0.15), 0.2);
    }
    out.Normalise(0.9);
    out.FadeEdges(0.01);
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

// Voices humming a low chord on an open vowel.
StereoBuffer Druids() {
    StereoBuffer out(2.8);
    const int notes[] = {43, 50, 55, 59};
    Resonator vowel[4];
    double phase[4] = {};
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double env = Adsr(t, 2.0, 0.5, 0.3, 0.85, 0.7);
        for (int v = 0; v < 4; ++v) {
            phase[v] += MidiHz(notes[v]) * (1.0 + 0.003 * Sine(t * (4.0 + v))) / kRate;
            vowel[v].Run(Saw(phase[v]), 650.0 + 80 * v, 3.0);
            out.Add(i, 0.4 * vowel[v].Band() * env, -0.6 + 0.4 * v);
        }
    }
    out.Echo(0.29, 0.35, 0.3);
    out.Normalise(0.75);
    out.FadeEdges(0.01);
    return out;
}

// Icy shimmer of high partials with the crackle of freezing.
StereoBuffer Frost() {
    StereoBuffer out(2.2);
    Noise noise(50);
    const double partials[] = {2093, 2637, 3136, 3951, 4699};
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        double shimmer = 0;
        for (int p = 0; p < 5; ++p)
            shimmer += Sine(partials[p] * t) * (0.5 + 0.5 * Sine(t * (3.0 + 1.7 * p)));
        double crackle = 0;
        if (noise.Next() > 0.995) crackle = noise.Next();  // sparse ticks of ice
        const double env = Adsr(t, 1.5, 0.3, 0.2, 0.8, 0.7);
        out.Add(i, (0.08 * shimmer + 0.9 * crackle) * env, Sine(t * 0.7) * 0.6);
    }
    out.Normalise(0.75);
    out.FadeEdges(0.01);
    return out;
}

// A sharp crack followed by rolling thunder.
StereoBuffer Lightning() {
    StereoBuffer out(2.8);
    Noise noise(54);
    Resonator crack;
    for (size_t i = 0; i < 8000; ++i) {
        crack.Run(noise.Next(), 3000.0, 0.8);
        out.Add(i, 1.5 * crack.Band() * Strike(T(i), 0.0003, 0.04), 0.3);
    }
    Boom(out, 55, 0.05, 0.7, 0.5);
    Boom(out, 56, 0.5, 0.5, 0.7);
    Boom(out, 57, 1.1, 0.35, 0.6);
    out.Normalise(0.9);
    out.FadeEdges(0.01);
    return out;
}

// An eerie swell: detuned tones rising out of nothing, beating against each other.
StereoBuffer Blacklight() {
    StereoBuffer out(2.6);
    double a = 0, b = 0, c = 0;
    for (size_t i = 0; i < out.Frames(); ++i) {
        const double t = T(i);
        const double rise = 1.0 + 0.15 * t;
        a += 110.0 * rise / kRate;
        b += 111.7 * rise / kRate;
        c += 233.1 * rise / kRate;
        const double env = Adsr(t, 2.0, 1.6, 0.1, 1.0, 0.6);
        out.Add(i, (Triangle(a) + Triangle(b) + 0.5 * Sine(c)) * env, Sine(t * 0.9) * 0.7);
    }
    out.Normalise(0.7);
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

StereoBuffer BoomSound() {
    StereoBuffer out(1.8);
    Boom(out, 18, 0.0, 1.0, 0.5);
    out.Normalise(0.9);
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
        {"carpathian.wav", Carpathian},
        {"architect.wav", Architect},
        {"blacksheep2.wav", BlackSheep},
        {"courtesan.wav", Courtesan},
        {"rose.wav", Rose},
        {"seduction.wav", Seduction},
        {"titan.wav", Titan},
        {"warbeast.wav", WarBeast},
        {"warrioress.wav", Warrioress},
        {"druids.wav", Druids},
        {"frost.wav", Frost},
        {"lightning.wav", Lightning},
        {"blacklight.wav", Blacklight},
        {"drake.wav", Drake},
        {"showb.wav", ShowB},
        {"drums.wav", Drums},
        {"shatter.wav", Shatter},
        {"boom.wav", BoomSound},
        {"drip.wav", Drip},
        {"haunt2.wav", Haunt},
    };
    return bank;
}

}  // namespace synth
