// wav_fuzz.cpp -- libFuzzer target: any bytes either decode to whole stereo frames or raise
// tk::Error; nothing else may happen.
#include <cstdint>
#include <cstdlib>

#include "toolkit/error.h"
#include "toolkit/sound/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        tk::SoundData sound = tk::DecodeWav(data, size, "fuzz.wav");
        if (sound.samples.size() % 2 != 0) std::abort();
    } catch (const tk::Error&) {
    }
    return 0;
}
