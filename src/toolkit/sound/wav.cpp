// wav.cpp -- RIFF/WAVE parsing and the one-time conversion to 44.1 kHz stereo.
#include "toolkit/sound/wav.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "toolkit/error.h"

namespace tk {
namespace {

constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;
// Ten minutes at the mix rate: far beyond any of the game's sounds, and it keeps a tiny,
// hostile file from asking for gigabytes through a huge data chunk at a low rate.
constexpr std::int64_t kMaxFrames = std::int64_t(kMixRate) * 600;

std::uint32_t ReadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t ReadU16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int blockAlign = 0;
};

[[noreturn]] void Fail(const std::string& name, const std::string& reason) {
    throw Error("Cannot open sound " + name + ": " + reason);
}

Format ParseFormat(const std::uint8_t* p, std::uint32_t size, const std::string& name) {
    if (size < 16) Fail(name, "format chunk too short");
    int tag = ReadU16(p);
    Format f;
    f.channels = ReadU16(p + 2);
    std::uint32_t rate = ReadU32(p + 4);
    f.blockAlign = ReadU16(p + 12);
    f.bits = ReadU16(p + 14);
    if (tag == 0xFFFE) {  // extensible header: the real format tag opens the sub-format id
        if (size < 40) Fail(name, "extensible format chunk too short");
        tag = ReadU16(p + 24);
    }
    if (tag != 1) Fail(name, "not PCM (format tag " + std::to_string(tag) + ")");
    if (f.channels != 1 && f.channels != 2)
        Fail(name, "unsupported channel count " + std::to_string(f.channels));
    if (f.bits != 8 && f.bits != 16)
        Fail(name, "unsupported sample size " + std::to_string(f.bits) + " bits");
    if (rate < std::uint32_t(kMinRate) || rate > std::uint32_t(kMaxRate))
        Fail(name, "unsupported sample rate " + std::to_string(rate));
    f.rate = int(rate);
    if (f.blockAlign != f.channels * f.bits / 8) Fail(name, "inconsistent block size");
    return f;
}

// One source sample as 16-bit, channel c of frame i.
std::int16_t SourceSample(const std::uint8_t* data, const Format& f, std::int64_t i, int c) {
    const std::uint8_t* p = data + i * f.blockAlign + c * (f.bits / 8);
    if (f.bits == 8) return std::int16_t((int(p[0]) - 128) * 256);
    return std::int16_t(ReadU16(p));
}

SoundData Convert(const std::uint8_t* data, std::int64_t frames, const Format& f,
                  const std::string& name) {
    std::int64_t outFrames = (frames * kMixRate + f.rate - 1) / f.rate;
    if (outFrames > kMaxFrames) Fail(name, "sound too long");
    SoundData out;
    out.samples.resize(std::size_t(outFrames) * 2);
    for (std::int64_t o = 0; o < outFrames; ++o) {
        // Source position o * rate / mixRate, as whole frame plus fraction in 1/kMixRate.
        std::int64_t scaled = o * f.rate;
        std::int64_t i = scaled / kMixRate;
        std::int64_t frac = scaled % kMixRate;
        std::int64_t next = i + 1 < frames ? i + 1 : i;
        for (int c = 0; c < 2; ++c) {
            int sc = f.channels == 2 ? c : 0;
            std::int64_t a = SourceSample(data, f, i, sc);
            std::int64_t b = SourceSample(data, f, next, sc);
            out.samples[std::size_t(o) * 2 + c] = std::int16_t(a + (b - a) * frac / kMixRate);
        }
    }
    return out;
}

}  // namespace

SoundData DecodeWav(const std::uint8_t* data, std::size_t size, const std::string& name) {
    if (size < 12) Fail(name, "file too short for a WAV header");
    if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        Fail(name, "not a RIFF/WAVE file");
    std::uint64_t riffEnd = std::uint64_t(ReadU32(data + 4)) + 8;
    if (riffEnd > size) Fail(name, "truncated (RIFF size beyond the end of the file)");

    bool haveFormat = false;
    Format format;
    std::size_t pos = 12;
    while (pos + 8 <= riffEnd) {
        const std::uint8_t* chunk = data + pos;
        std::uint64_t chunkSize = ReadU32(chunk + 4);
        std::uint64_t bodyEnd = pos + 8 + chunkSize;
        if (bodyEnd > riffEnd) {
            Fail(name, "truncated (chunk '" + std::string(reinterpret_cast<const char*>(chunk), 4) +
                           "' runs past the end of the file)");
        }
        const std::uint8_t* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            format = ParseFormat(body, std::uint32_t(chunkSize), name);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) Fail(name, "data chunk before the format chunk");
            // A trailing partial frame carries no whole sample: it is left out.
            std::int64_t frames = std::int64_t(chunkSize / std::uint64_t(format.blockAlign));
            // A sound that would play as nothing is as broken as a missing one.
            if (frames == 0) Fail(name, "no samples (the data chunk is empty)");
            return Convert(body, frames, format, name);
        }
        pos = std::size_t(bodyEnd + (chunkSize & 1));  // chunks are padded to even sizes
    }
    Fail(name, haveFormat ? "no data chunk" : "no format chunk");
}

namespace {
// Closes the descriptor on every way out.
struct SoundFile {
    int fd;
    ~SoundFile() {
        if (fd >= 0) ::close(fd);
    }
};
}  // namespace

SoundData LoadWavFile(const std::string& fileName) {
    // Non-blocking, so that a pipe left under a sound's name cannot hang start-up; only a
    // regular file is read, so a folder of that name is refused by name too.
    SoundFile file{::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) Fail(fileName, "file not found or not readable");
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) Fail(fileName, "not a file");
    std::vector<std::uint8_t> bytes(std::size_t(info.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) bytes.resize(bytes.size() + 65536);  // it grew since
        const ssize_t n = ::read(file.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fail(fileName, "read error");
        if (n == 0) break;
        done += std::size_t(n);
    }
    bytes.resize(done);
    return DecodeWav(bytes.data(), bytes.size(), fileName);
}

}  // namespace tk
