// main.cpp -- vellmoor-synth OUTDIR: renders the effects of the game into OUTDIR.
#include <exception>
#include <iostream>
#include <stdexcept>
#include <string>

#include "mastering.h"
#include "sound_bank.h"

namespace {

// Every effect plays at this level (RMS over its sounding part), the music a few dB under it.
constexpr double kEffectLevelDb = -17.0;
// Long enough to carry any remaining tail down to silence without cutting it audibly.
constexpr double kEndFadeSeconds = 0.25;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vellmoor-synth OUTDIR\n";
        return 2;
    }
    try {
        // Every sound the game's table says is made by a recipe must have one.
        for (int n = 1; n <= vm::kSoundCount; ++n) {
            const vm::SoundFile& file = vm::kSoundFiles[std::size_t(n)];
            if (file.made != vm::SoundMade::Recipe) continue;
            bool found = false;
            for (const auto& recipe : synth::SoundBank())
                found = found || vm::SoundNumber(recipe.sound) == n;
            if (!found) throw std::runtime_error(std::string("no recipe for ") + file.file);
        }
        for (const auto& recipe : synth::SoundBank()) {
            synth::StereoBuffer sound = recipe.render();
            synth::FadeOut(sound, kEndFadeSeconds);
            synth::SetLevel(sound, kEffectLevelDb);
            synth::WriteWav(std::string(argv[1]) + "/" + vm::FileOf(recipe.sound).file, sound);
        }
    } catch (const std::exception& e) {
        std::cerr << "vellmoor-synth: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
