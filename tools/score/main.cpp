// main.cpp -- vellmoor-score SCORE SOUNDFONT WORKDIR OUT.wav [FLUIDSYNTH]: renders a score of
// ours into a sound file of the game.
#include <exception>
#include <iostream>

#include "score_render.h"

int main(int argc, char** argv) {
    if (argc != 5 && argc != 6) {
        std::cerr << "usage: vellmoor-score SCORE SOUNDFONT WORKDIR OUT.wav [FLUIDSYNTH]\n";
        return 2;
    }
    try {
        score::FluidSetup setup;
        setup.soundFont = argv[2];
        if (argc == 6) setup.program = argv[5];
        synth::WriteWav(argv[4], score::RenderScore(argv[1], setup, argv[3]));
    } catch (const std::exception& e) {
        std::cerr << "vellmoor-score: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
