// midi_file.cpp -- the score as one track of timed MIDI events.
#include "midi_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace score {
namespace {

struct Event {
    long tick;
    int order;  // at the same tick: tempo, set-up, note-offs, swells, note-ons
    std::string bytes;
};

long Tick(double beat) {
    return std::lround(beat * kTicksPerBeat);
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v & 0xFF));
    return s;
}

std::string Controller(int channel, int number, int value) {
    return Bytes({0xB0 | channel, number, value});
}

void PutVarLen(std::string& out, uint32_t v) {
    char buf[5];
    int n = 0;
    buf[n++] = static_cast<char>(v & 0x7F);
    while (v >>= 7)
        buf[n++] = static_cast<char>(0x80 | (v & 0x7F));
    while (n--)
        out.push_back(buf[n]);
}

void PutBig(std::string& out, uint32_t v, int bytes) {
    for (int b = bytes - 1; b >= 0; --b)
        out.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
}

}  // namespace

std::string MidiBytes(const Score& score, int cycles) {
    std::vector<Event> events;
    for (const Part& p : score.parts) {
        // The drum channel takes its kit by program alone.
        if (p.channel != 9) {
            events.push_back({0, 1, Controller(p.channel, 0, p.bank)});
            events.push_back({0, 1, Controller(p.channel, 32, 0)});
        }
        events.push_back({0, 1, Bytes({0xC0 | p.channel, p.program})});
        events.push_back({0, 1, Controller(p.channel, 7, p.volume)});
        events.push_back({0, 1, Controller(p.channel, 10, p.pan)});
        events.push_back({0, 1, Controller(p.channel, 91, p.reverb)});
        events.push_back({0, 1, Controller(p.channel, 93, p.chorus)});
        events.push_back({0, 1, Controller(p.channel, 11, 127)});
    }
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const double offset = cycle * score.length;
        for (const Tempo& t : score.tempos) {
            const uint32_t micros = static_cast<uint32_t>(std::lround(60e6 / t.bpm));
            std::string meta = Bytes({0xFF, 0x51, 0x03});
            PutBig(meta, micros, 3);
            events.push_back({Tick(offset + t.beat), 0, meta});
        }
        for (const Note& n : score.notes) {
            events.push_back(
                {Tick(offset + n.start), 4, Bytes({0x90 | n.channel, n.pitch, n.velocity})});
            events.push_back(
                {Tick(offset + n.start + n.length), 2, Bytes({0x80 | n.channel, n.pitch, 0})});
        }
        for (const Ramp& r : score.ramps) {
            const long from = Tick(offset + r.from), to = Tick(offset + r.to);
            const long step = kTicksPerBeat / 16;
            for (long t = from; t <= to; t += step) {
                const double x = static_cast<double>(t - from) / static_cast<double>(to - from);
                const int value =
                    static_cast<int>(std::lround(r.fromValue + (r.toValue - r.fromValue) * x));
                events.push_back({t, 3, Controller(r.channel, 11, value)});
            }
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    const double lastBpm = score.tempos.back().bpm;
    const long end = Tick(cycles * score.length + score.tailSeconds * lastBpm / 60.0);

    std::string track;
    long now = 0;
    for (const Event& e : events) {
        PutVarLen(track, static_cast<uint32_t>(e.tick - now));
        track += e.bytes;
        now = e.tick;
    }
    PutVarLen(track, static_cast<uint32_t>(std::max(0L, end - now)));
    track += Bytes({0xFF, 0x2F, 0x00});

    std::string file = "MThd";
    PutBig(file, 6, 4);
    PutBig(file, 0, 2);  // format 0: one track
    PutBig(file, 1, 2);
    PutBig(file, kTicksPerBeat, 2);
    file += "MTrk";
    PutBig(file, static_cast<uint32_t>(track.size()), 4);
    return file + track;
}

}  // namespace score
