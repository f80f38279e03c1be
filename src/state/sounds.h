// sounds.h -- the game's twenty sounds by name, with their files (the table is sound_list.inc).
#pragma once

#include <array>

namespace vm {

// Sound N is the title window's player N; None (0) stands for "no sound".
enum class Sound : int {
    None = 0,
#define VM_SOUND(name, file, use, made) name,
#include "state/sound_list.inc"
#undef VM_SOUND
};

enum class SoundUse { Effect, Music, Loop };
enum class SoundMade { Recipe, Score };

struct SoundFile {
    const char* file;
    SoundUse use;
    SoundMade made;
};

inline constexpr int kSoundCount = 20;

// By sound number; entry 0 is None and has no file.
inline constexpr std::array<SoundFile, kSoundCount + 1> kSoundFiles = {{
    {"", SoundUse::Effect, SoundMade::Recipe},
#define VM_SOUND(name, file, use, made) {#file ".wav", SoundUse::use, SoundMade::made},
#include "state/sound_list.inc"
#undef VM_SOUND
}};

constexpr int SoundNumber(Sound sound) {
    return static_cast<int>(sound);
}
constexpr const SoundFile& FileOf(Sound sound) {
    return kSoundFiles[static_cast<std::size_t>(sound)];
}

static_assert(SoundNumber(Sound::Haunt) == kSoundCount, "one line per player in sound_list.inc");

}  // namespace vm
