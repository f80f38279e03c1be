// score.h -- a piece of music as our score files write it: parts on General MIDI instruments,
// notes in beats, tempo changes and swells, and how the rendered piece is finished.
#pragma once

#include <string>
#include <vector>

namespace score {

struct Part {
    std::string name;
    int channel = 0;  // 9 is the drum channel
    int bank = 0, program = 0;
    int volume = 100, pan = 64, reverb = 40, chorus = 0;
    double cursor = 0.0;  // where the next note of the part starts, in beats
};

struct Note {
    int channel = 0, pitch = 60, velocity = 80;
    double start = 0.0, length = 1.0;  // beats
};

// A swell of one channel's expression from one value to another between two beats.
struct Ramp {
    int channel = 0;
    double from = 0.0, to = 0.0;
    int fromValue = 127, toValue = 127;
};

struct Tempo {
    double beat = 0.0, bpm = 120.0;
};

struct Score {
    std::vector<Tempo> tempos;  // in beat order; the first is at beat 0
    std::vector<Part> parts;
    std::vector<Note> notes;
    std::vector<Ramp> ramps;
    double length = 0.0;       // beats: the end of the last note, or the declared length
    double tailSeconds = 3.0;  // rendered after the end, for the instruments to ring out
    bool loop = false;         // the piece is played round and round
    double levelDb = -20.0;    // RMS over the sounding part of the finished sound
    double gain = 0.5;         // the synthesiser's gain
    double highpassHz = 0.0;   // rumble below this is taken out (0: none)
};

// Reads a score. Errors throw tk::Error("<name>:<line>: <what is wrong>").
Score ParseScore(const std::string& text, const std::string& name);

// Seconds from the start to the given beat, under the score's tempo changes.
double SecondsAt(const Score& score, double beat);

}  // namespace score
