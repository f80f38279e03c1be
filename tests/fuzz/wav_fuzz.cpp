// wav_fuzz.cpp -- libFuzzer target for sound files: any bytes either decode to whole stereo frames
// of a bounded length or raise tk::Error; loading from a file gives the same sound.
#include <cstdint>
#include <optional>

#include "fuzz_support.h"
#include "toolkit/error.h"
#include "toolkit/sound/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::InputFile file("vellmoor-wav");

    std::optional<tk::SoundData> sound;
    try {
        sound = tk::DecodeWav(data, size, "fuzz.wav");
    } catch (const tk::Error&) {
    }
    if (sound) {
        fuzz::Check(sound->samples.size() % 2 == 0, "a sound ends in half a frame");
        fuzz::Check(sound->Frames() <= std::int64_t(tk::kMixRate) * 600,
                    "sound longer than allowed");
    }

    const std::string& path = file.Write(data, size);
    try {
        tk::SoundData loaded = tk::LoadWavFile(path);
        fuzz::Check(sound.has_value() && loaded.samples == sound->samples,
                    "the file loads differently from the same bytes in memory");
    } catch (const tk::Error&) {
        fuzz::Check(!sound.has_value(), "the file is refused but the same bytes decode");
    }
    return 0;
}
