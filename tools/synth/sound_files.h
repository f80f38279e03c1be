// sound_files.h -- the twenty sound files of the game, in the order of its sound players, as the
// game's own sound table lists them.
#pragma once

#include <array>

#include "state/sounds.h"

namespace synth {

using vm::SoundUse;

struct SoundFile {
    const char* name;
    SoundUse use;
};

inline constexpr std::array<SoundFile, vm::kSoundCount> kSoundFiles = [] {
    std::array<SoundFile, vm::kSoundCount> files{};
    for (int n = 1; n <= vm::kSoundCount; ++n)
        files[std::size_t(n - 1)] = {vm::kSoundFiles[std::size_t(n)].file,
                                     vm::kSoundFiles[std::size_t(n)].use};
    return files;
}();

}  // namespace synth
