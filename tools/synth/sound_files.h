// sound_files.h -- the twenty sound files of the game, in the order of its sound players.
#pragma once

namespace synth {

enum class SoundUse { kEffect, kMusic, kLoop };

struct SoundFile {
    const char* name;
    SoundUse use;
};

inline constexpr SoundFile kSoundFiles[] = {
    {"carpathian.wav", SoundUse::kMusic},   {"architect.wav", SoundUse::kEffect},
    {"blacksheep2.wav", SoundUse::kEffect}, {"courtesan.wav", SoundUse::kEffect},
    {"rose.wav", SoundUse::kEffect},        {"seduction.wav", SoundUse::kEffect},
    {"titan.wav", SoundUse::kEffect},       {"warbeast.wav", SoundUse::kEffect},
    {"warrioress.wav", SoundUse::kEffect},  {"druids.wav", SoundUse::kEffect},
    {"frost.wav", SoundUse::kEffect},       {"lightning.wav", SoundUse::kEffect},
    {"blacklight.wav", SoundUse::kEffect},  {"drake.wav", SoundUse::kEffect},
    {"showb.wav", SoundUse::kEffect},       {"drums.wav", SoundUse::kLoop},
    {"shatter.wav", SoundUse::kEffect},     {"boom.wav", SoundUse::kEffect},
    {"drip.wav", SoundUse::kEffect},        {"haunt2.wav", SoundUse::kEffect},
};

}  // namespace synth
