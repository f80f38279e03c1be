// main.cpp -- vellmoor-synth OUTDIR: renders the twenty sounds of the game into OUTDIR.
#include <exception>
#include <iostream>

#include "sound_bank.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vellmoor-synth OUTDIR\n";
        return 2;
    }
    try {
        for (const auto& recipe : synth::SoundBank())
            synth::WriteWav(std::string(argv[1]) + "/" + recipe.fileName, recipe.render());
    } catch (const std::exception& e) {
        std::cerr << "vellmoor-synth: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
