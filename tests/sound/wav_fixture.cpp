// wav_fixture.cpp -- small in-memory WAV files for the sound tests.
#include "wav_fixture.h"

namespace soundtest {
namespace {

void Add32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
}
void Add16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void AddTag(std::vector<std::uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(tag[i]));
}

}  // namespace

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = std::uint8_t(value >> (8 * i));
}

std::vector<std::uint8_t> Pcm16(const std::vector<int>& samples) {
    std::vector<std::uint8_t> b;
    for (int s : samples)
        Add16(b, std::uint32_t(s) & 0xFFFF);
    return b;
}

std::vector<std::uint8_t> MakeWav(const WavSpec& spec, const std::vector<std::uint8_t>& data) {
    int align = spec.blockAlign >= 0 ? spec.blockAlign : spec.channels * spec.bits / 8;
    std::vector<std::uint8_t> b;
    AddTag(b, "RIFF");
    Add32(b, 0);  // patched below
    AddTag(b, "WAVE");
    AddTag(b, "fmt ");
    Add32(b, 16);
    Add16(b, spec.formatTag);
    Add16(b, spec.channels);
    Add32(b, spec.rate);
    Add32(b, spec.rate * align);
    Add16(b, align);
    Add16(b, spec.bits);
    AddTag(b, "data");
    Add32(b, std::uint32_t(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    if (data.size() & 1) b.push_back(0);
    PutU32(b, 4, std::uint32_t(b.size() - 8));
    return b;
}

}  // namespace soundtest
