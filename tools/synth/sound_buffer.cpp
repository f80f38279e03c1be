// sound_buffer.cpp -- stereo buffer helpers and the 16-bit PCM WAV writer.
#include "sound_buffer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

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

StereoBuffer ReadWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw tk::Error("Cannot open sound file " + path);
    const std::string s((std::istreambuf_iterator<char>(in)), {});
    auto fail = [&](const std::string& why) {
        return tk::Error("Sound file " + path + ": " + why);
    };
    auto le = [&](size_t at, int bytes) {
        uint32_t v = 0;
        for (int b = bytes - 1; b >= 0; --b)
            v = (v << 8) | static_cast<unsigned char>(s[at + b]);
        return v;
    };
    if (s.size() < 12 || s.compare(0, 4, "RIFF") || s.compare(8, 4, "WAVE"))
        throw fail("not a RIFF WAVE file");
    int channels = 0;
    StereoBuffer out;
    bool haveData = false;
    for (size_t at = 12; at + 8 <= s.size();) {
        const std::string id = s.substr(at, 4);
        const size_t len = le(at + 4, 4);
        if (len > s.size() - at - 8) throw fail("chunk " + id + " runs past the end");
        if (id == "fmt ") {
            if (len < 16) throw fail("short format chunk");
            channels = static_cast<int>(le(at + 10, 2));
            if (le(at + 8, 2) != 1 || le(at + 12, 4) != 44100 || le(at + 22, 2) != 16 ||
                (channels != 1 && channels != 2))
                throw fail("not 16-bit PCM at 44100 Hz, mono or stereo");
        } else if (id == "data") {
            if (channels == 0) throw fail("data before the format chunk");
            const size_t frames = len / (2 * static_cast<size_t>(channels));
            out.left.resize(frames);
            out.right.resize(frames);
            for (size_t i = 0; i < frames; ++i) {
                const size_t p = at + 8 + i * 2 * channels;
                out.left[i] = static_cast<int16_t>(le(p, 2)) / 32768.0;
                out.right[i] = static_cast<int16_t>(le(p + 2 * (channels - 1), 2)) / 32768.0;
            }
            haveData = true;
        }
        at += 8 + len + (len & 1);
    }
    if (!haveData) throw fail("no sound data");
    return out;
}

}  // namespace synth
