// sound_report_main.cpp -- vellmoor-sound-report DIR: the figures of the twenty sounds in DIR,
// as a table, so anyone can check their balance. vellmoor-sound-report FILE.wav ... gives the
// same figures for any other files (a loop is a file whose name says "loop").
#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "sound_files.h"
#include "sound_measure.h"

namespace {

const char* UseName(synth::SoundUse use) {
    switch (use) {
        case synth::SoundUse::Music:
            return "music";
        case synth::SoundUse::Loop:
            return "loop";
        default:
            return "effect";
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: vellmoor-sound-report DIR | FILE.wav ...\n";
        return 2;
    }
    try {
        const std::string first = argv[1];
        if (first.size() > 4 && first.substr(first.size() - 4) == ".wav") {
            for (int i = 1; i < argc; ++i) {
                const synth::StereoBuffer sound = synth::ReadWav(argv[i]);
                const bool loop = std::string(argv[i]).find("loop") != std::string::npos;
                std::printf(
                    "%s: %.2f s, peak %.1f, level %.1f, above 200 Hz %.0f%%, last 10 ms "
                    "%.1f, clicks %d%s\n",
                    argv[i], sound.Frames() / 44100.0, synth::PeakDb(sound), synth::LevelDb(sound),
                    100.0 * synth::ShareAbove(sound, 200.0), synth::TailDb(sound),
                    synth::CountClicks(sound, loop),
                    loop ? (", seam " + std::to_string(synth::SeamStepRatio(sound))).c_str() : "");
            }
            return 0;
        }
        std::printf(
            "| File | Use | Length s | Peak dBFS | Level dBFS | Above 200 Hz | "
            "Last 10 ms dBFS | Clicks |\n|---|---|---|---|---|---|---|---|\n");
        double loudestEffect = -200.0, quietestEffect = 0.0, loudestMusic = -200.0, seam = 0.0;
        for (const auto& file : synth::kSoundFiles) {
            const synth::StereoBuffer sound =
                synth::ReadWav(std::string(argv[1]) + "/" + file.name);
            const bool loop = file.use == synth::SoundUse::Loop;
            const double level = synth::LevelDb(sound);
            const double tail = synth::TailDb(sound);
            char tailText[32];
            std::snprintf(tailText, sizeof tailText, tail < -199.0 ? "silence" : "%.1f", tail);
            std::printf("| %s | %s | %.2f | %.1f | %.1f | %.0f%% | %s | %d |\n", file.name,
                        UseName(file.use), sound.Frames() / 44100.0, synth::PeakDb(sound), level,
                        100.0 * synth::ShareAbove(sound, 200.0), tailText,
                        synth::CountClicks(sound, loop));
            if (file.use == synth::SoundUse::Effect) {
                loudestEffect = std::max(loudestEffect, level);
                quietestEffect = std::min(quietestEffect, level);
            } else {
                loudestMusic = std::max(loudestMusic, level);
            }
            if (loop) seam = synth::SeamStepRatio(sound);
        }
        std::printf(
            "\nEffects' levels span %.1f dB; the louder music sits %.1f dB under the "
            "quietest effect; the loop's seam steps %.2f times the steps around it.\n",
            loudestEffect - quietestEffect, quietestEffect - loudestMusic, seam);
    } catch (const std::exception& e) {
        std::cerr << "vellmoor-sound-report: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
